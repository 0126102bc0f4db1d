// SPDX-License-Identifier: GPL-3.0-or-later
// What the exploring window starts from: a grid around the screen's state, and the vek-calc
// command that reproduces the screen.
#pragma once

#include <string>
#include <vector>

#include "planning/entry.h"
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

// The dependent variable over a grid of rows and columns, each cell a point of the two sweeps
// as vek-calc --sweep computes it.
struct Grid {
    std::vector<Sweep> sweeps;     // rows, then columns
    std::vector<ResultRow> cells;  // row by row
    std::int64_t nearestRow = 0;   // the cell nearest the screen's state
    std::int64_t nearestColumn = 0;
    char separator = ',';

    std::int64_t rows() const { return sweeps.empty() ? 0 : sweeps[0].size(); }
    std::int64_t columns() const { return sweeps.size() < 2 ? 0 : sweeps[1].size(); }
    const ResultRow& cell(std::int64_t row, std::int64_t column) const {
        return cells[static_cast<std::size_t>(row * columns() + column)];
    }
    // The value a cell plots as: the dependent variable's, or the contacts; none where the cell
    // failed.
    std::optional<Quantity> plotted(std::int64_t row, std::int64_t column, bool contacts) const;
};

// The grid from `base`, or the problem with the sweeps.
struct GridResult {
    std::optional<Grid> grid;
    std::optional<SweepProblem> problem;
};
GridResult ComputeGrid(const ScreenSession& base, const SweepText& rows, const SweepText& columns);

// The value of a variable in the session: its field's quantity, or the design's.
std::optional<Quantity> CurrentValue(const ScreenSession& session, Variable variable);

// vek-calc's arguments that give the screen's result: the separator; for a finite population
// "--finite --dependent n N=…" (typing N while n is dependent is never refused); the dependent
// variable; the independent fields in the order V, prob or Z, E, n; and the design where it is
// not simple random sampling's.
std::vector<std::string> CalcArguments(const ScreenSession& session, const Design& design);

}  // namespace vek::planning
