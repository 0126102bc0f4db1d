// SPDX-License-Identifier: GPL-3.0-or-later
// A sentence or two, in Spanish, to paste into a survey protocol: what was computed and the
// result, the values and the confidence used, the population, and the design where given.
#pragma once

#include <string>

#include "session/screen_session.h"

namespace vek::planning {

// After "Calcula". `withDesign` adds the design effect, the response rate and the contacts.
std::string ProtocolParagraph(const ScreenSession& session, bool withDesign);

}  // namespace vek::planning
