// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/design.h"

#include <algorithm>
#include <cmath>

namespace vek {

namespace {

constexpr Quantity kZero = Quantity::FromScaled(0);
constexpr Quantity kOne = Quantity::FromScaled(Quantity::kScale);

}  // namespace

bool IsDesignEffect(Quantity designEffect) {
    return designEffect > kZero;
}

std::optional<Quantity> DesignEffectOfClusters(Quantity correlation, Quantity clusterSize) {
    if (clusterSize < kOne || correlation < kZero || correlation > kOne) return std::nullopt;
    return Rounded(1 + (clusterSize.value() - 1) * correlation.value());
}

bool IsResponseRate(Quantity responseRate) {
    return responseRate > kZero && responseRate <= kOne;
}

std::optional<Quantity> ContactsNeeded(Quantity sampleSize, Quantity responseRate) {
    try {
        return Up(Rounded(sampleSize.value() / responseRate.value()));
    } catch (const ArithmeticError&) {
        return std::nullopt;
    }
}

Quantity InterviewsOfContacts(Quantity contacts, Quantity responseRate) {
    return Rounded(contacts.value() * responseRate.value());
}

std::optional<Quantity> VarianceOfProportion(Quantity proportion) {
    if (proportion <= kZero || proportion >= kOne) return std::nullopt;
    return Rounded(proportion.value() * (1 - proportion.value()));
}

Quantity ProportionOfVariance(Quantity variance) {
    const long double discriminant = std::max(0.0L, 1 - 4 * variance.value());
    return Rounded((1 - std::sqrt(discriminant)) / 2);
}

}  // namespace vek
