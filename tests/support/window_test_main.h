// SPDX-License-Identifier: GPL-3.0-or-later
// The main of a window test: Spanish regional settings, whose comma the field texts use (never
// the machine's), the program's font substitutions and Qt's Spanish, as the program starts.
#pragma once

#include <QApplication>
#include <QTest>

#include "platform/fonts.h"
#include "platform/translations.h"

namespace vek::testing {

template <typename Test>
int RunWindowTest(int argc, char** argv) {
    qputenv("LC_ALL", "es_ES.UTF-8");
    QApplication app(argc, argv);
    vek::platform::InstallFontSubstitutions();
    vek::platform::InstallQtSpanish(app);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace vek::testing
