// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/allocation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vek::planning {

namespace {

// One unit of one stratum: the heaps of Give and TakeBack order these.
struct Unit {
    long double priority;
    std::size_t stratum;
};

// The order of the rule: the larger priority first, a tie to the stratum first in the table. A
// function object, so that the heaps inline it.
struct ComesLater {
    bool operator()(const Unit& a, const Unit& b) const {
        return a.priority < b.priority || (a.priority == b.priority && a.stratum > b.stratum);
    }
};

struct ComesEarlier {
    bool operator()(const Unit& a, const Unit& b) const { return ComesLater()(b, a); }
};

// The first units value in [low, high] at which `given` is false, `given` being true up to some
// point and false after it; the search starts from `guess` and widens, so a good guess costs a
// few evaluations.
template <class Given>
std::int64_t FirstNotGiven(std::int64_t low, std::int64_t high, std::int64_t guess, Given given) {
    const std::int64_t start = std::clamp(guess, low, high);
    std::int64_t step = 1;
    if (start < high && given(start)) {
        low = start + 1;
        while (low + step - 1 < high) {
            const std::int64_t probe = low + step - 1;
            if (!given(probe)) {
                high = probe;
                break;
            }
            low = probe + 1;
            step *= 2;
        }
    } else {
        high = start;
        while (high - step >= low) {
            const std::int64_t probe = high - step;
            if (given(probe)) {
                low = probe + 1;
                break;
            }
            high = probe;
            step *= 2;
        }
    }
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (given(middle)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

}  // namespace

long double WeightSquared(AllocationMethod method, const Stratum& stratum) {
    if (stratum.size <= 1) return 0;
    const auto N = static_cast<long double>(stratum.size);
    const long double S = stratum.deviation.value();
    switch (method) {
        case AllocationMethod::Proportional:
            return N * N;
        case AllocationMethod::Equal:
            return 1;
        case AllocationMethod::Neyman:
            return N * N * N * S * S / (N - 1);
        case AllocationMethod::Optimal:
            return N * N * N * S * S / ((N - 1) * stratum.cost.value());
        case AllocationMethod::Given:
            break;
    }
    return 0;
}

Allocator::Allocator(std::span<const Stratum> strata, AllocationMethod method) {
    weights_.reserve(strata.size());
    roots_.reserve(strata.size());
    ranges_.reserve(strata.size());
    for (const Stratum& stratum : strata) {
        weights_.push_back(WeightSquared(method, stratum));
        roots_.push_back(std::sqrt(static_cast<double>(weights_.back())));
        ranges_.push_back({stratum.minimum, stratum.maximum});
        smallest_ += stratum.minimum;
        largest_ += stratum.maximum;
        if (stratum.minimum == stratum.maximum) continue;
        levels_.full = std::max(levels_.full, static_cast<double>(stratum.maximum) / roots_.back());
        levels_.roots += roots_.back();
        levels_.minimums += static_cast<double>(stratum.minimum);
    }
}

// About how many units a stratum of weight a has at the level μ, x = a μ: the rule gives it
// n = ⌊√(¼ + x²) + ½⌋ (the units whose a² / (k (k + 1)) reaches 1/μ²), whose mean over the
// fractional parts is √(¼ + x²).
double ContinuousUnits(double x) {
    return std::sqrt(0.25 + x * x);
}

// The level μ at which about `units` units above the minimums have a priority of at least 1/μ²:
// the continuous count Σ clamp(√(¼ + (a_h μ)²) − min_h, 0, max_h − min_h) is solved for by
// Newton's steps, kept within a shrinking bracket. Only a first guess: the counts are then made
// exact, and they miss `units` either way by about the root of the number of strata.
double Allocator::ContinuousLevel(std::int64_t units) const {
    if (units <= 0) return 0;
    const auto wanted = static_cast<double>(units);
    double low = 0;
    double high = levels_.full;
    double level = std::clamp((wanted + levels_.minimums) / levels_.roots, low, high);
    // The exact counts miss by about the root of the number of strata whatever the level, so
    // a level closer than that is not worth more steps.
    const double close = 1 + std::sqrt(static_cast<double>(ranges_.size())) / 4;
    constexpr int kMaxSteps = 200;
    for (int step = 0; step < kMaxSteps; ++step) {
        double count = 0;
        double slope = 0;
        for (std::size_t h = 0; h < ranges_.size(); ++h) {
            const Range range = ranges_[h];
            const double x = roots_[h] * level;
            const double units = ContinuousUnits(x);
            const double free = units - static_cast<double>(range.minimum);
            const auto room = static_cast<double>(range.maximum - range.minimum);
            if (free >= room) {
                count += room;
            } else if (free > 0) {
                count += free;
                slope += roots_[h] * x / units;
            }
        }
        if (std::abs(count - wanted) <= close) break;
        (count < wanted ? low : high) = level;
        double next = slope > 0 ? level + (wanted - count) / slope : (low + high) / 2;
        if (!(next > low && next < high)) next = (low + high) / 2;
        if (next == level) break;
        level = next;
    }
    return level;
}

// n_h such that exactly the units below it have a priority of at least `threshold`.
std::int64_t Allocator::UnitsAtLeast(std::size_t stratum, long double threshold,
                                     double level) const {
    const Range range = ranges_[stratum];
    if (range.minimum == range.maximum) return range.minimum;
    const long double weight = weights_[stratum];
    const double guess = std::min(ContinuousUnits(roots_[stratum] * level) + 0.5,
                                  static_cast<double>(range.maximum));
    return FirstNotGiven(range.minimum, range.maximum, static_cast<std::int64_t>(guess),
                         [&](std::int64_t n) { return Priority(weight, n) >= threshold; });
}

// Continues the rule for `units` more units: each to the stratum whose next unit comes first.
void Allocator::Give(std::vector<std::int64_t>& n, std::int64_t units) const {
    std::vector<Unit> next;
    next.reserve(n.size());
    for (std::size_t h = 0; h < n.size(); ++h) {
        if (n[h] < ranges_[h].maximum) next.push_back({Priority(weights_[h], n[h]), h});
    }
    std::make_heap(next.begin(), next.end(), ComesLater());
    for (; units > 0; --units) {
        std::pop_heap(next.begin(), next.end(), ComesLater());
        const std::size_t h = next.back().stratum;
        next.pop_back();
        if (++n[h] < ranges_[h].maximum) {
            next.push_back({Priority(weights_[h], n[h]), h});
            std::push_heap(next.begin(), next.end(), ComesLater());
        }
    }
}

// Undoes the rule's last `units` units: each time the unit given last of all.
void Allocator::TakeBack(std::vector<std::int64_t>& n, std::int64_t units) const {
    std::vector<Unit> last;
    last.reserve(n.size());
    for (std::size_t h = 0; h < n.size(); ++h) {
        if (n[h] > ranges_[h].minimum) last.push_back({Priority(weights_[h], n[h] - 1), h});
    }
    std::make_heap(last.begin(), last.end(), ComesEarlier());
    for (; units > 0; --units) {
        std::pop_heap(last.begin(), last.end(), ComesEarlier());
        const std::size_t h = last.back().stratum;
        last.pop_back();
        if (--n[h] > ranges_[h].minimum) {
            last.push_back({Priority(weights_[h], n[h] - 1), h});
            std::push_heap(last.begin(), last.end(), ComesEarlier());
        }
    }
}

// Every unit whose priority reaches the threshold 1/μ² is given, which is a start of the rule's
// sequence, whatever μ; the continuous level only makes that start close to `total`, and Give or
// TakeBack walks the rest of the way exactly.
std::vector<std::int64_t> Allocator::At(std::int64_t total) const {
    if (total == smallest_ || total == largest_) {
        std::vector<std::int64_t> n;
        n.reserve(ranges_.size());
        for (const Range range : ranges_)
            n.push_back(total == smallest_ ? range.minimum : range.maximum);
        return n;
    }
    const double level = ContinuousLevel(total - smallest_);
    const long double threshold = level > 0 ? 1 / (static_cast<long double>(level) * level)
                                            : std::numeric_limits<long double>::infinity();
    std::vector<std::int64_t> n(ranges_.size());
    std::int64_t given = smallest_;
    for (std::size_t h = 0; h < n.size(); ++h) {
        n[h] = UnitsAtLeast(h, threshold, level);
        given += n[h] - ranges_[h].minimum;
    }
    if (given < total) Give(n, total - given);
    if (given > total) TakeBack(n, given - total);
    return n;
}

std::vector<std::int64_t> AllocateUnitByUnit(std::span<const Stratum> strata,
                                             AllocationMethod method, std::int64_t total) {
    std::vector<std::int64_t> n;
    std::vector<long double> weights;
    for (const Stratum& stratum : strata) {
        n.push_back(stratum.minimum);
        weights.push_back(WeightSquared(method, stratum));
        total -= stratum.minimum;
    }
    for (; total > 0; --total) {
        std::optional<std::size_t> best;
        long double bestPriority = 0;
        for (std::size_t h = 0; h < strata.size(); ++h) {
            if (n[h] == strata[h].maximum) continue;
            const long double priority = Priority(weights[h], n[h]);
            if (!best || priority > bestPriority) {
                best = h;
                bestPriority = priority;
            }
        }
        ++n[*best];
    }
    return n;
}

}  // namespace vek::planning
