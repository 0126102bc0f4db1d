// SPDX-License-Identifier: GPL-3.0-or-later
// A sentence or two, in Spanish, to paste into a survey protocol: what was computed and the
// result, the values and the confidence used, the population, the design effect where there is
// one, and the contacts where the response rate is below 100 %; or how a stratified sample is
// split.
#pragma once

#include <string>

#include "planning/stratified.h"
#include "session/screen_session.h"

namespace vek::planning {

// "proporcional", "uniforme", "de Neyman", "óptima con costes" or "fijada".
std::string AllocationWords(AllocationMethod method);

// What could not be computed, and the result's text: "No se ha podido calcular …".
std::string FailureSentence(const ScreenSession& session);

// After "Calcula", from the session's design.
std::string ProtocolParagraph(const ScreenSession& session);

// The stratified design's paragraph: the total, the strata and the method, the confidence (the
// screen's, worded as above) and the whole sample's error; the contacts where some response rate
// is below 1; the cost against the budget where one fixed the total.
std::string StratifiedParagraph(const StratifiedDesign& design, const ScreenSession& screen);

}  // namespace vek::planning
