// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring and strata windows as a plugin: the main program loads it on the first
// "Explorar y planificar…" or "Estratos…", so Qt Charts is never loaded at start-up.
#include <QObject>

#include "explore/explore_window.h"
#include "explore/strata_window.h"

class ExploreWindowPlugin final : public QObject, public ExplorePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ExplorePlugin_iid)
    Q_INTERFACES(ExplorePlugin)

public:
    ExploreView* CreateExploreView(const ExploreContext& context, QWidget* parent) override {
        return new ExploreWindow(context, parent);
    }
    ExploreView* CreateStrataView(const ExploreContext& context, QWidget* parent) override {
        return new StrataWindow(context, parent);
    }
};

#include "plugin.moc"
