// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window's words: planning's variables, refusals and grid problems in Spanish.
#pragma once

#include <QString>

#include "planning/exploring.h"

namespace vek::explore {

// The Spanish name of a variable, as a list entry and an axis title: "Error de precisión (E)".
QString TitleOf(planning::Variable variable);

// A value of an axis as the table's headings and the chart's legend show it: "95 %" for prob (the
// confidence), "tasa 70 %" for a response rate, "d = 1,5", "E = 0,03" for the others.
QString ValueLabel(planning::Variable variable, Quantity value, char separator);

// "La tasa de respuesta «150» debe ser mayor que 0 % y no pasar del 100 %." The window's response
// rate is a percentage; a rate refused elsewhere (a grid's cell) is a fraction.
QString Refused(const planning::Refusal& refusal, char separator, bool ratePercent = false);

// "Filas: el paso debe ser mayor que 0."
QString GridProblem(const planning::SweepProblem& problem, planning::Axis axis, char separator);

// "n según E y la confianza; población finita de 50000; efecto de diseño 1,8": what a chart for a
// document is of, and under which design.
QString ChartTitle(const planning::Grid& grid, bool contacts);

}  // namespace vek::explore
