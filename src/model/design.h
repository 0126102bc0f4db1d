// SPDX-License-Identifier: GPL-3.0-or-later
// Planning beyond the simple random sample: a design effect for cluster or complex designs,
// the contacts that a response rate asks for, and the variance of an expected proportion.
#pragma once

#include <optional>

#include "model/quantity.h"

namespace vek {

inline constexpr Quantity kFullResponse = Quantity::FromScaled(Quantity::kScale);

// d must be above 0.
bool IsDesignEffect(Quantity designEffect);

// d = rounded(1 + (m − 1) × ρ) for a mean cluster size m ≥ 1 and an intra-class correlation
// 0 ≤ ρ ≤ 1; nullopt outside those bounds.
std::optional<Quantity> DesignEffectOfClusters(Quantity correlation, Quantity clusterSize);

// r must satisfy 0 < r ≤ 1.
bool IsResponseRate(Quantity responseRate);

// The contacts needed for n completed interviews: up(rounded(n / r)); nullopt when that does
// not fit in a quantity.
std::optional<Quantity> ContactsNeeded(Quantity sampleSize, Quantity responseRate);

// The completed interviews that c contacts give: rounded(c × r).
Quantity InterviewsOfContacts(Quantity contacts, Quantity responseRate);

// V = rounded(p × (1 − p)) for an expected proportion 0 < p < 1; nullopt outside.
std::optional<Quantity> VarianceOfProportion(Quantity proportion);

// The proportion p ≤ 0,5 whose variance p(1 − p) is V, rounded: 0,5 for any V from 0,25 up.
Quantity ProportionOfVariance(Quantity variance);

}  // namespace vek
