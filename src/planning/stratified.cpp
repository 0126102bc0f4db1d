// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/stratified.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "planning/allocation.h"

namespace vek::planning {

namespace {

constexpr Quantity kZero = Quantity::FromScaled(0);

// A sum of scaled quantities that must stay within a quantity's range.
class ScaledSum {
public:
    explicit ScaledSum(std::int64_t start = 0) : sum_(start) {}

    // Adds units × amount (a scaled quantity).
    void Add(Quantity amount, std::int64_t units = 1) {
        std::int64_t product = 0;
        overflowed_ = overflowed_ || __builtin_mul_overflow(amount.scaled(), units, &product) ||
                      __builtin_add_overflow(sum_, product, &sum_);
    }
    std::optional<Quantity> Total() const {
        if (overflowed_) return std::nullopt;
        return Quantity::FromScaled(sum_);
    }

private:
    std::int64_t sum_;
    bool overflowed_ = false;
};

Quantity Whole(std::int64_t units) {
    return Quantity::FromScaled(units * Quantity::kScale);
}

// E for one stratum, as the main screen computes it with E dependent and a finite population.
Quantity StratumError(const Stratum& stratum, std::int64_t n, Quantity distance) {
    if (n == stratum.size) return kZero;
    ModelState state;
    state.PopulationVariance = stratum.variance;
    state.StandardDistance = distance;
    state.SampleSize = Whole(n);
    state.PopulationSize = Whole(stratum.size);
    state.DependentVariable = CodeOf(Field::E);
    // 1 ≤ n < N and N ≥ 2: no step can fail.
    return PrecisionErrorShown(state, Population::Finite, stratum.designEffect).value();
}

// C0 + Σ c_h n_h; none beyond a quantity's range.
std::optional<Quantity> CostOf(std::span<const Stratum> strata, std::span<const std::int64_t> n,
                               Quantity fixedCost) {
    ScaledSum cost(fixedCost.scaled());
    for (std::size_t h = 0; h < strata.size(); ++h)
        cost.Add(strata[h].cost, n[h]);
    return cost.Total();
}

StrataRefusal Refused(StrataProblem problem, DesignValue value, std::string text = {}) {
    return {.problem = problem, .value = value, .text = std::move(text)};
}

// The request's values, read; the design fixed by exactly one of them.
struct Request {
    DesignValue fixedBy = DesignValue::TotalN;
    std::optional<Quantity> amount;  // T, E or C
    Quantity fixedCost;
};

Checked<Quantity> Amount(const std::string& text, DesignValue value, char separator) {
    const std::optional<Quantity> read = QuantityFromText(text, separator);
    if (!read) return Refused(StrataProblem::NotANumber, value, text);
    return *read;
}

Checked<Request> ReadRequest(const StrataRequest& request, const ScreenSession& screen) {
    if (auto problem = StrataRequestProblem(request)) return *problem;
    const char separator = screen.separator();
    Request read;
    if (request.totalN) {
        const Checked<Quantity> total = Amount(*request.totalN, DesignValue::TotalN, separator);
        if (!total) return total.refusal();
        if (total->scaled() % Quantity::kScale != 0) {
            return Refused(StrataProblem::NotWhole, DesignValue::TotalN, *request.totalN);
        }
        read.amount = *total;
    } else if (request.targetError) {
        // As the E field reads it.
        ScreenSession scratch(separator);
        const EntryOutcome outcome = scratch.LeaveField(Field::E, *request.targetError);
        if (outcome != EntryOutcome::Accepted) {
            return Refused(outcome == EntryOutcome::NotANumber ? StrataProblem::NotANumber
                                                               : StrataProblem::Refused,
                           DesignValue::TargetError, *request.targetError);
        }
        read.fixedBy = DesignValue::TargetError;
        read.amount = scratch.state().PrecisionError;
    } else if (request.budget) {
        const Checked<Quantity> budget = Amount(*request.budget, DesignValue::Budget, separator);
        if (!budget) return budget.refusal();
        read.fixedBy = DesignValue::Budget;
        read.amount = *budget;
    }
    if (request.fixedCost) {
        const Checked<Quantity> fixed =
            Amount(*request.fixedCost, DesignValue::FixedCost, separator);
        if (!fixed) return fixed.refusal();
        if (*fixed < kZero) {
            return Refused(StrataProblem::Refused, DesignValue::FixedCost, *request.fixedCost);
        }
        read.fixedCost = *fixed;
    }
    return read;
}

// The variance of the stratified mean for any allocation of the same strata, each stratum's
// W_h² S_h² formed once.
class Spread {
public:
    explicit Spread(std::span<const Stratum> strata) : strata_(strata) {
        long double population = 0;
        for (const Stratum& stratum : strata)
            population += static_cast<long double>(stratum.size);
        spreads_.reserve(strata.size());
        for (const Stratum& stratum : strata) {
            const long double weight = static_cast<long double>(stratum.size) / population;
            const long double S = stratum.deviation.value();
            spreads_.push_back(weight * weight * S * S);
        }
    }

