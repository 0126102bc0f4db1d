// SPDX-License-Identifier: GPL-3.0-or-later
// The strata window's chart: each stratum's n as a bar and its error E as a line on a second
// axis, every label written by QuantityToText.
#pragma once

#include <QString>

#include "planning/stratified.h"

class QChart;

namespace vek::explore {

// At most this many strata are drawn: the first ones.
inline constexpr std::size_t kMostBars = 100;

// Replaces what `chart` shows; returns a summary for screen readers.
QString ShowStrata(QChart& chart, const planning::StratifiedDesign& design, char separator);

// "n y E por estrato; afijación: Neyman; Z = 1,96 (confianza del 95 %)": the title of a chart for a
// document.
QString StrataChartTitle(const planning::StratifiedDesign& design, const ScreenSession& screen);

}  // namespace vek::explore
