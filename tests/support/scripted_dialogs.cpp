// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripted_dialogs.h"

#include <QTest>

namespace vek::testing {

ScriptedDialogs::ScriptedDialogs() {
    vek::platform::setDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    vek::platform::setDialogs(nullptr);
}

std::optional<QString> ScriptedDialogs::saveFileName(
    QWidget*, const vek::platform::FileDialogRequest& request) {
    return next(true, request);
}

std::optional<QString> ScriptedDialogs::openFileName(
    QWidget*, const vek::platform::FileDialogRequest& request) {
    return next(false, request);
}

void ScriptedDialogs::message(QWidget*, vek::platform::MessageIcon icon, const QString& caption,
                              const QString& text) {
    messages_.append({icon, caption, text});
}

QStringList ScriptedDialogs::messageTexts() const {
    QStringList texts;
    for (const auto& message : messages_)
        texts << message.text;
    return texts;
}

std::optional<QString> ScriptedDialogs::next(bool save,
                                             const vek::platform::FileDialogRequest& request) {
    asked_.append({save, request});
    if (answers_.empty()) {
        QTest::qFail("a file dialog was asked with no scripted answer", __FILE__, __LINE__);
        return std::nullopt;
    }
    // Not a copy of the optional: GCC 12 warns (falsely) that a disengaged one's QString may be
    // used uninitialized.
    const bool cancelled = !answers_.front().has_value();
    QString path = cancelled ? QString() : *answers_.front();
    answers_.pop_front();
    if (cancelled) return std::nullopt;
    return path;
}

}  // namespace vek::testing
