// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: Qt's, with the error report as the last net for exceptions that
// escape an event handler. The font configuration is read while Qt starts (a base listed first
// is built first).
#pragma once

#include <QApplication>

#include "platform/fonts.h"

namespace vek::platform {

class Application final : private FontConfigurationReader, public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace vek::platform
