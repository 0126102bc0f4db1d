// SPDX-License-Identifier: GPL-3.0-or-later
// What the exploring window shows: a grid around the screen's state, the screen recalculated
// under simple random sampling and under the design, and the vek-calc command that reproduces
// either.
#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "planning/entry.h"
#include "planning/stratified.h"
#include "planning/sweep.h"

namespace vek::planning {

// A sweep as the user edits it: the variable and its values, "FROM:TO:STEP" or "A/B/C".
struct SweepText {
    Variable variable;
    std::string values;
};

// Values around the variable's current one, for a table's axis: for V, Z, E, n and N from about
// half to twice it in a round step (1, 2 or 5 times a power of ten) that gives about ten values,
// the value itself among them; fixed lists for prob and the design.
SweepText ValuesAround(const ScreenSession& session, Variable variable);

// The rows: E (n when E is dependent) from about half to twice its value in a round step (1, 2
// or 5 times a power of ten) that gives about ten rows, the value itself among them.
SweepText DefaultRows(const ScreenSession& session);

// The columns: confidences of 90, 95 and 99 % (prob 0,1, 0,05 and 0,01) and the screen's own;
// V, half and twice V when Z is dependent.
SweepText DefaultColumns(const ScreenSession& session);

// "VAR=VALUES", as --sweep takes it.
std::string SweepArgument(const SweepText& sweep);

// Where a grid's problem lies.
enum class Axis { Rows, Columns, Both };

// The rows' and columns' sweeps read and checked together, or the first problem.
struct GridPlan {
    std::vector<Sweep> sweeps;  // rows, then columns; empty where there is a problem
    std::optional<SweepProblem> problem;
    Axis axis = Axis::Both;
};
GridPlan PlanGrid(const ScreenSession& base, const SweepText& rows, const SweepText& columns);

// One point of a grid, as the table shows it and the chart plots it.
struct GridCell {
    enum class Outcome : std::uint8_t {
        Computed,
        Failed,   // "Error de entrada" or "Mal resultado"
        Refused,  // an entry of the point was refused
    };
    Outcome outcome = Outcome::Computed;
    Quantity value;                    // the dependent variable's (Z's when Z is dependent)
    std::optional<Quantity> contacts;  // none where the result failed or does not fit
};

// The dependent variable over a grid of rows and columns, each cell a point of the two sweeps
// as vek-calc --sweep computes it. The cells keep numbers only; a point's texts are computed
// again where they are needed.
struct Grid {
    ScreenSession base;           // the screen every point starts from
    std::vector<Sweep> sweeps;    // rows, then columns
    std::vector<GridCell> cells;  // row by row
    std::int64_t nearestRow = 0;  // the cell nearest the screen's state
    std::int64_t nearestColumn = 0;

    std::int64_t rows() const { return sweeps.empty() ? 0 : sweeps[0].size(); }
    std::int64_t columns() const { return sweeps.size() < 2 ? 0 : sweeps[1].size(); }
    const GridCell& cell(std::int64_t row, std::int64_t column) const {
        return cells[static_cast<std::size_t>(row * columns() + column)];
    }
    // The value a cell plots as: the dependent variable's, or the contacts; none where the cell
    // failed.
    std::optional<Quantity> plotted(std::int64_t row, std::int64_t column, bool contacts) const;

    // The point's screen once more, and the entry refused there.
    struct Point {
        ScreenSession session;
        std::optional<Refusal> refusal;
    };
    Point PointAt(std::int64_t row, std::int64_t column) const;
    // Point `index`, row by row, as vek-calc --sweep prints it.
    ResultRow RowAt(std::int64_t index) const { return GridPoint(base, sweeps, index); }
};

// The cells of a plan without a problem, from `base`, on every core; none when `stop` was
// requested before the end. Throws InvalidFloatingPointOperation where the base's V is negative.
std::optional<Grid> ComputeGrid(const ScreenSession& base, std::vector<Sweep> sweeps,
                                std::stop_token stop = {});

// The value of a variable in the session: its field's quantity, p of the variance, or the
// design's.
std::optional<Quantity> CurrentValue(const ScreenSession& session, Variable variable);

// Everything the exploring window shows for one state of the main screen and one design: the
// screen recalculated under simple random sampling and under the design (the main screen itself
// is never recalculated behind the user's back), and the grid around the designed screen.
struct Exploration {
    ScreenSession simple;
    ScreenSession designed;
    Grid grid;
};

// None when `stop` was requested first. Throws InvalidFloatingPointOperation where V is negative.
std::optional<Exploration> Explore(const ScreenSession& screen, const Design& design,
                                   std::vector<Sweep> sweeps, std::stop_token stop = {});

// vek-calc's arguments that give the screen's result: the separator; for a finite population
// "--finite --dependent n N=…" (typing N while n is dependent is never refused); the dependent
// variable where that did not choose it; the independent fields in the order V, prob or Z, E, n;
// and the design where it is not simple random sampling's (ρ and m where it came from them).
std::vector<std::string> CalcArguments(const ScreenSession& session, const Design& design);

// vek-calc's arguments for a stratified design with the screen's Z, the strata read from stdin:
// the separator, Z or prob as above, "--strata -", the method, then the values of `request`
// that it holds, as typed.
std::vector<std::string> StrataCalcArguments(const ScreenSession& screen,
                                             const StrataRequest& request);

}  // namespace vek::planning
