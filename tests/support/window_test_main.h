// The main of a window test: Spanish regional settings, whose comma the field texts use (never
// the machine's), and the program's font substitutions, as the program itself starts.
#pragma once

#include <QApplication>
#include <QTest>

#include "platform/fonts.h"

namespace vek::testing {

template <typename Test>
int RunWindowTest(int argc, char** argv) {
    qputenv("LC_ALL", "es_ES.UTF-8");
    QApplication app(argc, argv);
    vek::platform::InstallFontSubstitutions();
    Test test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace vek::testing
