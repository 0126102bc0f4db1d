// SPDX-License-Identifier: GPL-3.0-or-later
// The file-management window's three operations on a real main window, offscreen, with scripted
// dialogs.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "file_windows_fixture.h"
#include "files/screen_state.h"
#include "files/vek_arc.h"
#include "files/vek_cua.h"
#include "model/pair.h"
#include "platform/windows.h"
#include "screen/vek1.h"
#include "test_files.h"
#include "window_test_main.h"

using vek::Field;
using vek::Population;
using vek::Quantity;
using vek::testing::FileContents;
using vek::testing::WriteFile;

namespace {

const QColor kYellow(255, 255, 0);

QByteArray RecordBytes(std::int64_t v, std::int64_t z, std::int64_t e, std::int64_t n,
                       std::int64_t bigN, std::uint8_t code, std::uint8_t finite) {
    return vek::EncodeScreenState({Quantity::FromScaled(v), Quantity::FromScaled(z),
                                   Quantity::FromScaled(e), Quantity::FromScaled(n),
                                   Quantity::FromScaled(bigN), code, finite});
}

}  // namespace

class TForm10Test : public QObject, private FileWindowsFixture {
    Q_OBJECT

private:
    QRadioButton* option(const char* name) const {
        return form1->findChild<QRadioButton*>(QString::fromLatin1(name));
    }
    void click(const char* name) {
        QTest::mouseClick(form10->findChild<QPushButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }
    QString text(Field f) const { return form1->field(f)->text(); }
    // Opens the file window as "Leer / Escribir" does.
    void openFileWindow() {
        vek::platform::ShowWindow(form10.get());
        QVERIFY(QTest::qWaitForWindowExposed(form10.get()));
    }
    void restore(const QByteArray& bytes) {
        QVERIFY(WriteFile(file("r.vkt"), bytes));
        openFileWindow();
        dialogs->answer(file("r.vkt"));
        click("Button2");
    }

private slots:
    void init() { QVERIFY(openWindows()); }
    void cleanup() { closeWindows(); }

    void dialogRequests_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("extension");
        const QString vkt = QStringLiteral("Archivos VKT (*.vkt)|*.vkt|Todos los archivos|*.*");
        QTest::newRow("Guardar") << "Button1" << true << "VEK: Guardar información de pantalla"
                                 << "previo.vkt" << vkt << "vkt";
        QTest::newRow("Recuperar") << "Button2" << false << "VEK: Recuperar información de pantalla"
                                   << "previo.vkt" << vkt << "vkt";
        QTest::newRow("Generar")
            << "Button3" << true << "VEK: Guardar información en formato texto"
            << "previo.vek"
            << "Archivos de VEK (*.vek)|*.vek|Archivos de texto (*.txt)|*.txt|Todos los "
               "archivos|*.*"
            << "vek";
    }

    // Every use proposes the same name again, even after another name was chosen.
    void dialogRequests() {
        QFETCH(QString, button);
        for (int use = 0; use < 2; ++use) {
            openFileWindow();
            dialogs->cancelNext();
            click(button.toLatin1().constData());
            QVERIFY(!form10->isVisible());
        }
        QCOMPARE(dialogs->asked().size(), 2);
        for (const auto& asked : dialogs->asked()) {
            QTEST(asked.save, "save");
            QTEST(asked.request.title, "title");
            QTEST(asked.request.fileName, "name");
            QTEST(asked.request.filter, "filter");
            QTEST(asked.request.defaultExtension, "extension");
        }
        QCOMPARE(state(), vek::ModelState{});
        QVERIFY(dialogs->messages().isEmpty());
    }

    void saveWritesTheStartUpRecord() {
        QVERIFY(WriteFile(file("s.vkt"), QByteArray(200, 'x')));  // replaced without a question
        openFileWindow();
        form1->field(Field::V)->setText(QStringLiteral("0,5"));  // typed, not yet accepted
        dialogs->answer(file("s.vkt"));
        click("Button1");
        QCOMPARE(FileContents(file("s.vkt")).toHex(),
                 QByteArray("c409000000000000904c0000000000002c01000000000000c0f6a20000000000"
                            "00e1f505000000000400000000000000"));
        QVERIFY(!form10->isVisible());
        QVERIFY(dialogs->messages().isEmpty());
    }

    void saveFailureShowsTheWriteMessage() {
        openFileWindow();
        const QString path = file("no-such-folder/s.vkt");
        dialogs->answer(path);
        click("Button1");
        QCOMPARE(dialogs->messages().size(), 1);
        QCOMPARE(dialogs->messages().constFirst().caption, QStringLiteral("Error"));
        QCOMPARE(dialogs->messages().constFirst().icon, vek::platform::MessageIcon::Error);
        QCOMPARE(dialogs->messageTexts(), QStringList{"No he podido escribir «" + path + "» "});
        QVERIFY(!form10->isVisible());
    }

