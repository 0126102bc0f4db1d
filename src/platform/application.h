// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: Qt's, with the error report as the last net for exceptions that
// escape an event handler.
#pragma once

#include <QApplication>

namespace vek::platform {

class Application final : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace vek::platform
