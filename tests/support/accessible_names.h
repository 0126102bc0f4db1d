// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told: the accessible name of every control against its visible text.
#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QWidget>

namespace vek::testing {

inline QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

// The label that names `widget` as its buddy, if any.
inline const QLabel* LabelOf(const QWidget* widget) {
    if (widget->parentWidget() == nullptr) return nullptr;
    for (const QLabel* label : widget->parentWidget()->findChildren<QLabel*>()) {
        if (label->buddy() == widget) return label;
    }
    return nullptr;
}

// The text a control shows; nothing for a decorative frame. A choice shows its current entry, a
// view the label that names it. Edit fields are named after their labels, which only the
// window's own test knows.
inline QString VisibleText(const QWidget* widget) {
    if (widget->isWindow()) return widget->windowTitle();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
    if (const auto* choice = qobject_cast<const QComboBox*>(widget)) return choice->currentText();
    if (const QLabel* label = LabelOf(widget)) return label->text();
    return {};
}

inline bool IsTextField(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
}

// A view's or a choice's own viewport, headers, scroll bars and pop-up are Qt's.
inline bool IsPartOfAView(const QWidget* widget) {
    for (const QWidget* parent = widget->parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        if (IsTextField(parent) || qobject_cast<const QAbstractScrollArea*>(parent) != nullptr ||
            qobject_cast<const QComboBox*>(parent) != nullptr) {
            return true;
        }
    }
    return false;
}

// "Object: 'name' instead of 'text'" for every control of `window` (the window too) whose
// accessible name is not the text it shows.
inline QStringList AccessibleNameMismatches(QWidget* window) {
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    controls.prepend(window);
    QStringList mismatches;
    for (QWidget* control : controls) {
        if (IsTextField(control) || IsPartOfAView(control)) continue;
        const QString name = AccessibleName(control);
        if (name != VisibleText(control)) {
            mismatches << QStringLiteral("%1: '%2' instead of '%3'")
                              .arg(control->objectName(), name, VisibleText(control));
        }
    }
    return mismatches;
}

}  // namespace vek::testing
