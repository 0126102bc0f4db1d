// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window's grid as curves: one per column value against the row variable (at most
// twelve), the cell nearest the main screen marked, every label in full. Tick labels are written
// by QuantityToText, so they carry the decimal separator and no digit grouping.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

#include "planning/exploring.h"

class QCategoryAxis;
class QChart;
class QPainter;

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

// Draws a chart of its own with `draw`, lays it out at `layout` (the document's units), its fonts
// in proportion to its height, and paints it into `target`: as vectors on a vector device.
void PaintChart(QPainter& painter, const QRectF& target, const QSizeF& layout,
                const std::function<void(QChart&)>& draw);

// An axis labelled at round values from `low` to the first at or above `high`, each written by
// QuantityToText.
void ShowRoundTicks(QCategoryAxis& axis, double low, double high, char separator,
                    const QString& title);

// The least size at which the axes' longest titles are drawn whole.
QSize LeastChartSize(const QChart& chart);

}  // namespace vek::explore
