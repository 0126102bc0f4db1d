// SPDX-License-Identifier: GPL-3.0-or-later
// The one integer rule that splits a total across strata, for every method: start from each
// stratum's minimum, then give one unit at a time to the stratum of the largest priority
// a_h² / (n_h (n_h + 1)) still below its maximum, a tie going to the stratum first in the table.
// For every total this minimises Σ a_h² / n_h over the integer allocations within the bounds
// (marginal allocation is exact for a separable convex objective), and the allocations are
// nested: the one for T + 1 is the one for T plus one unit.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "planning/strata.h"

namespace vek::planning {

// a_h² of the method, formed in extended precision and never rooted: N_h² (proportional), 1
// (equal), N_h³ S_h² / (N_h − 1) (Neyman), N_h³ S_h² / ((N_h − 1) c_h) (optimal). 0 for a
// stratum of N_h = 1, a census whose weight plays no part, and for Given.
long double WeightSquared(AllocationMethod method, const Stratum& stratum);

// a_h² / (n (n + 1)): the priority of a stratum's unit n + 1.
long double Priority(long double weightSquared, std::int64_t units);

// The rule for any total between Σ min_h and Σ max_h, computed from a threshold on the
// priorities instead of unit by unit: the same allocation, in about O(H log H) whatever the
// total.
class Allocator {
public:
    Allocator(std::span<const Stratum> strata, AllocationMethod method);

    std::int64_t smallest() const { return smallest_; }  // Σ min_h
    std::int64_t largest() const { return largest_; }    // Σ max_h

    // n_h for each stratum; `total` lies within smallest() … largest().
    std::vector<std::int64_t> At(std::int64_t total) const;

    // The first total whose allocation `reached` accepts, where `reached` stays true once it is
    // (a bisection over the totals); nullopt when even largest() is not reached.
    template <class Reached>
    std::optional<std::int64_t> FirstTotal(Reached reached) const {
        if (!reached(At(largest_))) return std::nullopt;
        std::int64_t below = smallest_ - 1;  // not reached, or before the first total
        std::int64_t at = largest_;          // reached
        while (at - below > 1) {
            const std::int64_t middle = below + (at - below) / 2;
            if (reached(At(middle))) {
                at = middle;
            } else {
                below = middle;
            }
        }
        return at;
    }

private:
    struct Range {
        std::int64_t minimum;
        std::int64_t maximum;
    };

    double ContinuousLevel(std::int64_t units) const;
    std::int64_t UnitsAtLeast(std::size_t stratum, long double threshold, double level) const;
    void Give(std::vector<std::int64_t>& n, std::int64_t units) const;
    void TakeBack(std::vector<std::int64_t>& n, std::int64_t units) const;

    std::vector<long double> weights_;  // a_h²
    std::vector<double> roots_;         // a_h, for a first guess only
    std::vector<Range> ranges_;
    std::int64_t smallest_ = 0;
    std::int64_t largest_ = 0;
};

// The rule itself, one unit at a time, in O(H × (total − Σ min_h)): what Allocator::At must
// equal.
std::vector<std::int64_t> AllocateUnitByUnit(std::span<const Stratum> strata,
                                             AllocationMethod method, std::int64_t total);

}  // namespace vek::planning
