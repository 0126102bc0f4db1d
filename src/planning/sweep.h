// SPDX-License-Identifier: GPL-3.0-or-later
// Sweeps: one or two variables over a grid of values, each point entered into the screen as
// vek-calc's NAME=VALUE would be, then "Calcula".
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "planning/entry.h"
#include "planning/table.h"

namespace vek::planning {

inline constexpr std::int64_t kMaxSweepPoints = 1'000'000;

// FROM:TO:STEP (TO included when the steps reach it exactly) or A/B/C, in the order given; a
// single value is a list of one.
class Sweep {
public:
    static Sweep Range(Variable variable, Quantity from, Quantity step, std::int64_t count);
    static Sweep List(Variable variable, std::vector<Quantity> values);

    Variable variable() const { return variable_; }
    std::int64_t size() const { return count_; }
    Quantity at(std::int64_t index) const;

private:
    Variable variable_ = Variable::E;
    Quantity from_;
    Quantity step_;
    std::int64_t count_ = 0;
    std::vector<Quantity> values_;  // a list; empty for a range
};

// What is wrong with a sweep or a grid of them.
enum class SweepFault {
    NotASweep,           // not VAR=VALUES with a variable that can be swept
    NotANumber,          // a value is not a number with the decimal separator
    NotARange,           // a range has not three parts
    StepNotPositive,     // STEP ≤ 0
    ToBelowFrom,         // TO < FROM
    TooManyPoints,       // more than kMaxSweepPoints
    SweptTwice,          // the same variable on both axes
    ZWithProb,           // Z and prob are one pair
    PWithV,              // p sets V
    Dependent,           // the variable's field is the dependent variable
    InfinitePopulation,  // N while the population is infinite
};

// The fault, the variable it concerns where there is one, and the text at fault: the whole
// argument (NotASweep) or the value (NotANumber).
struct SweepProblem {
    SweepFault fault = SweepFault::NotASweep;
    std::optional<Variable> variable;
    std::string text;
    friend bool operator==(const SweepProblem&, const SweepProblem&) = default;
};

// "VAR=FROM:TO:STEP", "VAR=A/B/…" or "VAR=A" with `separator` as decimal separator; the
// problem otherwise.
struct ParsedSweep {
    std::optional<Sweep> sweep;
    std::optional<SweepProblem> problem;
};
ParsedSweep ParseSweep(std::string_view argument, char separator);

// Why the sweeps cannot run from `base`: a variable swept twice, Z with prob, p with V, a
// dependent variable, N with an infinite population, more than kMaxSweepPoints points.
std::optional<SweepProblem> GridProblem(const ScreenSession& base, std::span<const Sweep> sweeps);

// The number of points: the product of the sweeps' sizes.
std::int64_t GridSize(std::span<const Sweep> sweeps);

// Point `index` of the grid (the first sweep varying slowest) on `session`, a copy of the base:
// each sweep's value entered, then "Calcula"; an entry that fails ends it there, and is returned.
std::optional<Refusal> EnterPoint(ScreenSession& session, std::span<const Sweep> sweeps,
                                  std::int64_t index);

// The row of point `index`, numbered `index + 1`, from `base`.
ResultRow GridPoint(const ScreenSession& base, std::span<const Sweep> sweeps, std::int64_t index);

}  // namespace vek::planning
