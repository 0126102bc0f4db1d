// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vek::platform {

bool InstallQtSpanish(QCoreApplication& app, const QString& directory) {
    auto* translator = new QTranslator(&app);
    const QString from =
        directory.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : directory;
    if (!translator->load(QStringLiteral("qtbase_es"), from)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace vek::platform