    void saveAndRestoreFiniteWithNDependent() {
        option("RadioButton2")->click();  // "Finito"
        option("RadioButton7")->click();  // N dependent
        openFileWindow();
        dialogs->answer(file("f.vkt"));
        click("Button1");
        const QByteArray bytes = FileContents(file("f.vkt"));
        QCOMPARE(bytes.at(40), '\x05');
        QCOMPARE(bytes.at(41), '\x01');

        option("RadioButton1")->click();  // back to "Infinito": n dependent
        QCOMPARE(state().DependentVariable, 4);
        openFileWindow();
        dialogs->answer(file("f.vkt"));
        click("Button2");
        QVERIFY(option("RadioButton2")->isChecked());
        QVERIFY(option("RadioButton7")->isChecked());
        QVERIFY(option("RadioButton7")->isEnabled());
        QCOMPARE(state().DependentVariable, 5);
        QVERIFY(!form1->field(Field::N)->isEnabled());
        QCOMPARE(form1->field(Field::N)->palette().color(QPalette::Base), kYellow);
        QVERIFY(form1->field(Field::n)->isEnabled());
        QVERIFY(!form10->isVisible());
    }

    // V dependent, infinite, over a finite screen with N dependent: n keeps the file's value
    // and V is computed from the file's Z, E and n.
    void restoreInfiniteVOverFiniteN() {
        option("RadioButton2")->click();
        option("RadioButton7")->click();
        restore(RecordBytes(999999, 19600, 500, 1000000, 50000000, 1, 0));
        QCOMPARE(state().DependentVariable, 1);
        QVERIFY(option("RadioButton3")->isChecked());
        QVERIFY(option("RadioButton1")->isChecked());
        QVERIFY(!option("RadioButton7")->isEnabled());
        QCOMPARE(state().SampleSize, Quantity::FromScaled(1000000));
        QCOMPARE(text(Field::n), QStringLiteral("100"));
        // V = E²·n/Z² = 0.0025 · 100 / 3.8416
        QCOMPARE(text(Field::V), QStringLiteral("0,0651"));
        QVERIFY(!form1->field(Field::V)->isEnabled());
    }

