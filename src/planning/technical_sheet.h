// SPDX-License-Identifier: GPL-3.0-or-later
// The technical sheet ("ficha técnica") of a design, as Spanish and Latin-American polls publish
// it: the universe, the sample, the contacts, the design, the allocation and the sampling error,
// one "Label: text" line each, in Spanish, each ending in a line feed.
#pragma once

#include <string>

#include "planning/stratified.h"
#include "session/screen_session.h"

namespace vek::planning {

// The sampling error of a proportion in percentage points with one decimal, from the stored E:
// with e its ten-thousandths, "±" ⌊(e + 5) / 10⌋ tenths and " %" (0,0285 gives "±2,9 %").
std::string PercentagePoints(Quantity error, char separator);

// The screen after "Calcula", with its design: the n and the E it holds, the confidence of its Z
// and prob. Where the result failed, the paragraph's sentence saying so.
std::string TechnicalSheet(const ScreenSession& session);

// A stratified design with the screen's Z, and a line for each stratum.
std::string StratifiedSheet(const StratifiedDesign& design, const ScreenSession& screen);

}  // namespace vek::planning
