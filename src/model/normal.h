// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the standardized distance Z and its two-sided error probability.
#pragma once

namespace vek {

// Two-sided tail probability of the standard normal distribution beyond |z|, by a polynomial
// approximation of erfc(|z|/√2): 1 for z = 0, never growing with |z|.
double ZToProbability(double z);

// The negative distance, on a grid of 0.00001 and cut (not rounded), whose tail probability is
// at least p. Requires 0 < p < 1.
double ProbabilityToZ(double p);

}  // namespace vek
