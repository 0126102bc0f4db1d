// SPDX-License-Identifier: GPL-3.0-or-later
// Reaching a window's parts as a person does: a child by its object name, an entry of the menu
// that is about to open.
#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QWidget>

namespace vek::testing {

// The child of `window` named `name`; the test stops where there is none.
template <class Widget = QWidget>
Widget* PartOf(const QWidget* window, const char* name) {
    auto* found = window->findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no %s", name);
    return found;
}

// Chooses the entry named `text` of the menu that is about to open.
inline void ChooseInNextMenu(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) qFatal("no menu open");
        for (QAction* action : menu->actions()) {
            if (action->text() == text) action->trigger();
        }
        menu->close();
    });
}

}  // namespace vek::testing
