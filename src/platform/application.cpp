// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/application.h"

#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/translations.h"

namespace vek::platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    WaitForFontConfiguration();
    setApplicationName(QStringLiteral("vek"));
    InstallFontSubstitutions();
    InstallQtSpanish(*this);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    Guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace vek::platform