    void restoreRecomputesTheDependentAndKeepsProb_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("texts");  // V, Z, E, n, N
        QTest::addColumn<bool>("probRecomputed");
        QTest::newRow("n dependent: file's n replaced, prob kept although Z changed")
            << RecordBytes(2500, 25758, 300, 77770000, 100000000, 4, 0)
            << QStringList{"0,25", "2,5758", "0,03", "1843", "10000"} << false;
        // Z = 0.03·√(1068/0.25) = 1.96081…
        QTest::newRow("Z dependent: file's Z replaced, prob recomputed")
            << RecordBytes(2500, 99990000, 300, 10680000, 100000000, 2, 0)
            << QStringList{"0,25", "1,9608", "0,03", "1068", "10000"} << true;
        QTest::newRow("100-byte file: the first 48 bytes")
            << RecordBytes(2500, 19600, 500, 10680000, 100000000, 4, 0) + QByteArray(52, '\x07')
            << QStringList{"0,25", "1,96", "0,05", "385", "10000"} << false;
    }

    void restoreRecomputesTheDependentAndKeepsProb() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, texts);
        QFETCH(bool, probRecomputed);
        restore(bytes);
        QCOMPARE(screenTexts().mid(0, 5), texts);
        if (probRecomputed) {
            QCOMPARE(state().ErrorProbability,
                     vek::ProbabilityForDistance(state().StandardDistance));
            QCOMPARE(text(Field::prob).toStdString(),
                     vek::QuantityToText(state().ErrorProbability, ','));
            QVERIFY(text(Field::prob) != QStringLiteral("0,05"));
        } else {
            QCOMPARE(state().ErrorProbability, Quantity::FromScaled(500));
            QCOMPARE(text(Field::prob), QStringLiteral("0,05"));
        }
        QVERIFY(dialogs->messages().isEmpty());
    }

    void restoreRefusesWithoutApplying_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");  // after the read message; empty: none
        const QByteArray good = RecordBytes(1000, 10000, 100, 100000, 1000000, 1, 1);
        QTest::newRow("47 bytes") << good.left(47) << "";
        QTest::newRow("empty file") << QByteArray() << "";
        QTest::newRow("code 0")
            << RecordBytes(1000, 10000, 100, 100000, 1000000, 0, 1)
            << "El código de la variable dependiente es 0; debe estar entre 1 y 5.";
        QTest::newRow("code 6")
            << RecordBytes(1000, 10000, 100, 100000, 1000000, 6, 0)
            << "El código de la variable dependiente es 6; debe estar entre 1 y 5.";
        QTest::newRow("population byte 2")
            << RecordBytes(1000, 10000, 100, 100000, 1000000, 1, 2)
            << "El tipo de población es 2; debe ser 0 (infinita) o 1 (finita).";
        QTest::newRow("N dependent, infinite")
            << RecordBytes(1000, 10000, 100, 100000, 1000000, 5, 0)
            << "El tamaño de la población (N) no puede ser la variable dependiente de una "
               "población infinita.";
    }

    void restoreRefusesWithoutApplying() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QStringList before = screenTexts();
        restore(bytes);
        const QString read = "No he podido leer «" + file("r.vkt") + "» ";
        QCOMPARE(dialogs->messageTexts(),
                 QStringList{reason.isEmpty() ? read : read + QStringLiteral("\n\n") + reason});
        QCOMPARE(dialogs->messages().constFirst().caption, QStringLiteral("Error"));
        QCOMPARE(state(), vek::ModelState{});
        QCOMPARE(screenTexts(), before);
        QVERIFY(option("RadioButton6")->isChecked());
        QVERIFY(option("RadioButton1")->isChecked());
        QVERIFY(!form10->isVisible());
    }

    void restoreOfAMissingFileShowsTheReadMessage() {
        openFileWindow();
        dialogs->answer(file("missing.vkt"));
        click("Button2");
        QCOMPARE(dialogs->messageTexts(),
                 QStringList{"No he podido leer «" + file("missing.vkt") + "» "});
        QCOMPARE(state(), vek::ModelState{});
    }

    // Applied as stored; the recalculation fails outside its own protection and the
    // program-wide report shows it; the program carries on.
    void restoreWithNegativeVEndsInTheErrorReport() {
        restore(RecordBytes(-2500, 19600, 300, 10680000, 100000000, 4, 0));
        QCOMPARE(dialogs->messages().size(), 1);
        QCOMPARE(dialogs->messages().constFirst().caption, QStringLiteral("VEK"));
        QCOMPARE(dialogs->messageTexts(),
                 QStringList{QStringLiteral("Invalid floating point operation.")});
        QCOMPARE(state().PopulationVariance, Quantity::FromScaled(-2500));
        QCOMPARE(text(Field::V), QStringLiteral("-0,25"));
        QVERIFY(form1->isVisible());
    }

    void generateWritesAndShowsTheReport() {
        QVERIFY(WriteFile(file("i.vek"), QByteArray(5000, 'x')));  // replaced without a question
        openFileWindow();
        dialogs->answer(file("i.vek"));
        click("Button3");
        QCOMPARE(vek::ReportFileName(), file("i.vek"));
        const QByteArray report = FileContents(file("i.vek"));
        QVERIFY(report.startsWith("VEK: Informaci\xf3n de contexto y resultados\r\n"));
        QVERIFY(report.contains("     Tiempo de interacci\xf3n: 00:00:0"));
        QVERIFY(report.endsWith("          n = V*Z\xb2/E\xb2\r\n\r\n   * Resultado: 1068\r\n\r\n"));
        QVERIFY(!form10->isVisible());
        QVERIFY(form11->isVisible());
        QTRY_COMPARE(form11->windowTitle(), "Archivo: " + file("i.vek") + " (no modificado)");
        QCOMPARE(form11->BoxText().toLatin1(), report);
    }

    // The result quotes the fields as displayed: a new dependent variable chosen without
    // recalculating shows its field's last text.
    void generateQuotesTheFieldAsShown() {
        option("RadioButton4")->click();  // Z dependent, not recalculated
        openFileWindow();
        dialogs->answer(file("z.vek"));
        click("Button3");
        QVERIFY(
            FileContents(file("z.vek")).endsWith("   * Resultado: Z= 1,96; prob= 0,05\r\n\r\n"));
    }

    void generateThatCannotCreateKeepsTheWindowOpen() {
        openFileWindow();
        const QString path = file("gone/i.vek");
        dialogs->answer(path);
        click("Button3");
        QCOMPARE(dialogs->messageTexts(), QStringList{"No he podido escribir «" + path + "» "});
        QCOMPARE(vek::ReportFileName(), path);
        QVERIFY(form10->isVisible());
        QVERIFY(!form11->isVisible());
    }

    void generateCancelledStillShowsTheTextBox() {
        vek::ReportFileName() = file("earlier.vek");
        openFileWindow();
        dialogs->cancelNext();
        click("Button3");
        QCOMPARE(vek::ReportFileName(), file("earlier.vek"));
        QVERIFY(!form10->isVisible());
        QVERIFY(form11->isVisible());
        // No such file: the text box reports it.
        QTRY_COMPARE(dialogs->messageTexts(),
                     QStringList{"Cannot open file " + file("earlier.vek") + QLatin1Char('.')});
    }
};

int main(int argc, char** argv) {
    return vek::testing::RunWindowTest<TForm10Test>(argc, argv);
}

#include "file_window_test.moc"
