// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window's words: planning's variables, refusals and grid problems in Spanish.
#pragma once

#include <QString>

#include "planning/exploring.h"
#include "planning/input_refusal.h"
#include "planning/strata.h"

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

// The strata window's words for the methods ("Proporcional" … "Fijada"), the columns
// ("Estrato" … "n fijada") and the values that fix the total ("Tamaño total n" … "Coste fijo").
QString MethodTitle(planning::AllocationMethod method);
QString ColumnTitle(planning::StrataColumn column);
QString ValueTitle(planning::DesignValue value);

// Why a cell or a design value is refused: "«abc» no es un número (separador decimal «,»)." The
// response rate is the window's, a percentage.
QString StrataRefused(const planning::StrataRefusal& refusal, char separator);

// Where the refusal is and why, to mend it: "Corrija la celda N de la fila 3: …".
QString StrataToMend(const planning::StrataRefusal& refusal, char separator);

// Why strata pasted or read from a file are refused: "Línea 2: hay una columna desconocida
// «Zona»."
QString InputRefused(const planning::InputRefusal& refusal);

// "Z = 1,96 (confianza del 95 %)": the screen's distance and the confidence a document states
// for it.
QString DistanceAndConfidence(const ScreenSession& screen);

}  // namespace vek::explore
