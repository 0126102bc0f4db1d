// SPDX-License-Identifier: GPL-3.0-or-later
// Strata as a user types them (a file's rows, a table's cells), checked into the strata of a
// stratified design. Whatever is refused comes back as a reason code with the offending stratum,
// column and text, so that each front end words it and can point at the cell.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/design.h"
#include "model/recalc.h"

namespace vek::planning {

// The columns of a strata table, named in a file's header as NameOf gives them: stratum, N, V,
// p, deff, cost, response_rate, min, max and n.
enum class StrataColumn : std::uint8_t {
    Name,
    N,
    V,
    p,
    deff,
    Cost,
    response_rate,
    Minimum,
    Maximum,
    n,
};
inline constexpr std::array<StrataColumn, 10> kStrataColumns = {StrataColumn::Name,
                                                                StrataColumn::N,
                                                                StrataColumn::V,
                                                                StrataColumn::p,
                                                                StrataColumn::deff,
                                                                StrataColumn::Cost,
                                                                StrataColumn::response_rate,
                                                                StrataColumn::Minimum,
                                                                StrataColumn::Maximum,
                                                                StrataColumn::n};

std::string_view NameOf(StrataColumn column);
std::optional<StrataColumn> StrataColumnNamed(std::string_view name);

// How the sample is split: the four weights, or each stratum's own n (the column n).
enum class AllocationMethod { Proportional, Equal, Neyman, Optimal, Given };

std::string_view NameOf(AllocationMethod method);  // "proportional" … "given"
std::optional<AllocationMethod> AllocationMethodNamed(std::string_view name);

// The values that fix the sample's total: exactly one of the first three, none with Given; the
// fixed cost only with a budget.
enum class DesignValue : std::uint8_t { TotalN, TargetError, Budget, FixedCost };

inline constexpr std::int64_t kMaxStrata = 100'000;
inline constexpr Quantity kUnitCost = Quantity::FromScaled(Quantity::kScale);

// Why strata or a design are refused. A file's own problems (its records, its header) are
// InputRefusals.
enum class StrataProblem {
    // The columns and the method.
    SizesWithoutGiven,  // an n column, and a method other than given
    GivenWithoutSizes,  // given, and no n column
    // The rows.
    NoStrata,
    TooManyStrata,  // stratum: the first one beyond kMaxStrata
    EmptyName,      // stratum
    RepeatedName,   // stratum, text: the name
    ReservedName,   // stratum: named "total", the name of the whole sample's row
    BothVarianceAndProportion,
    NeitherVarianceNorProportion,
    // A cell, or a design value: column or value, text: what was typed.
    Missing,     // N, or n with given, left empty
    NotANumber,  // not a number with the run's decimal separator
    Refused,     // the value's rule refuses it (V > 0, 0 < p < 1, d > 0, c > 0, 0 < r ≤ 1, …)
    NotWhole,    // N, min, max, n and the total n are whole numbers
    MinimumAboveMaximum,  // stratum, column Minimum
    MaximumAboveSize,     // stratum, column Maximum
    SizeOutsideBounds,    // stratum, column n: not within min … max
    OutOfRange,           // a value or a sum beyond a quantity's range (column or value)
    // The design.
    NoTotal,         // none of total n, target E and budget (one is needed)
    SeveralTotals,   // more than one of them
    TotalWithGiven,  // value: given evaluates the file's n, it has no total
    FixedCostWithoutBudget,
    TotalOutsideBounds,  // value TotalN, text: T; the bounds are Σ min and Σ max
    BudgetBelowMinimum,  // value Budget; the least is C0 + Σ c_h min_h
    TargetUnreachable,   // value TargetError; the maximums give a larger E
};

struct StrataRefusal {
    StrataProblem problem;
    std::optional<std::size_t> stratum = {};  // its index in the table, the first being 0
    std::optional<StrataColumn> column = {};
    std::optional<DesignValue> value = {};
    std::string text = {};  // the offending text, name or number
    // What the value must keep to: Σ min_h and Σ max_h for a total n, the least budget, the
    // smallest E that the maximums reach.
    std::optional<Quantity> least = {};
    std::optional<Quantity> most = {};

    friend bool operator==(const StrataRefusal&, const StrataRefusal&) = default;
};

// A value, or why there is none. Built implicitly from either, so that a function returns
// whichever it has.
template <class T>
class Checked {
public:
    Checked(T value) : value_(std::move(value)) {}
    Checked(StrataRefusal refusal) : refusal_(std::move(refusal)) {}

    explicit operator bool() const { return value_.has_value(); }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    const StrataRefusal& refusal() const { return *refusal_; }

private:
    std::optional<T> value_;
    std::optional<StrataRefusal> refusal_;
};

// One stratum as typed: a cell for every column, empty where none is given.
class StratumText {
public:
    std::string& operator[](StrataColumn column) { return cells_[Index(column)]; }
    const std::string& operator[](StrataColumn column) const { return cells_[Index(column)]; }

private:
    static std::size_t Index(StrataColumn column) { return static_cast<std::size_t>(column); }
    std::array<std::string, kStrataColumns.size()> cells_;
};

// A checked stratum. Whole numbers are held as counts.
struct Stratum {
    std::string name;
    std::int64_t size = 1;               // N_h
    Quantity variance;                   // V_h, typed or rounded(p(1 − p))
    std::optional<Quantity> proportion;  // p_h, where V_h came from it
    Quantity designEffect = kNoDesignEffect;
    Quantity deviation;  // S_h = rounded(√(d_h × V_h)), as the model forms it
    Quantity cost = kUnitCost;
    Quantity responseRate = kFullResponse;
    std::int64_t minimum = 1;
    std::int64_t maximum = 1;
    std::optional<std::int64_t> given;  // n_h, with the method Given
};

// The strata of a table with these columns, each cell read as the field it stands for reads it
// with `separator` as decimal separator. The method decides whether an n column belongs.
// Defaults: d 1, c 1, r 1, max N, min the lesser of 2 and max. A stratum of N = 1 is a census.
// The first refusal in table order is returned.
Checked<std::vector<Stratum>> StrataOf(std::span<const StrataColumn> columns,
                                       std::span<const StratumText> rows, char separator,
                                       AllocationMethod method);

// Every cell that its column refuses and every repeated name, row by row: what a table marks.
// A check that needs a refused cell (the bounds need N) is left out, and the columns' problems
// are StrataOf's. Only the first kMaxStrata rows are read.
std::vector<StrataRefusal> RefusedCells(std::span<const StratumText> rows, char separator,
                                        AllocationMethod method);

// A number as a spreadsheet copies it, its digits grouped by the other of '.' and ',' ("387.329"
// where `separator` is ','), without the grouping; any other text as it is.
std::string WithoutDigitGrouping(std::string_view text, char separator);

// A response rate typed as a percentage, with or without its sign ("70", "70 %"), as a strata file
// holds a percentage: "70 %". Empty stays empty.
std::string PercentRateText(std::string_view percent);

// A strata file's response rate (0,7 or "70 %") as a percentage, without its sign: "70". Text
// that is no rate stays as it is.
std::string RateAsPercent(std::string_view rate, char separator);

}  // namespace vek::planning
