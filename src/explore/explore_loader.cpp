// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/explore_loader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

QString PluginPath() {
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/" VEK_EXPLORE_INSTALLED_RELATIVE);
    return QFileInfo::exists(installed) ? installed : QStringLiteral(VEK_EXPLORE_BUILT);
}

ExplorePlugin* LoadPlugin(QString& error) {
    QPluginLoader loader(PluginPath());
    auto* plugin = qobject_cast<ExplorePlugin*>(loader.instance());
    if (plugin == nullptr) error = loader.errorString();
    return plugin;
}

}  // namespace

ExploreView* LoadExploreView(const ExploreContext& context, QWidget* parent, QString& error) {
    ExplorePlugin* plugin = LoadPlugin(error);
    return plugin != nullptr ? plugin->CreateExploreView(context, parent) : nullptr;
}

ExploreView* LoadStrataView(const ExploreContext& context, QWidget* parent, QString& error) {
    ExplorePlugin* plugin = LoadPlugin(error);
    return plugin != nullptr ? plugin->CreateStrataView(context, parent) : nullptr;
}
