// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the plugin of the exploring and strata windows on first use: installed beside the program,
// or in the build tree.
#pragma once

#include <QString>

#include "explore/explore.h"

// A new exploring window, or nullptr with `error` set when the plugin cannot be loaded.
ExploreView* LoadExploreView(const ExploreContext& context, QWidget* parent, QString& error);
// A new strata window, the same way.
ExploreView* LoadStrataView(const ExploreContext& context, QWidget* parent, QString& error);
