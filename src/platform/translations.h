// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts (file dialogs, context menus, message box buttons) in Spanish, like the rest
// of the program, whatever the user's locale.
#pragma once

#include <QString>

class QCoreApplication;

namespace vek::platform {

// Installs Qt's Spanish translation from `directory` (Qt's own translations when empty) into
// `app`; false, leaving Qt's English, when the translation file is missing or unreadable.
bool InstallQtSpanish(QCoreApplication& app, const QString& directory = {});

}  // namespace vek::platform
