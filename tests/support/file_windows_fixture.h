// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, the file window and the text box wired as the program wires them, over a
// temporary folder and scripted dialogs: a fresh set for each test function.
#pragma once

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "files/vek_arc.h"
#include "files/vek_cua.h"
#include "platform/windows.h"
#include "screen/vek1.h"
#include "scripted_dialogs.h"

class FileWindowsFixture {
protected:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<vek::testing::ScriptedDialogs> dialogs;
    std::unique_ptr<vek::ScreenSession> session;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm10> form10;
    std::unique_ptr<TForm11> form11;

    // Whether the main window came up; from the test's init().
    bool openWindows() {
        dir = std::make_unique<QTemporaryDir>();
        dialogs = std::make_unique<vek::testing::ScriptedDialogs>();
        session = std::make_unique<vek::ScreenSession>();
        form1 = std::make_unique<TForm1>(*session);
        form10 = std::make_unique<TForm10>(*form1);
        form11 = std::make_unique<TForm11>();
        vek::platform::RegisterWindow(1, form1.get());
        vek::platform::RegisterWindow(10, form10.get());
        vek::platform::RegisterWindow(11, form11.get());
        vek::platform::ShowWindow(form1.get());
        const bool shown = QTest::qWaitForWindowExposed(form1.get());
        vek::ReportFileName().clear();
        return shown;
    }

    // From the test's cleanup(); the temporary folder goes last.
    void closeWindows() {
        for (int number : {1, 10, 11})
            vek::platform::RegisterWindow(number, nullptr);
        form11.reset();
        form10.reset();
        form1.reset();
        session.reset();
        dialogs.reset();
        dir.reset();
    }

    QString file(const QString& name) const { return dir->filePath(name); }
    const vek::ModelState& state() const { return session->state(); }

    // Types `text` into a field and leaves it, as a person does.
    void type(vek::Field f, const QString& text) {
        QLineEdit* edit = form1->field(f);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }

    // V, Z, E, n, N and prob as the main window shows them.
    QStringList screenTexts() const {
        QStringList texts;
        for (vek::Field f : {vek::Field::V, vek::Field::Z, vek::Field::E, vek::Field::n,
                             vek::Field::N, vek::Field::prob})
            texts << form1->field(f)->text();
        return texts;
    }
};
