// SPDX-License-Identifier: GPL-3.0-or-later
// A sentence or two, in Spanish, to paste into a survey protocol: what was computed and the
// result, the values and the confidence used, the population, the design effect where there is
// one, and the contacts where the response rate is below 100 %.
#pragma once

#include <string>

#include "session/screen_session.h"

namespace vek::planning {

// After "Calcula", from the session's design.
std::string ProtocolParagraph(const ScreenSession& session);

}  // namespace vek::planning
