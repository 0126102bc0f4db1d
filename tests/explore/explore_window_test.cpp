// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window as a person uses it: opened from the main window's menus and shortcut,
// following the main screen, its numbers against vek-calc, "Usar como V", the exports and the
// copies.
#include <QAbstractItemModel>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include "accessible_names.h"
#include "explore/explore.h"
#include "explore/grid_chart.h"
#include "file_windows_fixture.h"
#include "planning/exploring.h"
#include "test_files.h"
#include "window_parts.h"
#include "window_test_main.h"

using vek::Field;
using vek::testing::ChooseInNextMenu;
using vek::testing::FileContents;

namespace {

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
        return vek::testing::PartOf<Widget>(explore(), name);
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
        QVERIFY2(explore() != nullptr, qPrintable(dialogs->messageTexts().join(u'|')));
        QVERIFY(QTest::qWaitForWindowExposed(explore()));
        settle();
    }

    void setText(const char* name, const QString& text) {
        auto* edit = part<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        settle();
    }

    // The grid is computed off the user-interface thread: waits until what it shows is current.
    static void settle() {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }

    // Chooses an axis variable from its list, as a click on the entry does.
    void choose(const char* name, const QString& title) {
        auto* choice = part<QComboBox>(name);
        const int index = choice->findText(title);
        QVERIFY2(index >= 0, qPrintable(title));
        choice->setCurrentIndex(index);
        emit choice->activated(index);
        settle();
    }

    QStringList choices(const char* name) const {
        QStringList titles;
        auto* choice = part<QComboBox>(name);
        for (int i = 0; i < choice->count(); ++i)
            titles << choice->itemText(i);
        return titles;
    }

    // The highlighted cell: its column's heading and its text.
    std::pair<QString, QString> highlighted() const {
        for (int row = 0; row < table()->rowCount(); ++row) {
            for (int column = 0; column < table()->columnCount(); ++column) {
                if (table()->index(row, column).data(Qt::BackgroundRole).isValid()) {
                    return {table()->headerData(column, Qt::Horizontal).toString(),
                            cell(row, column)};
                }
            }
        }
        return {};
    }

    void finiteOf(const QString& N) {
        QTest::mouseClick(form1->findChild<QRadioButton*>(QStringLiteral("RadioButton2")),
                          Qt::LeftButton);
        type(Field::N, N);
        QTest::mouseClick(form1->findChild<QPushButton*>(QStringLiteral("Button1")),
                          Qt::LeftButton);
    }

    QString summary() const { return part<QLabel>("summaryLabel")->text(); }

    static QWidget* shownWindow(const QString& title) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowTitle() == title) return window;
        }
        return nullptr;
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
        settle();
        QVERIFY2(part<QLabel>("summaryLabel")->text().startsWith(QStringLiteral("n: 2401 ")),
                 qPrintable(part<QLabel>("summaryLabel")->text()));
        setText("deffEdit", QStringLiteral("1,5"));
        setText("responseEdit", QStringLiteral("70"));
        QVERIFY(part<QLabel>("summaryLabel")
                    ->text()
                    .contains(QStringLiteral("contactos necesarios: 5146")));

        // "Exportar datos…" is vek-calc --sweep of the window's own command.
        dialogs->answer(file("datos.csv"));
        QTest::mouseClick(part<QPushButton>("exportData"), Qt::LeftButton);
        QCOMPARE(dialogs->asked().constLast().request.title, QStringLiteral("VEK: Exportar datos"));
        QTest::mouseClick(part<QPushButton>("copyCommand"), Qt::LeftButton);
        QStringList arguments = QApplication::clipboard()->text().split(u' ');
        QCOMPARE(arguments.takeFirst(), QStringLiteral("vek-calc"));
        const QStringList calc = RunVekCalc(arguments + gridArguments());
        QCOMPARE(QString::fromUtf8(FileContents(file("datos.csv"))), calc.join(u'\n'));
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
        settle();
        QVERIFY(!part<QPushButton>("useAsVButton")->isEnabled());
        setText("proportionEdit", QStringLiteral("1,5"));
        QVERIFY(part<QLabel>("messageLabel")->text().contains(QStringLiteral("entre 0 y 1")));
    }

    // The sheet follows the screen: p used as V is named, in points of a percentage; a V typed
    // on the main screen is not a proportion's.
    void sheetFollowsTheScreen() {
        open();
        setText("proportionEdit", QStringLiteral("0,3"));
        QTest::mouseClick(part<QPushButton>("useAsVButton"), Qt::LeftButton);
        settle();
        const auto sheet = [this] { return part<QPlainTextEdit>("sheet")->toPlainText(); };
        QVERIFY2(sheet().contains(QStringLiteral("Tamaño de la muestra: 897 entrevistas.")) &&
                     sheet().contains(QStringLiteral("Error muestral: ±3,0 %")) &&
                     sheet().contains(QStringLiteral("y p = 0,3,")),
                 qPrintable(sheet()));
        QTest::mouseClick(part<QPushButton>("copySheet"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), sheet() + QLatin1Char('\n'));
        form1->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), form1.get());
        type(Field::V, QStringLiteral("0,2"));
        settle();
        QVERIFY2(sheet().contains(QStringLiteral("Error muestral: ±0,03 ")) &&
                     sheet().contains(QStringLiteral("y V = 0,2,")),
                 qPrintable(sheet()));
    }

    // The cell nearest the screen is found on p where p is an axis: p ≤ 0,5 with p(1 − p) = V.
    void nearestCellFindsPFromV() {
        finiteOf(QStringLiteral("50000"));
        open();
        setText("deffEdit", QStringLiteral("1,8"));
        choose("rowVariable", QStringLiteral("Tamaño de la población (N)"));
        choose("columnVariable", QStringLiteral("Proporción esperada (p)"));
        QCOMPARE(highlighted(), std::pair(QStringLiteral("p = 0,5"), QStringLiteral("1850")));
        setText("proportionEdit", QStringLiteral("0,3"));
        QTest::mouseClick(part<QPushButton>("useAsVButton"), Qt::LeftButton);
        settle();
        QCOMPARE(highlighted().first, QStringLiteral("p = 0,3"));
    }

    // "Usar como V" or a field left without "Calcula": the summary is of the screen recalculated,
    // and the main screen keeps what it shows.
    void summaryIsOfTheScreenRecalculated() {
        finiteOf(QStringLiteral("50000"));
        open();
        setText("deffEdit", QStringLiteral("1,8"));
        setText("proportionEdit", QStringLiteral("0,3"));
        QTest::mouseClick(part<QPushButton>("useAsVButton"), Qt::LeftButton);
        settle();
        QVERIFY2(summary().startsWith(QStringLiteral("n: 881 por muestreo aleatorio simple; 1563 "
                                                     "con el diseño")),
                 qPrintable(summary()));
        QCOMPARE(form1->field(Field::n)->text(), QStringLiteral("1045"));
        form1->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), form1.get());
        type(Field::E, QStringLiteral("0,05"));
        settle();
        QVERIFY2(summary().startsWith(QStringLiteral("n: 321 por muestreo aleatorio simple")),
                 qPrintable(summary()));
        QCOMPARE(form1->field(Field::n)->text(), QStringLiteral("1045"));
    }

    // A refused design input: every view keeps the last valid design's numbers, greyed, and one
    // message tells planning's reason in Spanish.
    void refusedInputKeepsEveryViewInOneState() {
        finiteOf(QStringLiteral("50000"));
        open();
        setText("deffEdit", QStringLiteral("1,8"));
        QTest::mouseClick(part<QCheckBox>("showContacts"), Qt::LeftButton);
        setText("responseEdit", QStringLiteral("150"));
        settle();
        QCOMPARE(part<QLabel>("messageLabel")->text(),
                 QStringLiteral("La tasa de respuesta «150» debe ser mayor que 0 % y no pasar "
                                "del 100 %."));
        // The last valid rate while typing was 15 %.
        QVERIFY2(summary().contains(QStringLiteral("1850 con el diseño; contactos necesarios: "
                                                   "12334")),
                 qPrintable(summary()));
        QCOMPARE(highlighted().second, QStringLiteral("12334"));
        QVERIFY(part<QPlainTextEdit>("paragraph")
                    ->toPlainText()
                    .contains(QStringLiteral("hay que contactar 12334 unidades")));
        for (const char* view : {"table", "chartView", "summaryLabel", "paragraph"})
            QVERIFY2(!part(view)->isEnabled(), view);
        setText("responseEdit", QStringLiteral("70"));
        settle();
        QCOMPARE(part<QLabel>("messageLabel")->text(), QString());
        QCOMPARE(highlighted().second, QStringLiteral("2643"));
        QVERIFY(part("table")->isEnabled());

        setText("rowValues", QStringLiteral("0,01:0,1:0"));
        settle();
        QCOMPARE(part<QLabel>("messageLabel")->text(),
                 QStringLiteral("Filas: el paso debe ser mayor que 0."));
    }

    // Neither the dependent variable nor N of an infinite population is offered as an axis.
    void axesOfferOnlyWhatCanBeTyped() {
        open();
        const QString n = QStringLiteral("Tamaño de la muestra (n)");
        const QString N = QStringLiteral("Tamaño de la población (N)");
        QVERIFY(!choices("rowVariable").contains(n) && !choices("rowVariable").contains(N));
        QVERIFY(!choices("columnVariable").contains(N));
        QTest::mouseClick(form1->findChild<QRadioButton*>(QStringLiteral("RadioButton2")),
                          Qt::LeftButton);
        QTest::mouseClick(form1->findChild<QRadioButton*>(QStringLiteral("RadioButton3")),
                          Qt::LeftButton);
        settle();
        QVERIFY(choices("rowVariable").contains(N) && choices("rowVariable").contains(n));
        QVERIFY(!choices("columnVariable").contains(QStringLiteral("Varianza poblacional (V)")));
        QVERIFY(!choices("columnVariable").contains(QStringLiteral("Proporción esperada (p)")));
    }

    // The main window's copies reproduce the main screen; the exploring window's command its own
    // result with its design.
    void eachCommandReproducesItsWindow() {
        finiteOf(QStringLiteral("50000"));
        open();
        // d from ρ and m, which the paragraph and the command name.
        QTest::mouseClick(part<QCheckBox>("clustersCheck"), Qt::LeftButton);
        setText("iccEdit", QStringLiteral("0,05"));
        setText("clusterEdit", QStringLiteral("17"));
        QCOMPARE(part<QLineEdit>("deffEdit")->text(), QStringLiteral("1,8"));
        QVERIFY(!part("deffEdit")->isEnabled());
        QVERIFY(
            part<QPlainTextEdit>("paragraph")
                ->toPlainText()
                .contains(QStringLiteral("(correlación intraclase de 0,05 y conglomerados de 17 "
                                         "unidades)")));
        form1->CopyCalcCommand();
        QStringList command = QApplication::clipboard()->text().split(u' ');
        QCOMPARE(command.takeFirst(), QStringLiteral("vek-calc"));
        QCOMPARE(command.count(QStringLiteral("--dependent")), 1);
        QVERIFY(RunVekCalc(command).contains(QStringLiteral("result 1045")));
        QTest::mouseClick(part<QPushButton>("copyCommand"), Qt::LeftButton);
        command = QApplication::clipboard()->text().split(u' ');
        command.removeFirst();
        QVERIFY(RunVekCalc(command).contains(QStringLiteral("result 1850")));
    }

    // The rate is a percentage; one under 1 % is most likely a fraction typed by habit.
    void rateIsAPercentage() {
        open();
        QCOMPARE(part<QLabel>("responseUnit")->text(), QStringLiteral("%"));
        setText("responseEdit", QStringLiteral("0,5"));
        QCOMPARE(part<QLabel>("rateWarning")->text(),
                 QStringLiteral("¿0,5 %? Escriba 50 para el 50 %"));
        QVERIFY(summary().endsWith(QStringLiteral("contactos necesarios: 213600.")));
        setText("responseEdit", QStringLiteral("50"));
        QCOMPARE(part<QLabel>("rateWarning")->text(), QString());
        QVERIFY(summary().endsWith(QStringLiteral("contactos necesarios: 2136.")));
    }

    // The legend says what a curve is; at most twelve curves, the table every column.
    void chartLabelsAreWhole() {
        open();
        auto* chart = part<QChartView>("chartView")->chart();
        const auto wholeTitles = [chart] {
            for (const QAbstractAxis* axis : chart->axes()) {
                QVERIFY(!axis->truncateLabels());
                const qreal length =
                    QFontMetricsF(axis->titleFont()).horizontalAdvance(axis->titleText());
                const bool vertical = axis->orientation() == Qt::Vertical;
                QVERIFY2(
                    length <= (vertical ? chart->plotArea().height() : chart->plotArea().width()),
                    qPrintable(axis->titleText()));
            }
        };
        QStringList names;
        for (const QAbstractSeries* series : chart->series())
            names << series->name();
        QCOMPARE(names,
                 (QStringList{QStringLiteral("90 %"), QStringLiteral("95 %"),
                              QStringLiteral("99 %"), QStringLiteral("Pantalla principal")}));
        QCOMPARE(chart->axes(Qt::Vertical).constFirst()->titleText(),
                 QStringLiteral("Tamaño de la muestra (n)"));
        wholeTitles();

        choose("columnVariable", QStringLiteral("Efecto de diseño (d)"));
        setText("columnValues", QStringLiteral("1:4:0,1"));
        QCOMPARE(table()->columnCount(), 31);
        QCOMPARE(chart->series().size(), vek::explore::kMostCurves + 1);
        QCOMPARE(chart->series().constFirst()->name(), QStringLiteral("d = 1"));
        // The legend wraps under the chart, every entry whole.
        const QString legend = part<QLabel>("legendLabel")->text();
        for (const QAbstractSeries* series : chart->series()) {
            QVERIFY2(
                legend.contains(QString(series->name()).replace(u' ', QStringLiteral("&nbsp;"))),
                qPrintable(series->name()));
        }
        QVERIFY(part<QLabel>("legendLabel")->wordWrap());
        QTest::mouseClick(part<QCheckBox>("showContacts"), Qt::LeftButton);
        QCOMPARE(chart->axes(Qt::Vertical).constFirst()->titleText(),
                 QStringLiteral("Contactos necesarios"));
        wholeTitles();
    }

    // A chart for a document is drawn at its size, titled with the design; the table as shown.
    void exportsForADocument() {
        open();
        setText("deffEdit", QStringLiteral("1,8"));
        dialogs->answer(file("grafico.png"));
        QTest::mouseClick(part<QPushButton>("exportChart"), Qt::LeftButton);
        QCOMPARE(dialogs->asked().constLast().request.filter,
                 QStringLiteral("Imagen PNG (*.png)|*.png|Gráfico SVG (*.svg)|*.svg"));
        const QImage image = QImage::fromData(FileContents(file("grafico.png")), "PNG");
        QCOMPARE(image.size(), QSize(1600, 1000));
        dialogs->answer(file("grafico.svg"));
        QTest::mouseClick(part<QPushButton>("exportChart"), Qt::LeftButton);
        const QString svg = QString::fromUtf8(FileContents(file("grafico.svg")));
        QVERIFY(
            svg.contains(QStringLiteral("n según E y la confianza; población infinita; "
                                        "efecto de diseño 1,8")));
        QVERIFY(svg.contains(QStringLiteral("Tamaño de la muestra (n)")));

        dialogs->answer(file("tabla.csv"));
        QTest::mouseClick(part<QPushButton>("exportTable"), Qt::LeftButton);
        const QStringList lines = QString::fromUtf8(FileContents(file("tabla.csv"))).split(u'\n');
        QCOMPARE(lines.at(0), QStringLiteral("E \\ prob;90 %;95 %;99 %"));
        QCOMPARE(lines.at(4), QStringLiteral("E = 0,03;1353;1921;3318"));
    }

    // At its first size every column of the table shows, and more room goes to the table and
    // the chart.
    void layoutGivesRoomToTheGrid() {
        open();
        auto* view = part<QTableView>("table");
        QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
        const int gridHeight = part("splitter")->height();
        explore()->resize(explore()->width(), explore()->height() + 100);
        QTRY_COMPARE(part("splitter")->height(), gridHeight + 100);
    }

    // A newer state wins: the grid shown is the last one asked for, never a stale one, and until
    // it is ready the previous one stays.
    void newerComputationWins() {
        open();
        const QString before = cell(3, 1);
        const auto typeInto = [this](const char* name, const QString& text) {
            auto* edit = part<QLineEdit>(name);
            edit->selectAll();
            QTest::keyClicks(edit, text);
        };
        // A million cells asked for, then a small grid at once.
        typeInto("rowValues", QStringLiteral("0,001:1:0,001"));
        typeInto("columnValues", QStringLiteral("0,0001:0,1:0,0001"));
        QCOMPARE(cell(3, 1), before);
        typeInto("responseEdit", QStringLiteral("50"));
        typeInto("rowValues", QStringLiteral("0,01:0,04:0,005"));
        typeInto("columnValues", QStringLiteral("0,1/0,05/0,01"));
        QCOMPARE(cell(3, 1), before);
        settle();
        QCOMPARE(table()->rowCount(), 7);
        part<QCheckBox>("showContacts")->setChecked(true);
        QCOMPARE(cell(4, 1), QStringLiteral("2136"));  // E 0,03 at 95 %
        QCOMPARE(part<QLabel>("busyLabel")->text(), QString());
    }

    // Each design input says what it is; its label opens a note on it.
    void designInputsExplainThemselves() {
        open();
        const std::pair<const char*, QString> notes[] = {
            {"proportionLabel", QStringLiteral("VEK: Proporción esperada")},
            {"deffLabel", QStringLiteral("VEK: Efecto de diseño")},
            {"iccLabel", QStringLiteral("VEK: Correlación intraclase y conglomerados")},
            {"clusterLabel", QStringLiteral("VEK: Correlación intraclase y conglomerados")},
            {"responseLabel", QStringLiteral("VEK: Tasa de respuesta")},
        };
        for (const auto& [label, title] : notes) {
            auto* shown = part<QLabel>(label);
            QVERIFY(!shown->buddy()->accessibleDescription().isEmpty());
            QCOMPARE(shown->buddy()->toolTip(), shown->buddy()->accessibleDescription());
            QTest::mouseClick(shown, Qt::LeftButton);
            QWidget* note = shownWindow(title);
            QVERIFY2(note != nullptr, qPrintable(title));
            QCOMPARE(note->palette().color(QPalette::Window), QColor(255, 255, 0));
            note->close();
        }
    }

    void exportsAndCopies() {
        open();
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
        QCOMPARE(lines.at(0), QStringLiteral("E \\ prob\t90 %\t95 %\t99 %"));
        QCOMPARE(lines.at(4), QStringLiteral("E = 0,03\t752\t1068\t1843"));
    }

    // The report's first page holds the sheet as text, read back by poppler.
    void designReportHoldsTheSheet() {
        open();
        setText("deffEdit", QStringLiteral("1,5"));
        dialogs->answer(file("diseño.pdf"));
        QTest::mouseClick(part<QPushButton>("pdfReport"), Qt::LeftButton);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"),
                                                 file("diseño.pdf"), QStringLiteral("-")});
        text.waitForFinished();
        const QString page = QString::fromUtf8(text.readAllStandardOutput()).replace(u'\n', u' ');
        QVERIFY2(page.startsWith(QStringLiteral("Diseño de la muestra")), qPrintable(page));
        for (const QString& line : part<QPlainTextEdit>("sheet")->toPlainText().split(u'\n'))
            QVERIFY2(page.contains(line), qPrintable(line));
    }

    void screenReadersAreToldTheLabels() {
        open();
        QCOMPARE(vek::testing::AccessibleName(part("proportionEdit")),
                 QStringLiteral("Proporción esperada (p):"));
        QCOMPARE(vek::testing::AccessibleName(part("deffEdit")),
                 QStringLiteral("Efecto de diseño (d):"));
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
