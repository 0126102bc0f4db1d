// SPDX-License-Identifier: GPL-3.0-or-later
// Answers file dialogs from a script and records message boxes, so no test waits for a person.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "platform/dialogs.h"

namespace vek::testing {

struct ShownMessage {
    vek::platform::MessageIcon icon;
    QString caption;
    QString text;
};

struct AskedDialog {
    bool save;
    vek::platform::FileDialogRequest request;
};

// Installs itself for its lifetime. A dialog asked with no scripted answer fails the test and
// answers "cancel".
class ScriptedDialogs final : public vek::platform::Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void answer(const QString& path) { answers_.push_back(path); }
    void cancelNext() { answers_.push_back(std::nullopt); }

    const QList<AskedDialog>& asked() const { return asked_; }
    const QList<ShownMessage>& messages() const { return messages_; }
    QStringList messageTexts() const;
    void clearMessages() { messages_.clear(); }

    std::optional<QString> saveFileName(QWidget*, const vek::platform::FileDialogRequest&) override;
    std::optional<QString> openFileName(QWidget*, const vek::platform::FileDialogRequest&) override;
    void message(QWidget*, vek::platform::MessageIcon icon, const QString& caption,
                 const QString& text) override;

private:
    std::optional<QString> next(bool save, const vek::platform::FileDialogRequest& request);

    std::deque<std::optional<QString>> answers_;
    QList<AskedDialog> asked_;
    QList<ShownMessage> messages_;
};

}  // namespace vek::testing
