// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window knows of the exploring and strata windows, whose code (with Qt Charts)
// lives in a plugin loaded on first use, so that start-up never pays for it.
#pragma once

#include <QWidget>
#include <QtPlugin>
#include <functional>
#include <string_view>

#include "session/screen_session.h"

namespace vek::platform {
class Dialogs;
}

// What the exploring and strata windows are given: it reads the main screen's session and never
// writes it but through `useAsV`.
struct ExploreContext {
    const vek::ScreenSession* session = nullptr;
    vek::platform::Dialogs* dialogs = nullptr;
    // Types an expected proportion's variance into the main screen's V field, as typing would.
    std::function<void(std::string_view proportion)> useAsV;
    // Opens the strata window, as the main window's "Estratos…" does.
    std::function<void()> openStrata;
};

class ExploreView : public QWidget {
public:
    using QWidget::QWidget;
    // The main screen changed: recompute everything shown.
    virtual void Refresh() = 0;
};

class ExplorePlugin {
public:
    virtual ~ExplorePlugin() = default;
    virtual ExploreView* CreateExploreView(const ExploreContext& context, QWidget* parent) = 0;
    virtual ExploreView* CreateStrataView(const ExploreContext& context, QWidget* parent) = 0;
};

#define ExplorePlugin_iid "io.github.vek.VEK.ExplorePlugin/3"
Q_DECLARE_INTERFACE(ExplorePlugin, ExplorePlugin_iid)
