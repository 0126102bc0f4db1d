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

// FROM:TO:STEP (TO included when the steps reach it exactly) or A/B/C, in the order given.
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

// "VAR=FROM:TO:STEP" or "VAR=A/B/…" with `separator` as decimal separator; the problem in
// vek-calc's words otherwise.
struct ParsedSweep {
    std::optional<Sweep> sweep;
    std::string problem;
};
ParsedSweep ParseSweep(std::string_view argument, char separator);

// Why the sweeps cannot run from `base`: a variable swept twice, Z with prob, p with V, a
// dependent variable, N with an infinite population, more than kMaxSweepPoints points.
std::optional<std::string> GridProblem(const ScreenSession& base, std::span<const Sweep> sweeps);

// The number of points: the product of the sweeps' sizes.
std::int64_t GridSize(std::span<const Sweep> sweeps);

// Point `index` of the grid (the first sweep varying slowest), numbered `index + 1`: from `base`,
// each sweep's value entered, then "Calcula"; an entry that fails ends the row there.
ResultRow GridPoint(const ScreenSession& base, std::span<const Sweep> sweeps, std::int64_t index);

}  // namespace vek::planning
