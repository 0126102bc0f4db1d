// SPDX-License-Identifier: GPL-3.0-or-later
// A window shown again comes back where it was, also when it holds controls (every real
// window does; the keeper of its place must not be confused with one of them).
#include <QLabel>
#include <QTest>
#include <QWidget>

#include "platform/windows.h"

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void keepsItsPlaceWhenShownAgain_data() {
        QTest::addColumn<int>("controls");
        QTest::newRow("empty window") << 0;
        QTest::newRow("window with controls") << 3;
    }

    void keepsItsPlaceWhenShownAgain() {
        QFETCH(int, controls);
        QWidget window;
        for (int i = 0; i < controls; ++i)
            new QLabel(QStringLiteral("etiqueta"), &window);
        window.resize(200, 100);
        for (const QPoint place : {QPoint(40, 30), QPoint(90, 70)}) {
            vek::platform::ShowWindow(&window);
            window.move(place);
            const QPoint placed = window.pos();
            window.hide();
            vek::platform::ShowWindow(&window);
            QCOMPARE(window.pos(), placed);
            window.hide();
        }
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
