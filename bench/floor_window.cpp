// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up floor: the least a Qt Widgets program does before a window is visible (load Qt,
// build the QApplication, lay out and show one label). bench/startup times VEK against it.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Qt floor"));
    label.setWindowTitle(QStringLiteral("Qt floor"));
    label.show();
    return app.exec();
}
