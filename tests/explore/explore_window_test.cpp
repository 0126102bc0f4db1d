// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window as a person uses it: opened from the main window's menus and shortcut,
// following the main screen, its numbers against vek-calc, "Usar como V", the exports and the
// copies.
#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "accessible_names.h"
#include "explore/explore.h"
#include "file_windows_fixture.h"
#include "planning/exploring.h"
#include "test_files.h"
#include "window_test_main.h"

using vek::Field;
using vek::testing::FileContents;

namespace {

// Chooses the entry named `text` of the menu that is about to open.
void ChooseInNextMenu(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) qFatal("no menu open");
        for (QAction* action : menu->actions()) {
            if (action->text() == text) action->trigger();
        }
        menu->close();
    });
}

QStringList RunVekCalc(const QStringList& arguments) {
    QProcess calc;
    calc.start(QStringLiteral(VEK_CALC_PATH), arguments);
    calc.waitForFinished();
    return QString::fromUtf8(calc.readAllStandardOutput()).split(u'\n');
}

}  // namespace

class ExploreWindowTest : public QObject, private FileWindowsFixture {
    Q_OBJECT

private:
    ExploreView* explore() const { return form1->exploreWindow(); }

    template <class Widget = QWidget>
    Widget* part(const char* name) const {
        auto* found = explore()->findChild<Widget*>(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no %s", name);
        return found;
    }

    QAbstractItemModel* table() const { return part<QTableView>("table")->model(); }
    QString cell(int row, int column) const {
        return table()->index(row, column).data().toString();
    }

    void open() {
        ChooseInNextMenu(QStringLiteral("Explorar y planificar…"));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                form1->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(form1.get(), &event);
        QVERIFY(explore() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(explore()));
    }

    void setText(const char* name, const QString& text) {
        auto* edit = part<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    QStringList gridArguments() const {
        return {QStringLiteral("--sweep"),
                QStringLiteral("E=") + part<QLineEdit>("rowValues")->text(),
                QStringLiteral("--sweep"),
                QStringLiteral("prob=") + part<QLineEdit>("columnValues")->text()};
    }

private slots:
    void init() { QVERIFY(openWindows()); }
    void cleanup() { closeWindows(); }

    void contextMenuOpensItBesideTheMainWindow() {
        open();
        QCOMPARE(explore()->windowTitle(), QStringLiteral("VEK: Explorar y planificar"));
        QVERIFY(!explore()->isModal());
        QCOMPARE(cell(3, 1), QStringLiteral("1068"));  // E 0,03 at 95 %, the current cell
        QCOMPARE(table()->index(3, 1).data(Qt::BackgroundRole).isValid(), true);
        QCOMPARE(table()->index(0, 0).data(Qt::BackgroundRole).isValid(), false);
        const QPoint placed = explore()->pos();
        explore()->hide();
        open();
        QCOMPARE(explore()->pos(), placed);
        // It must fit a 1024 x 768 screen with room for a title bar and a panel.
        const QSize least = explore()->minimumSizeHint();
        QVERIFY2(least.width() <= 1000 && least.height() <= 680,
                 qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
        QVERIFY(explore()->width() <= 1000 && explore()->height() <= 680);
    }

    void shortcutOpensItFromAField() {
        form1->show();
        QVERIFY(QTest::qWaitForWindowActive(form1.get()));
        form1->field(Field::E)->setFocus();
        QTest::keyClick(form1->field(Field::E), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(explore() != nullptr && explore()->isVisible());
    }

    void followsTheMainScreenAndMatchesVekCalc() {
        open();
        form1->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), form1.get());
        type(Field::E, QStringLiteral("0,02"));
        QTest::mouseClick(form1->findChild<QPushButton*>(QStringLiteral("Button1")),
                          Qt::LeftButton);
        QVERIFY2(part<QLabel>("summaryLabel")->text().startsWith(QStringLiteral("n: 2401 ")),
                 qPrintable(part<QLabel>("summaryLabel")->text()));
        setText("deffEdit", QStringLiteral("1,5"));
        setText("responseEdit", QStringLiteral("70"));
        QVERIFY(part<QLabel>("summaryLabel")
                    ->text()
                    .contains(QStringLiteral("contactos necesarios: 5146")));

        dialogs->answer(file("tabla.csv"));
        QTest::mouseClick(part<QPushButton>("exportTable"), Qt::LeftButton);
        QCOMPARE(dialogs->asked().constLast().request.title, QStringLiteral("VEK: Exportar tabla"));
        QStringList arguments;
        for (const std::string& argument :
             vek::planning::CalcArguments(*session, explore()->design()))
            arguments << QString::fromStdString(argument);
        const QStringList calc = RunVekCalc(arguments + gridArguments());
        QCOMPARE(QString::fromUtf8(FileContents(file("tabla.csv"))), calc.join(u'\n'));
        QCOMPARE(calc.size(), 1 + 7 * 3 + 1);  // E 0,01 to 0,04 by 0,005, at three confidences
    }

    void copiedCommandGivesTheScreensResult() {
        QTest::mouseClick(form1->findChild<QRadioButton*>(QStringLiteral("RadioButton2")),
                          Qt::LeftButton);
        QTest::mouseClick(form1->findChild<QRadioButton*>(QStringLiteral("RadioButton7")),
                          Qt::LeftButton);
        type(Field::prob, QStringLiteral("0,01"));
        QTest::mouseClick(form1->findChild<QPushButton*>(QStringLiteral("Button1")),
                          Qt::LeftButton);
        form1->CopyCalcCommand();
        QStringList command = QApplication::clipboard()->text().split(u' ');
        QCOMPARE(command.takeFirst(), QStringLiteral("vek-calc"));
        QVERIFY(RunVekCalc(command).contains(QStringLiteral("result ") +
                                             form1->field(Field::N)->text()));
        form1->CopyResult();
        QCOMPARE(QApplication::clipboard()->text(), form1->field(Field::N)->text());
    }

    void useAsVTypesTheVariance() {
        open();
        setText("proportionEdit", QStringLiteral("0,3"));
        QTest::mouseClick(part<QPushButton>("useAsVButton"), Qt::LeftButton);
        QCOMPARE(form1->field(Field::V)->text(), QStringLiteral("0,21"));
        QCOMPARE(session->state().PopulationVariance, vek::Quantity::FromScaled(2100));
        QTest::mouseClick(form1->findChild<QRadioButton*>(QStringLiteral("RadioButton3")),
                          Qt::LeftButton);
        QVERIFY(!part<QPushButton>("useAsVButton")->isEnabled());
        setText("proportionEdit", QStringLiteral("1,5"));
        QVERIFY(part<QLabel>("messageLabel")->text().contains(QStringLiteral("entre 0 y 1")));
    }

    void exportsAndCopies() {
        open();
        dialogs->answer(file("grafico.png"));
        QTest::mouseClick(part<QPushButton>("exportChart"), Qt::LeftButton);
        QVERIFY(FileContents(file("grafico.png")).startsWith("\x89PNG"));
        dialogs->answer(file("grafico.svg"));
        QTest::mouseClick(part<QPushButton>("exportChart"), Qt::LeftButton);
        QVERIFY(FileContents(file("grafico.svg")).contains("<svg"));

        // A failed export says so and keeps the file that was there.
        QVERIFY(vek::testing::WriteFile(file("tabla.csv"), "antes"));
        {
            vek::testing::FileSizeLimit full(2);
            if (!full.applied()) QSKIP("no file size limit here");
            dialogs->answer(file("tabla.csv"));
            QTest::mouseClick(part<QPushButton>("exportTable"), Qt::LeftButton);
        }
        QCOMPARE(FileContents(file("tabla.csv")), QByteArray("antes"));
        QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("No he podido escribir «") +
                                                      file("tabla.csv") + QStringLiteral("» ")});

        QTest::mouseClick(part<QPushButton>("copyTable"), Qt::LeftButton);
        const QStringList lines = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.at(0), QStringLiteral("E \\ prob\tprob = 0,1\tprob = 0,05\tprob = 0,01"));
        QCOMPARE(lines.at(4), QStringLiteral("0,03\t752\t1068\t1843"));
    }

    void screenReadersAreToldTheLabels() {
        open();
        QCOMPARE(vek::testing::AccessibleName(part("proportionEdit")),
                 QStringLiteral("Proporción esperada (p):"));
        QCOMPARE(vek::testing::AccessibleName(part("deffEdit")),
                 QStringLiteral("Efecto de diseño:"));
        // On Linux Qt names a choice by its current text; its label is told as a relation.
        QCOMPARE(vek::testing::AccessibleName(part("rowVariable")),
                 part<QComboBox>("rowVariable")->currentText());
        QVERIFY(
            part("chartView")->accessibleDescription().startsWith(QStringLiteral("3 curvas de ")));
    }
};

int main(int argc, char** argv) {
    return vek::testing::RunWindowTest<ExploreWindowTest>(argc, argv);
}

#include "explore_window_test.moc"
