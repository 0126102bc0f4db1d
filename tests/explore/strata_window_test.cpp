// SPDX-License-Identifier: GPL-3.0-or-later
// The strata window as a person uses it: strata pasted from a spreadsheet, its results against
// vek-calc --strata, the command it copies run through a shell, its PDF read back by poppler,
// and what a screen reader is told.
#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDate>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "accessible_names.h"
#include "explore/explore.h"
#include "explore/strata_table_model.h"
#include "file_windows_fixture.h"
#include "test_files.h"
#include "window_parts.h"
#include "window_test_main.h"

using vek::testing::ChooseInNextMenu;
using vek::testing::FileContents;

namespace {

// Six strata as LibreOffice Calc copies them: tab-separated, its digits grouped, the rates as
// percentages.
const QString kSixStrata = QStringLiteral(
    "Estrato\tN\tp\tCoste\tTasa de respuesta (%)\n"
    "Norte\t387.329\t0,3\t20\t70 %\n"
    "Centro\t1.204.118\t0,5\t12\t65 %\n"
    "Sur\t96.540\t0,2\t30\t80 %\n"
    "Este\t250.000\t0,4\t15\t75 %\n"
    "Oeste\t178.402\t0,35\t18\t70 %\n"
    "Islas\t45.210\t0,25\t40\t60 %\n");

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run Execute(const QString& program, const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace

class StrataWindowTest : public QObject, private FileWindowsFixture {
    Q_OBJECT

private:
    ExploreView* strata() const { return form1->strataWindow(); }

    template <class Widget = QWidget>
    Widget* part(const char* name) const {
        return vek::testing::PartOf<Widget>(strata(), name);
    }

    QTableView* view() const { return part<QTableView>("table"); }
    QAbstractItemModel* table() const { return view()->model(); }
    QString cell(int row, int column, int role = Qt::DisplayRole) const {
        return table()->index(row, column).data(role).toString();
    }
    QString sum() const { return part<QLabel>("sumLabel")->text(); }

    void open() {
        ChooseInNextMenu(QStringLiteral("Estratos…"));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                form1->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(form1.get(), &event);
        QVERIFY2(strata() != nullptr, qPrintable(dialogs->messageTexts().join(u'|')));
        QVERIFY(QTest::qWaitForWindowExposed(strata()));
    }

    void paste(const QString& text, int row, int column) {
        QApplication::clipboard()->setText(text);
        view()->setCurrentIndex(table()->index(row, column));
        QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
    }

    void choose(const char* name, const QString& text) {
        auto* choice = part<QComboBox>(name);
        const int index = choice->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        choice->setCurrentIndex(index);
        emit choice->activated(index);
    }

    void setText(const char* name, const QString& text) {
        auto* edit = part<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    void click(const char* name) { QTest::mouseClick(part<QPushButton>(name), Qt::LeftButton); }

    // The six strata, by Neyman, for a total of 1000.
    void sixStrataByNeyman() {
        open();
        paste(kSixStrata, 0, 0);
        choose("methodChoice", QStringLiteral("Neyman"));
        setText("totalEdit", QStringLiteral("1000"));
    }

    QByteArray exported() {
        dialogs->answer(file("resultados.csv"));
        click("exportResults");
        return FileContents(file("resultados.csv"));
    }

private slots:
    void init() { QVERIFY(openWindows()); }
    void cleanup() { closeWindows(); }

    // The main window's menu and Ctrl+Shift+T open it; so does the exploring window's button.
    void opensFromTheMainAndExploringWindows() {
        form1->show();
        QVERIFY(QTest::qWaitForWindowActive(form1.get()));
        QTest::keyClick(form1.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(strata() != nullptr && strata()->isVisible());
        QCOMPARE(strata()->windowTitle(), QStringLiteral("VEK: Estratos"));
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(part<QComboBox>("methodChoice")->currentText(), QStringLiteral("Proporcional"));
        QCOMPARE(part<QLineEdit>("totalEdit")->text(), form1->field(vek::Field::n)->text());
        strata()->hide();
        form1->OpenExploreWindow();
        auto* button =
            form1->exploreWindow()->findChild<QPushButton*>(QStringLiteral("openStrata"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(strata()->isVisible());
    }

    // With the window's titles, as Calc copies six strata: grouped digits and " %" are taken;
    // without a header the cells go from the current one on.
    void pasteFromASpreadsheet() {
        sixStrataByNeyman();
        QCOMPARE(table()->rowCount(), 6);
        QCOMPARE(cell(0, 1), QStringLiteral("387329"));
        QCOMPARE(cell(1, 1), QStringLiteral("1204118"));
        QCOMPARE(cell(0, 6), QStringLiteral("70 %"));
        QVERIFY2(sum().startsWith(QStringLiteral("Total: n = 1000 · E = ")), qPrintable(sum()));

        // A strata file's names, its rate a fraction, pasted in a new row: the window shows
        // percents.
        click("addRow");
        paste(QStringLiteral("stratum\tN\tp\tresponse_rate\nCosta\t12.000\t0,3\t0,7\n"), 6, 3);
        QCOMPARE(cell(6, 0), QStringLiteral("Costa"));
        QCOMPARE(cell(6, 6), QStringLiteral("70"));
        // No header: from the current cell, N then V.
        paste(QStringLiteral("8.000\t0,16\n"), 6, 1);
        QCOMPARE(cell(6, 1), QStringLiteral("8000"));
        QCOMPARE(cell(6, 2), QStringLiteral("0,16"));
        QCOMPARE(cell(6, 3), QStringLiteral("0,3"));
    }

    // A refused cell is red with its reason; the results keep the last valid design, greyed,
    // and the sum row says which cell to mend.
    void refusedCellKeepsTheLastDesign() {
        sixStrataByNeyman();
        const QString before = cell(2, StrataTableModel::ResultN);
        paste(QStringLiteral("1,5"), 2, 3);
        QCOMPARE(cell(2, 3, Qt::ToolTipRole),
                 QStringLiteral("La proporción esperada «1,5» debe estar entre 0 y 1, sin "
                                "incluirlos."));
        QVERIFY(table()->index(2, 3).data(Qt::BackgroundRole).isValid());
        QCOMPARE(cell(2, StrataTableModel::ResultN), before);
        QCOMPARE(table()->index(2, StrataTableModel::ResultN).data(Qt::ForegroundRole),
                 QVariant(QBrush(QColor(150, 150, 150))));
        QVERIFY2(sum().startsWith(QStringLiteral("Corrija la celda p de la fila 3: ")),
                 qPrintable(sum()));
        QVERIFY(!part("exportResults")->isEnabled());
        paste(QStringLiteral("0,2"), 2, 3);
        QVERIFY(!table()->index(2, 3).data(Qt::BackgroundRole).isValid());
        QVERIFY(part("exportResults")->isEnabled());
    }

    // "Exportar resultados…" is what vek-calc --strata prints for the file "Guardar estratos…"
    // writes; the copied command, run by a shell, prints it too.
    void resultsAreVekCalcs() {
        sixStrataByNeyman();
        const QByteArray results = exported();
        dialogs->answer(file("estratos.csv"));
        click("saveStrata");
        const Run calc =
            Execute(QStringLiteral(VEK_CALC_PATH),
                    {QStringLiteral("--separator"), QStringLiteral(","), QStringLiteral("--strata"),
                     file("estratos.csv"), QStringLiteral("--allocation"), QStringLiteral("neyman"),
                     QStringLiteral("--total-n"), QStringLiteral("1000")});
        QCOMPARE(calc.err, QByteArray());
        QCOMPARE(results, calc.out);
        QCOMPARE(results.count('\n'), 1 + 6 + 1);

        // A budget with a fixed cost, then the command as copied.
        choose("methodChoice", QStringLiteral("Óptima con costes"));
        choose("totalChoice", QStringLiteral("Presupuesto"));
        setText("totalEdit", QStringLiteral("20000"));
        setText("fixedCostEdit", QStringLiteral("2000"));
        QVERIFY2(sum().contains(QStringLiteral("del presupuesto de 20000")), qPrintable(sum()));
        click("copyCommand");
        const QString command = QApplication::clipboard()->text();
        QVERIFY2(command.contains(QStringLiteral("--strata - ")), qPrintable(command));
        QVERIFY(command.endsWith(QStringLiteral("\nFIN\n")));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), QFileInfo(QStringLiteral(VEK_CALC_PATH)).path() +
                                                       QLatin1Char(':') +
                                                       environment.value(QStringLiteral("PATH")));
        QProcess shell;
        shell.setProcessEnvironment(environment);
        shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
        shell.waitForFinished();
        QCOMPARE(shell.readAllStandardError(), QByteArray());
        QCOMPARE(shell.readAllStandardOutput(), exported());
    }

    // "Copiar tabla" gives a spreadsheet tab-separated text and a word processor a table.
    void copiedTableIsTextAndHtml() {
        sixStrataByNeyman();
        click("copyTable");
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        const QStringList lines = copied->text().split(u'\n');
        QCOMPARE(lines.at(0), QStringLiteral("Estrato\tN\tV\tp\tEfecto de diseño\tCoste\tTasa de "
                                             "respuesta (%)\tMínimo\tMáximo\tn\t%\tE\tContactos"));
        QVERIFY(lines.at(7).startsWith(QStringLiteral("Total\t2161599\t")));
        QVERIFY(copied->html().contains(QStringLiteral("<td>Norte</td>")));
    }

    // The PDF keeps its text as text: page 1, rendered by pdftoppm, reads back through pdftotext;
    // its fonts are embedded, and a table longer than a page repeats its header.
    void designReportReadsBack() {
        open();
        QString many = QStringLiteral("Estrato\tN\tp\n");
        for (int i = 1; i <= 120; ++i)
            many += QStringLiteral("E%1\t1000\t0,5\n").arg(i);
        paste(many, 0, 0);
        choose("methodChoice", QStringLiteral("Neyman"));
        setText("totalEdit", QStringLiteral("1000"));
        dialogs->answer(file("diseño.pdf"));
        click("pdfReport");
        const QString pdf = file("diseño.pdf");
        const Run png = Execute(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                 QStringLiteral("1"), QStringLiteral("-r"), QStringLiteral("50"),
                                 QStringLiteral("-png"), pdf, file(QStringLiteral("pagina"))});
        QVERIFY2(png.status == 0, png.err.constData());
        const QImage page(file(QStringLiteral("pagina-1.png")));
        QVERIFY(!page.isNull() && page.height() > page.width());

        // Page 0 is every page.
        const auto text = [&pdf](int page) {
            QStringList arguments = {pdf, QStringLiteral("-")};
            if (page > 0) {
                arguments = QStringList{QStringLiteral("-f"), QString::number(page),
                                        QStringLiteral("-l"), QString::number(page)} +
                            arguments;
            }
            return QString::fromUtf8(Execute(QStringLiteral("pdftotext"), arguments).out);
        };
        // The title, the date and the sheet's first lines on page 1; the whole sheet and the
        // paragraph in the document.
        const QString first = text(1).replace(u'\n', u' ');
        const QStringList sheet =
            part<QPlainTextEdit>("sheet")->toPlainText().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(sheet.value(0), QStringLiteral("Universo: población finita de 120000 unidades."));
        QStringList onFirstPage = {
            QStringLiteral("Diseño estratificado de la muestra"),
            QLocale(QLocale::Spanish)
                .toString(QDate::currentDate(), QStringLiteral("d 'de' MMMM 'de' yyyy"))};
        onFirstPage << sheet.mid(0, 5);
        for (const QString& expected : onFirstPage) {
            QVERIFY2(first.contains(expected.trimmed()),
                     qPrintable(expected + QStringLiteral(" in ") + first));
        }
        const QString all = text(0).replace(u'\n', u' ');
        QVERIFY(all.contains(sheet.constLast().trimmed()));
        QVERIFY(all.contains(QStringLiteral("Se reparte una muestra de 1000 unidades entre 120")));
        QVERIFY(text(0).count(QStringLiteral("Contactos")) >= 2);
        const Run fonts = Execute(QStringLiteral("pdffonts"), {pdf});
        const QStringList rows = QString::fromUtf8(fonts.out).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(rows.size() > 2);
        for (const QString& row : rows.mid(2))
            QVERIFY2(row.contains(QStringLiteral(" yes ")), qPrintable(row));
    }

    // Every control is named by its visible text and explained by its tooltip.
    void screenReadersAreToldTheTexts() {
        open();
        QCOMPARE(vek::testing::AccessibleNameMismatches(strata()).join(u'|'), QString());
        for (QWidget* control : strata()->findChildren<QWidget*>()) {
            const bool named = !control->objectName().isEmpty() &&
                               !control->objectName().startsWith(QStringLiteral("qt_"));
            if (named && control->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
        }
    }
};

int main(int argc, char** argv) {
    return vek::testing::RunWindowTest<StrataWindowTest>(argc, argv);
}

#include "strata_window_test.moc"
