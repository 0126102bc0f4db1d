// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <stdexcept>

#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/translations.h"
#include "platform/windows.h"
#include "scripted_dialogs.h"

using namespace vek::platform;

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void errorTextEndsWithFullStop_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Invalid floating point operation"
                                << "Invalid floating point operation.";
        QTest::newRow("digit") << "Error 5"
                               << "Error 5.";
        QTest::newRow("path") << "Cannot open file /tmp/a.vek"
                              << "Cannot open file /tmp/a.vek.";
        QTest::newRow("full stop kept") << "Done."
                                        << "Done.";
        QTest::newRow("blank sorts before") << "Trailing "
                                            << "Trailing ";
        QTest::newRow("closing bracket sorts before") << "(x)"
                                                      << "(x)";
        QTest::newRow("empty") << ""
                               << "";
    }
    void errorTextEndsWithFullStop() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorReportText(message), shown);
    }

    void guardedHandlerReportsAndCarriesOn() {
        vek::testing::ScriptedDialogs dialogs;
        int reached = 0;
        Guard([&] {
            reached = 1;
            throw std::runtime_error("Stream write error");
        })();
        QCOMPARE(reached, 1);
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.messages()[0].icon, MessageIcon::Error);
        QCOMPARE(dialogs.messages()[0].caption, QStringLiteral("VEK"));
        QCOMPARE(dialogs.messages()[0].text, QStringLiteral("Stream write error."));
    }

    void nameFilters_data() {
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<QString>("filters");
        QTest::newRow("screen state") << "Archivos VKT (*.vkt)|*.vkt|Todos los archivos|*.*"
                                      << "Archivos VKT (*.vkt);;Todos los archivos (*.*)";
        QTest::newRow("report")
            << "Archivos de VEK (*.vek)|*.vek|Archivos de texto (*.txt)|*.txt|Todos los "
               "archivos|*.*"
            << "Archivos de VEK (*.vek);;Archivos de texto (*.txt);;Todos los archivos (*.*)";
        QTest::newRow("pattern list") << "Texto|*.txt;*.vek"
                                      << "Texto (*.txt *.vek)";
    }
    void nameFilters() {
        QFETCH(QString, pairs);
        QFETCH(QString, filters);
        QCOMPARE(QtNameFilters(pairs), filters);
    }

    void defaultExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("result");
        QTest::newRow("typed without") << "/tmp/previo"
                                       << "/tmp/previo.vkt";
        QTest::newRow("own extension kept") << "/tmp/previo.txt"
                                            << "/tmp/previo.txt";
        QTest::newRow("dot in folder only") << "/tmp/a.b/previo"
                                            << "/tmp/a.b/previo.vkt";
        QTest::newRow("spanish letters") << "/tmp/año muestra"
                                         << "/tmp/año muestra.vkt";
    }
    void defaultExtension() {
        QFETCH(QString, path);
        QFETCH(QString, result);
        QCOMPARE(WithDefaultExtension(path, QStringLiteral("vkt")), result);
    }

    void pixelHeights() {
        const QList<QPair<int, int>> heights{{6, 8}, {8, 11}, {10, 13}, {12, 16}, {14, 19}};
        for (const auto& [points, pixels] : heights)
            QCOMPARE(PixelHeight(points), pixels);
    }

    void pixelFontsReachChildren() {
        QWidget parent;
        auto* child = new QWidget(&parent);
        QFont big = child->font();
        big.setPointSize(10);
        child->setFont(big);
        QFont small = parent.font();
        small.setPointSize(8);
        parent.setFont(small);
        UsePixelFonts(&parent);
        QCOMPARE(parent.font().pixelSize(), 11);
        QCOMPARE(child->font().pixelSize(), 13);
    }

    void windowKeepsItsPlaceWhenShownAgain() {
        QWidget window;
        window.resize(200, 100);
        ShowWindow(&window);
        QVERIFY(window.isVisible());
        window.move(40, 30);
        const QPoint placed = window.pos();
        window.hide();
        ShowWindow(&window);
        QCOMPARE(window.pos(), placed);
    }

    // Qt's own words, in a field's context menu, follow the program into Spanish.
    void qtTextsAreSpanish() {
        QLineEdit field;
        const auto menuTexts = [&field] {
            const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
            QStringList texts;
            for (const QAction* action : menu->actions())
                texts << action->text();
            return texts;
        };
        const QStringList english = menuTexts();
        QVERIFY(!InstallQtSpanish(*qApp, QTemporaryDir().path()));
        QCOMPARE(menuTexts(), english);
        QVERIFY(InstallQtSpanish(*qApp));
        const QStringList texts = menuTexts();
        QVERIFY2(texts.first().startsWith(QStringLiteral("&Deshacer")), qPrintable(texts.first()));
        QVERIFY2(texts.filter(QStringLiteral("Paste")).isEmpty(), qPrintable(texts.join(u'|')));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Ver en:"));
        QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder",
                                             "All other platforms"),
                 QStringLiteral("Carpeta"));
    }

    void windowSetByNumber() {
        QWidget window;
        RegisterWindow(12, &window);
        QCOMPARE(Window(12), &window);
        QCOMPARE(Window(0), nullptr);
        QCOMPARE(Window(13), nullptr);
        RegisterWindow(12, nullptr);
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
