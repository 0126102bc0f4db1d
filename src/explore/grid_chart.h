// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window's grid as curves: one per column value against the row variable, the cell
// nearest the main screen marked. Tick labels are written by QuantityToText, so they carry the
// decimal separator and no digit grouping.
#pragma once

#include <QString>

#include "planning/exploring.h"

class QChart;

struct ChartRequest {
    const vek::planning::Grid* grid = nullptr;
    vek::planning::SweepText rows;
    vek::planning::SweepText columns;
    bool contacts = false;     // plot the contacts instead of the dependent variable
    bool logarithmic = false;  // a logarithmic vertical axis
};

// Replaces what `chart` shows; returns a summary of the curves for screen readers.
QString ShowGrid(QChart& chart, const ChartRequest& request);

// Whether the plotted values span more than two orders of magnitude, so a logarithmic axis
// reads better.
bool SpansOrdersOfMagnitude(const vek::planning::Grid& grid, bool contacts);

// The Spanish name of a variable, as an axis title.
QString TitleOf(vek::planning::Variable variable);
