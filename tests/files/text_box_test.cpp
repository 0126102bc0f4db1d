// SPDX-License-Identifier: GPL-3.0-or-later
// The text box window driven like a user, offscreen: loading, editing, saving, reloading.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "files/vek_arc.h"
#include "files/vek_cua.h"
#include "platform/windows.h"
#include "scripted_dialogs.h"
#include "test_files.h"
#include "window_test_main.h"

using vek::testing::FileContents;
using vek::testing::FileSizeLimit;
using vek::testing::WriteFile;

class TForm11Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<vek::testing::ScriptedDialogs> dialogs_;
    std::unique_ptr<QWidget> mainWindow_;  // another window of the program
    std::unique_ptr<TForm11> form_;
    QString path_;

    QPlainTextEdit* box() const {
        return form_->findChild<QPlainTextEdit*>(QStringLiteral("Cuadro"));
    }
    QPushButton* button(const char* name) const {
        return form_->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString cleanTitle() const { return QStringLiteral("Archivo: ") + path_ + " (no modificado)"; }
    QString editedTitle() const { return QStringLiteral("Archivo: ") + path_; }

    void verifyClean() {
        QCOMPARE(form_->windowTitle(), cleanTitle());
        QVERIFY(!button("Button1")->isEnabled());
        QVERIFY(!button("Button4")->isEnabled());
    }
    void verifyEdited() {
        QCOMPARE(form_->windowTitle(), editedTitle());
        QVERIFY(button("Button1")->isEnabled());
        QVERIFY(button("Button4")->isEnabled());
    }

    // Activation as the window system delivers it, then the queued load.
    void activate(QWidget* window) {
        QApplication::setActiveWindow(window);
        QCoreApplication::processEvents();
    }
    void show() {
        vek::platform::ShowWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QCoreApplication::processEvents();
    }
    void typeAtEnd(const QString& text) {
        box()->setFocus();
        box()->moveCursor(QTextCursor::End);
        QTest::keyClicks(box(), text);
    }
    // What typing would do, for text the test keyboard has no keys for.
    void pasteAtEnd(const QString& text) {
        box()->moveCursor(QTextCursor::End);
        box()->insertPlainText(text);
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        dialogs_ = std::make_unique<vek::testing::ScriptedDialogs>();
        mainWindow_ = std::make_unique<QWidget>();
        vek::platform::RegisterWindow(1, mainWindow_.get());
        form_ = std::make_unique<TForm11>();
        vek::platform::RegisterWindow(11, form_.get());
        path_ = dir_->filePath(QStringLiteral("informe.vek"));
        vek::ReportFileName() = path_;
        QVERIFY(WriteFile(path_, "l\xednea 1\r\nl\xednea 2\r\n"));
    }

    void cleanup() {
        vek::platform::RegisterWindow(11, nullptr);
        vek::platform::RegisterWindow(1, nullptr);
        form_.reset();
        mainWindow_.reset();
        dialogs_.reset();
        dir_.reset();
    }

    void layoutAndTabOrder() {
        QCOMPARE(form_->size(), QSize(539, 331));
        QVERIFY(form_->windowTitle().isEmpty());
        QCOMPARE(box()->geometry(), QRect(24, 16, 489, 257));
        QCOMPARE(box()->toPlainText(), QStringLiteral("Cuadro"));
        QCOMPARE(box()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(box()->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(box()->font().pixelSize(), 13);
        const std::tuple<const char*, QRect, const char*, const char*> buttons[] = {
            {"Button1", QRect(24, 288, 75, 25), "Guardar",
             "Guarda el contenido del cuadro en el archivo especificado"},
            {"Button4", QRect(112, 288, 89, 25), "Reestablecer",
             "Recupera la información actual del archivo especificado"},
            {"Button2", QRect(216, 288, 59, 25), "Salir", "Abandona esta pantalla"},
        };
        for (const auto& [name, geometry, text, tip] : buttons) {
            QCOMPARE(button(name)->geometry(), geometry);
            QCOMPARE(button(name)->text(), QString::fromUtf8(text));
            QCOMPARE(button(name)->toolTip(), QString::fromUtf8(tip));
        }
        QVERIFY(!form_->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        show();
        typeAtEnd(QStringLiteral("x"));  // edited: both buttons enabled
        for (const char* name : {"Button1", "Button4", "Button2"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), button(name));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box());
    }

    void stateTable_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<bool>("clean");
        QTest::newRow("shown") << "" << true;
        QTest::newRow("typed") << "type" << false;
        QTest::newRow("typed and undone by hand") << "type,backspace" << false;
        QTest::newRow("saved") << "type,save" << true;
        QTest::newRow("reloaded") << "type,reload" << true;
        QTest::newRow("typed after saving") << "type,save,type" << false;
    }

    void stateTable() {
        QFETCH(QString, actions);
        QFETCH(bool, clean);
        show();
        verifyClean();
        for (const QString& action : actions.split(',', Qt::SkipEmptyParts)) {
            if (action == "type") typeAtEnd(QStringLiteral("x"));
            if (action == "backspace") QTest::keyClick(box(), Qt::Key_Backspace);
            if (action == "save") QTest::mouseClick(button("Button1"), Qt::LeftButton);
            if (action == "reload") QTest::mouseClick(button("Button4"), Qt::LeftButton);
        }
        if (clean) {
            verifyClean();
        } else {
            verifyEdited();
        }
        QVERIFY(dialogs_->messages().isEmpty());
    }

    void showsTheFileDecodedFromWindows1252() {
        show();
        QCOMPARE(box()->toPlainText(), QStringLiteral("línea 1\nlínea 2\n"));
        QCOMPARE(form_->BoxText(), QStringLiteral("línea 1\r\nlínea 2\r\n"));
    }

    void lineEnds_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("LF only") << QByteArray("a\nb\n") << QByteArray("xa\r\nb\r\n");
        QTest::newRow("CR only") << QByteArray("a\rb") << QByteArray("xa\r\nb");
        QTest::newRow("mixed") << QByteArray("a\r\n\nb\r") << QByteArray("xa\r\n\r\nb\r\n");
        QTest::newRow("no break at end") << QByteArray("a") << QByteArray("xa");
    }

    void lineEnds() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, saved);
        QVERIFY(WriteFile(path_, file));
        show();
        box()->setFocus();
        box()->moveCursor(QTextCursor::Start);
        QTest::keyClicks(box(), QStringLiteral("x"));
        QTest::mouseClick(button("Button1"), Qt::LeftButton);
        QCOMPARE(FileContents(path_), saved);
        verifyClean();
    }

    void identicalTextLeavesTheBoxUntouched() {
        show();
        box()->moveCursor(QTextCursor::End);
        const int cursor = box()->textCursor().position();
        // The same text with other line ends: equal once normalised.
        QVERIFY(WriteFile(path_, "l\xednea 1\nl\xednea 2\r"));
        QSignalSpy changes(box(), &QPlainTextEdit::textChanged);
        QTest::mouseClick(button("Button4"), Qt::LeftButton);  // disabled: nothing happens
        activate(mainWindow_.get());
        activate(form_.get());
        QCOMPARE(changes.count(), 0);
        QCOMPARE(box()->textCursor().position(), cursor);
        verifyClean();
    }

    void emptyBoxWritesAnEmptyFile() {
        show();
        box()->selectAll();
        QTest::keyClick(box(), Qt::Key_Delete);
        verifyEdited();
        QTest::mouseClick(button("Button1"), Qt::LeftButton);
        QCOMPARE(QFileInfo(path_).size(), 0);
        verifyClean();
    }

    void reloadDiscardsTheEdit() {
        show();
        typeAtEnd(QStringLiteral("cambio"));
        QTest::mouseClick(button("Button4"), Qt::LeftButton);
        QCOMPARE(form_->BoxText(), QStringLiteral("línea 1\r\nlínea 2\r\n"));
        verifyClean();
    }

    void activation_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("reloads");
        QTest::newRow("another window of the program") << "program" << true;
        QTest::newRow("its own error box") << "box" << false;
        QTest::newRow("another program") << "outside" << false;
    }

    // Editing, leaving and coming back: only a window of the program hands over a reload.
    void activation() {
        QFETCH(QString, from);
        QFETCH(bool, reloads);
        QWidget errorBox;  // a modal box: a top-level window that is not one of Form1 … Form12
        show();
        typeAtEnd(QStringLiteral("cambio"));
        if (from == "program") activate(mainWindow_.get());
        if (from == "box") {
            errorBox.show();
            activate(&errorBox);
        }
        if (from == "outside") activate(nullptr);
        activate(form_.get());
        QCOMPARE(form_->BoxText().endsWith(QStringLiteral("cambio")), !reloads);
        if (reloads) {
            verifyClean();
        } else {
            verifyEdited();
        }
    }

    // The first showing with no report: the error is reported once and nothing else changes.
    void failedLoadKeepsTheBoxAndState() {
        vek::ReportFileName() = dir_->filePath(QStringLiteral("no-existe.vek"));
        show();
        QTRY_COMPARE(dialogs_->messages().size(), 1);
        QCOMPARE(dialogs_->messages().constFirst().caption, QStringLiteral("VEK"));
        QCOMPARE(dialogs_->messageTexts(), QStringList{QStringLiteral("Cannot open file ") +
                                                       vek::ReportFileName() + QLatin1Char('.')});
        QCOMPARE(box()->toPlainText(), QStringLiteral("Cuadro"));
        QVERIFY(form_->windowTitle().isEmpty());
        QVERIFY(button("Button1")->isEnabled());
        QVERIFY(button("Button4")->isEnabled());
        QWidget errorBox;
        errorBox.show();
        activate(&errorBox);
        activate(form_.get());
        QCOMPARE(dialogs_->messages().size(), 1);
    }

    void emptyNameCannotBeOpened() {
        vek::ReportFileName().clear();
        show();
        QTRY_COMPARE(dialogs_->messageTexts(), QStringList{QStringLiteral("Cannot open file ")});
    }

    void failedSaveKeepsEdited_data() {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder removed") << "folder"
                                        << "Cannot create file %1.";
        QTest::newRow("read-only file") << "readonly"
                                        << "Cannot create file %1.";
        QTest::newRow("full disk") << "full"
                                   << "Stream write error.";
    }

    void failedSaveKeepsEdited() {
        QFETCH(QString, cause);
        QFETCH(QString, message);
        if (cause == "readonly" && geteuid() == 0) QSKIP("root writes any file");
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("sub")));
        path_ = dir_->filePath(QStringLiteral("sub/informe.vek"));
        vek::ReportFileName() = path_;
        QVERIFY(WriteFile(path_, "previo\r\n"));
        show();
        pasteAtEnd(QString(8192, QLatin1Char('z')));
        if (cause == "folder")
            QVERIFY(QDir(dir_->filePath(QStringLiteral("sub"))).removeRecursively());
        if (cause == "readonly") QFile::setPermissions(path_, QFile::ReadOwner);
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (cause == "full") limit = std::make_unique<FileSizeLimit>(1024);
            QTest::mouseClick(button("Button1"), Qt::LeftButton);
        }
        QCOMPARE(dialogs_->messageTexts(),
                 QStringList{QString(message).replace(QStringLiteral("%1"), path_)});
        verifyEdited();
        if (cause != "folder") QCOMPARE(FileContents(path_), QByteArray("previo\r\n"));
    }

    void missingCharactersAreSavedAsQuestionMarksAndToldOnce() {
        show();
        pasteAtEnd(QStringLiteral("中文 €"));
        QTest::mouseClick(button("Button1"), Qt::LeftButton);
        QCOMPARE(FileContents(path_), QByteArray("l\xednea 1\r\nl\xednea 2\r\n?? \x80"));
        QCOMPARE(dialogs_->messages().size(), 1);
        QCOMPARE(dialogs_->messages().constFirst().icon, vek::platform::MessageIcon::Warning);
        verifyClean();
    }

    void salirHidesAndTheNextShowingReloads() {
        show();
        typeAtEnd(QStringLiteral("cambio"));
        QTest::mouseClick(button("Button2"), Qt::LeftButton);
        QVERIFY(!form_->isVisible());
        show();
        QCOMPARE(form_->BoxText(), QStringLiteral("línea 1\r\nlínea 2\r\n"));
        verifyClean();
    }
};

int main(int argc, char** argv) {
    return vek::testing::RunWindowTest<TForm11Test>(argc, argv);
}

#include "text_box_test.moc"
