// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's actions carried out on the screen session, as the screen carries them out.
#pragma once

#include <string>
#include <vector>

#include "cli/arguments.h"
#include "session/screen_session.h"

namespace vek::cli {

// The run's design effect and response rate; throws UsageError for a value they refuse.
void ApplyDesign(ScreenSession& session, const DesignOptions& design);

// Throws UsageError for an action the screen would not allow, and lets
// InvalidFloatingPointOperation through. Corrections of Z and prob go to `warnings`.
void Apply(ScreenSession& session, const Action& action, std::vector<std::string>& warnings);

// Writes the report of the session's screen to `path` ("-": stdout), as "Generar" does. Throws
// UsageError when it cannot be written.
void WriteReport(const ScreenSession& session, const std::string& path);

}  // namespace vek::cli