    // Σ W_h² S_h² (N_h − n_h) / ((N_h − 1) n_h), a census stratum adding 0.
    long double Variance(std::span<const std::int64_t> n) const {
        long double sum = 0;
        for (std::size_t h = 0; h < strata_.size(); ++h) {
            const std::int64_t size = strata_[h].size;
            if (n[h] == size) continue;
            const auto N = static_cast<long double>(size);
            const auto units = static_cast<long double>(n[h]);
            sum += spreads_[h] * (N - units) / ((N - 1) * units);
        }
        return sum;
    }

    // Σ W_h² S_h² / (N_h − 1): what the finite population takes off the variance.
    long double FinitePart() const {
        long double sum = 0;
        for (std::size_t h = 0; h < strata_.size(); ++h) {
            if (strata_[h].size > 1)
                sum += spreads_[h] / static_cast<long double>(strata_[h].size - 1);
        }
        return sum;
    }

    // E_st from the variance; a single stratum's is the screen's E.
    Quantity Error(std::span<const std::int64_t> n, Quantity distance,
                   std::optional<long double> variance = std::nullopt) const {
        if (strata_.size() == 1) return StratumError(strata_.front(), n.front(), distance);
        return Rounded(distance.value() * std::sqrt(variance.value_or(Variance(n))));
    }

private:
    std::span<const Stratum> strata_;
    std::vector<long double> spreads_;
};

StrataRefusal SumOutOfRange(StrataColumn column) {
    return {.problem = StrataProblem::OutOfRange, .column = column};
}

Checked<std::vector<std::int64_t>> Allocate(const std::vector<Stratum>& strata,
                                            const StrataRequest& typed, const Request& request,
                                            Quantity distance) {
    if (typed.method == AllocationMethod::Given) {
        std::vector<std::int64_t> n;
        n.reserve(strata.size());
        for (const Stratum& stratum : strata)
            n.push_back(*stratum.given);
        return n;
    }
    const Allocator allocator(strata, typed.method);
    switch (request.fixedBy) {
        case DesignValue::TotalN: {
            const std::int64_t total = request.amount->scaled() / Quantity::kScale;
            if (total < allocator.smallest() || total > allocator.largest()) {
                StrataRefusal refusal =
                    Refused(StrataProblem::TotalOutsideBounds, DesignValue::TotalN, *typed.totalN);
                refusal.least = Whole(allocator.smallest());
                refusal.most = Whole(allocator.largest());
                return refusal;
            }
            return allocator.At(total);
        }
        case DesignValue::TargetError: {
            // Aimed at where the unrounded error crosses the half unit above the target. The
            // variance is Σ W_h² S_h² N_h / ((N_h − 1) n_h) − F, F its finite-population part:
            // 1 / (variance + F), about proportional to the total, is what the gap measures.
            const long double bound = request.amount->value() + 0.5L / Quantity::kScale;
            const long double z = distance.value();
            const Spread spread(strata);
            const long double finite = spread.FinitePart();
            const long double aim = 1 / (bound * bound + z * z * finite);
            const auto total = allocator.FirstTotal([&](const std::vector<std::int64_t>& n) {
                const long double variance = spread.Variance(n);
                return Allocator::Reach{spread.Error(n, distance, variance) <= *request.amount,
                                        1 / (z * z * (variance + finite)) - aim};
            });
            if (!total) {
                StrataRefusal refusal = Refused(StrataProblem::TargetUnreachable,
                                                DesignValue::TargetError, *typed.targetError);
                refusal.least =
                    StratifiedError(strata, allocator.At(allocator.largest()), distance);
                return refusal;
            }
            return allocator.At(*total);
        }
        case DesignValue::Budget:
        case DesignValue::FixedCost:
            break;
    }
    // The walk stops at the first unit that does not fit: one before the first total over it.
    const auto over = [&](const std::vector<std::int64_t>& n) {
        const std::optional<Quantity> cost = CostOf(strata, n, request.fixedCost);
        if (!cost) return Allocator::Reach{true, std::numeric_limits<long double>::max()};
        return Allocator::Reach{*cost > *request.amount, cost->value() - request.amount->value()};
    };
    const std::vector<std::int64_t> minimums = allocator.At(allocator.smallest());
    if (over(minimums).reached) {
        const std::optional<Quantity> least = CostOf(strata, minimums, request.fixedCost);
        if (!least) return SumOutOfRange(StrataColumn::Cost);
        StrataRefusal refusal =
            Refused(StrataProblem::BudgetBelowMinimum, DesignValue::Budget, *typed.budget);
        refusal.least = least;
        return refusal;
    }
    return allocator.At(allocator.FirstTotal(over).value_or(allocator.largest() + 1) - 1);
}

}  // namespace

std::optional<StrataRefusal> StrataRequestProblem(const StrataRequest& request) {
    const std::array<std::pair<DesignValue, bool>, 3> totals = {{
        {DesignValue::TotalN, request.totalN.has_value()},
        {DesignValue::TargetError, request.targetError.has_value()},
        {DesignValue::Budget, request.budget.has_value()},
    }};
    const auto given =
        std::find_if(totals.begin(), totals.end(), [](const auto& total) { return total.second; });
    const auto count =
        std::count_if(totals.begin(), totals.end(), [](const auto& total) { return total.second; });
    if (request.method == AllocationMethod::Given && count > 0) {
        return Refused(StrataProblem::TotalWithGiven, given->first);
    }
    if (request.method != AllocationMethod::Given && count == 0) {
        return StrataRefusal{.problem = StrataProblem::NoTotal};
    }
    if (count > 1) return StrataRefusal{.problem = StrataProblem::SeveralTotals};
    if (request.fixedCost && !request.budget) {
        return Refused(StrataProblem::FixedCostWithoutBudget, DesignValue::FixedCost);
    }
    return std::nullopt;
}

bool StratifiedDesign::ExpectsNonResponse() const {
    return std::any_of(strata.begin(), strata.end(),
                       [](const Stratum& stratum) { return stratum.responseRate < kFullResponse; });
}

long double StratifiedVariance(std::span<const Stratum> strata, std::span<const std::int64_t> n) {
    return Spread(strata).Variance(n);
}

Quantity StratifiedError(std::span<const Stratum> strata, std::span<const std::int64_t> n,
                         Quantity distance) {
    return Spread(strata).Error(n, distance);
}

Checked<StratifiedDesign> PlanStrata(std::vector<Stratum> strata, const StrataRequest& request,
                                     const ScreenSession& screen) {
    const Checked<Request> read = ReadRequest(request, screen);
    if (!read) return read.refusal();
    const Quantity distance = screen.state().StandardDistance;
    const Checked<std::vector<std::int64_t>> n = Allocate(strata, request, *read, distance);
    if (!n) return n.refusal();

    StratifiedDesign design;
    design.method = request.method;
    design.fixedBy = read->fixedBy;
    design.fixedCost = read->fixedCost;
    for (std::size_t h = 0; h < strata.size(); ++h) {
        design.size += strata[h].size;
        design.minimum += strata[h].minimum;
        design.maximum += strata[h].maximum;
        design.total += (*n)[h];
    }
    ScaledSum contacts;
    for (std::size_t h = 0; h < strata.size(); ++h) {
        const Stratum& stratum = strata[h];
        const std::int64_t units = (*n)[h];
        StratumResult result;
        result.n = units;
        result.share = Rounded(static_cast<long double>(units) / design.total);
        result.error = StratumError(stratum, units, distance);
        const std::optional<Quantity> reached = ContactsNeeded(Whole(units), stratum.responseRate);
        if (!reached) return SumOutOfRange(StrataColumn::response_rate);
        result.contacts = *reached;
        contacts.Add(*reached);
        ScaledSum cost;
        cost.Add(stratum.cost, units);
        if (!cost.Total()) return SumOutOfRange(StrataColumn::Cost);
        result.cost = *cost.Total();
        design.results.push_back(result);
    }
    if (!contacts.Total()) return SumOutOfRange(StrataColumn::response_rate);
    design.contacts = *contacts.Total();
    const std::optional<Quantity> cost = CostOf(strata, *n, design.fixedCost);
    if (!cost) return SumOutOfRange(StrataColumn::Cost);
    design.cost = *cost;
    if (read->fixedBy == DesignValue::Budget) {
        design.budget = read->amount;
        design.unspent = Quantity::FromScaled(read->amount->scaled() - cost->scaled());
    }
    design.error = StratifiedError(strata, *n, distance);
    design.strata = std::move(strata);
    return design;
}

}  // namespace vek::planning
