// SPDX-License-Identifier: GPL-3.0-or-later
// File dialogs and message boxes behind one seam, so tests answer them without a person.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace vek::platform {

struct FileDialogRequest {
    QString title;
    QString fileName;          // proposed name
    QString filter;            // "Name|pattern|Name|pattern…" pairs
    QString defaultExtension;  // added to a name typed without one
};

enum class MessageIcon { Error, Warning, Information };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The chosen full path, or nullopt when the user cancels. Neither asks before an existing
    // file is replaced; the open dialog accepts a name that does not exist.
    virtual std::optional<QString> saveFileName(QWidget* parent,
                                                const FileDialogRequest& request) = 0;
    virtual std::optional<QString> openFileName(QWidget* parent,
                                                const FileDialogRequest& request) = 0;
    // A modal box with one OK button.
    virtual void message(QWidget* parent, MessageIcon icon, const QString& caption,
                         const QString& text) = 0;
};

// The dialogs in use: Qt's own unless a test installed others.
Dialogs& dialogs();
// Installs `replacement` (not owned); nullptr goes back to Qt's dialogs.
void setDialogs(Dialogs* replacement);

// "Name|pattern|…" pairs as a Qt name filter list ("Name (pattern);;…"); a pattern list
// separated by ';' becomes space separated.
QString QtNameFilters(const QString& pairs);

// The path with `extension` added when its file name has none.
QString WithDefaultExtension(const QString& path, const QString& extension);

}  // namespace vek::platform
