// SPDX-License-Identifier: GPL-3.0-or-later
// vek-calc --strata: the strata file read and planned in planning, the design printed, and
// every refusal worded in English.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "cli/arguments.h"
#include "planning/strata.h"
#include "session/screen_session.h"

namespace vek::cli {

// Reads the strata from `in`, plans the design with the screen's Z and writes it on `out`: CSV,
// one JSON object a line, or the paragraph. Throws UsageError for whatever is refused, before
// writing anything.
void WriteStrata(const Invocation& invocation, const ScreenSession& screen, std::FILE* in,
                 std::FILE* out);

// "line N: …" where the refusal is a stratum's (`lines` gives each stratum's record number),
// the option and its value where it is the total's.
std::string StrataRefusalText(const planning::StrataRefusal& refusal,
                              std::span<const std::int64_t> lines, char separator);

}  // namespace vek::cli
