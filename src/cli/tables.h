// SPDX-License-Identifier: GPL-3.0-or-later
// Sweeps and batches: many result rows from one screen session, computed on every core and
// written in their order, as CSV in the separator's dialect or as JSON.
#pragma once

#include <cstdio>
#include <span>
#include <string>

#include "planning/sweep.h"
#include "session/screen_session.h"

namespace vek::cli {

enum class TableFormat {
    Csv,        // a header row, then one line a row
    JsonArray,  // one JSON array of objects
    JsonLines,  // one JSON object a line
};

// Every point of the grid from `base` (the state after the actions, before the final
// "Calcula"). Returns whether any row failed.
bool WriteSweeps(const ScreenSession& base, std::span<const planning::Sweep> sweeps,
                 TableFormat format, std::FILE* out);

// One row for each record of the CSV in `in` after its header, each from `base`. Throws
// UsageError for a header or record it refuses. Returns whether any row failed.
bool WriteBatch(const ScreenSession& base, std::FILE* in, TableFormat format, std::FILE* out);

}  // namespace vek::cli
