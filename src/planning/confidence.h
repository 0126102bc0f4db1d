// SPDX-License-Identifier: GPL-3.0-or-later
// The confidence a document states for the screen's Z and prob. Pollsters round the two- and
// three-sigma levels to 95,5 % and 99,7 %; every other level is 100 × (1 − prob). The paragraph
// and the technical sheet both use it, so a document never says 95,45 % in one place and
// 95,5 % in another.
#pragma once

#include <string>

#include "model/state.h"

namespace vek::planning {

// "95,5 %" at Z = 2, "99,7 %" at Z = 3, otherwise 100 × (1 − prob) and " %".
std::string ConfidencePercent(const ModelState& state, char separator);

// The same, with the sigmas named where Z is 2 or 3: "95,5 % (dos sigmas)".
std::string ConfidenceLevel(const ModelState& state, char separator);

}  // namespace vek::planning
