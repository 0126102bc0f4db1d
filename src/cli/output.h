// SPDX-License-Identifier: GPL-3.0-or-later
// What vek-calc prints on stdout after the final calculation.
#pragma once

#include <string>

#include "session/screen_session.h"

namespace vek::cli {

// "V 0,25" … "N 10000", "dependent n", "population infinite", "result 1068", one a line; with
// the design, then "deff", "response_rate" and "contacts" (none where the result failed).
std::string SummaryLines(const ScreenSession& session, bool withDesign);

// The same as one JSON object on one line, every value a string.
std::string SummaryJson(const ScreenSession& session, bool withDesign);

}  // namespace vek::cli
