// SPDX-License-Identifier: GPL-3.0-or-later
// The one integer rule that splits a total across strata, for every method: start from each
// stratum's minimum, then give one unit at a time to the stratum of the largest priority
// a_h² / (n_h (n_h + 1)) still below its maximum, a tie going to the stratum first in the table.
// For every total this minimises Σ a_h² / n_h over the integer allocations within the bounds
// (marginal allocation is exact for a separable convex objective), and the allocations are
// nested: the one for T + 1 is the one for T plus one unit.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
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
inline long double Priority(long double weightSquared, std::int64_t units) {
    const auto n = static_cast<long double>(units);
    return weightSquared / (n * (n + 1));
}

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

    // How far an allocation is from a goal: whether it reaches it, and a measure that grows
    // along the totals and crosses 0 about where the goal is first reached.
    struct Reach {
        bool reached = false;
        long double gap = 0;
    };

    // The first total whose allocation `reach` says reaches the goal, where reaching stays true
    // once it is; nullopt when even largest() does not. Each total tried is aimed where the line
    // through the two latest tries crosses 0 (the secant method), or through the ends of the
    // range still open, and a little past it after two tries on the same side, so that the
    // range closes from both ends; three tries that do not halve the range are followed by a
    // halving. The total a bisection finds, in a few allocations.
    template <class Measure>
    std::optional<std::int64_t> FirstTotal(Measure reach) const {
        const Reach atLargest = reach(At(largest_));
        if (!atLargest.reached) return std::nullopt;
        const Reach atSmallest = reach(At(smallest_));
        if (atSmallest.reached) return smallest_;
        Tried low{smallest_, atSmallest};  // not reached
        Tried high{largest_, atLargest};   // reached
        Tried last = high;
        Tried beforeLast = low;
        constexpr int kTriesToHalve = 3;
        int triesLeft = kTriesToHalve;
        std::int64_t widthToHalve = high.total - low.total;
        while (high.total - low.total > 1) {
            const std::int64_t width = high.total - low.total;
            if (2 * width <= widthToHalve) {
                widthToHalve = width;
                triesLeft = kTriesToHalve;
            }
            const std::int64_t next =
                triesLeft-- > 0 ? Aim(beforeLast, last, low, high) : low.total + width / 2;
            beforeLast = last;
            last = {next, reach(At(next))};
            (last.reach.reached ? high : low) = last;
        }
        return high.total;
    }

private:
    struct Tried {
        std::int64_t total;
        Reach reach;
    };

    // Where the line through `a` and `b` crosses 0, if that lies strictly between `low` and
    // `high`.
    static std::optional<long double> Crossing(Tried a, Tried b, Tried low, Tried high) {
        const long double rise = b.reach.gap - a.reach.gap;
        if (a.total == b.total || rise == 0 || !std::isfinite(rise)) return std::nullopt;
        const long double at = static_cast<long double>(a.total) -
                               a.reach.gap * static_cast<long double>(b.total - a.total) / rise;
        if (!(at > static_cast<long double>(low.total) &&
              at < static_cast<long double>(high.total))) {
            return std::nullopt;
        }
        return at;
    }

    // The next total to try, strictly between `low` and `high`.
    static std::int64_t Aim(Tried beforeLast, Tried last, Tried low, Tried high) {
        std::optional<long double> crossing = Crossing(beforeLast, last, low, high);
        if (!crossing) crossing = Crossing(low, high, low, high);
        if (!crossing) return low.total + (high.total - low.total) / 2;
        auto next = static_cast<std::int64_t>(std::ceil(*crossing));
        if (beforeLast.reach.reached == last.reach.reached) next += next - last.total;
        return std::clamp(next, low.total + 1, high.total - 1);
    }

    struct Range {
        std::int64_t minimum;
        std::int64_t maximum;
    };

    double ContinuousLevel(std::int64_t units) const;
    std::int64_t UnitsAtLeast(std::size_t stratum, long double threshold, double level) const;
    void Give(std::vector<std::int64_t>& n, std::int64_t units) const;
    void TakeBack(std::vector<std::int64_t>& n, std::int64_t units) const;

    // What ContinuousLevel starts from, over the strata whose bounds leave room.
    struct Levels {
        double full = 0;      // the level at which every stratum reaches its maximum
        double roots = 0;     // Σ a_h
        double minimums = 0;  // Σ min_h
    };

    std::vector<long double> weights_;  // a_h²
    std::vector<double> roots_;         // a_h, for a first guess only
    std::vector<Range> ranges_;
    Levels levels_;
    std::int64_t smallest_ = 0;
    std::int64_t largest_ = 0;
};

// The rule itself, one unit at a time, in O(H × (total − Σ min_h)): what Allocator::At must
// equal.
std::vector<std::int64_t> AllocateUnitByUnit(std::span<const Stratum> strata,
                                             AllocationMethod method, std::int64_t total);

}  // namespace vek::planning
