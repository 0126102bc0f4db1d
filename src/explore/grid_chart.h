// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window's grid as curves: one per column value against the row variable (at most
// twelve), the cell nearest the main screen marked, every label in full. Tick labels are written
// by QuantityToText, so they carry the decimal separator and no digit grouping.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <vector>

#include "planning/exploring.h"

class QChart;

namespace vek::explore {

inline constexpr std::int64_t kMostCurves = 12;

struct ChartRequest {
    const planning::Grid* grid = nullptr;
    bool contacts = false;     // plot the contacts instead of the dependent variable
    bool logarithmic = false;  // a logarithmic vertical axis
};

// The columns drawn: every one up to kMostCurves, else kMostCurves spread evenly over them, the
// one nearest the main screen among them.
std::vector<std::int64_t> DrawnColumns(const planning::Grid& grid);

// Replaces what `chart` shows; returns a summary of the curves for screen readers.
QString ShowGrid(QChart& chart, const ChartRequest& request);

// The legend as rich text that wraps between entries, for a window whose chart may be too small
// for the chart's own legend: each curve's colour and name.
QString LegendText(const QChart& chart);

// Whether the drawn values span more than two orders of magnitude, so a logarithmic axis reads
// better.
bool SpansOrdersOfMagnitude(const planning::Grid& grid, bool contacts);

// The chart for a document: laid out and drawn at `size`, with its title, as PNG or SVG.
QByteArray ChartDocument(const ChartRequest& request, QSize size, bool svg);

// The least size at which the axes' longest titles are drawn whole.
QSize LeastChartSize(const QChart& chart);

}  // namespace vek::explore
