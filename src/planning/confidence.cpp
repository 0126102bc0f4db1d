// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/confidence.h"

#include <optional>

namespace vek::planning {

namespace {

struct Sigmas {
    std::int64_t scaledPercent;  // the rounded level, times 10000
    const char* words;
};

std::optional<Sigmas> SigmasOf(Quantity distance) {
    if (distance == Quantity::FromScaled(2 * Quantity::kScale)) {
        return Sigmas{955 * Quantity::kScale / 10, "dos sigmas"};
    }
    if (distance == Quantity::FromScaled(3 * Quantity::kScale)) {
        return Sigmas{997 * Quantity::kScale / 10, "tres sigmas"};
    }
    return std::nullopt;
}

}  // namespace

std::string ConfidencePercent(const ModelState& state, char separator) {
    constexpr std::int64_t kHundred = 100;
    const std::optional<Sigmas> sigmas = SigmasOf(state.StandardDistance);
    const std::int64_t scaled =
        sigmas ? sigmas->scaledPercent
               : (Quantity::kScale - state.ErrorProbability.scaled()) * kHundred;
    return QuantityToText(Quantity::FromScaled(scaled), separator) + " %";
}

std::string ConfidenceLevel(const ModelState& state, char separator) {
    std::string level = ConfidencePercent(state, separator);
    if (const std::optional<Sigmas> sigmas = SigmasOf(state.StandardDistance)) {
        level += std::string(" (") + sigmas->words + ")";
    }
    return level;
}

}  // namespace vek::planning
