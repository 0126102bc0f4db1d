// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace vek::platform {
namespace {

QStringList FilterPairs(const QString& pairs) {
    return pairs.split(QLatin1Char('|'));
}

// The extension a file typed without one gets: the selected filter's when it names exactly one
// ("*.txt"), else the dialog's default.
QString ExtensionFor(const QString& nameFilter, const QString& defaultExtension) {
    const qsizetype open = nameFilter.lastIndexOf(QLatin1String("(*."));
    if (open < 0 || !nameFilter.endsWith(QLatin1Char(')'))) return defaultExtension;
    const QString extension = nameFilter.mid(open + 3, nameFilter.size() - open - 4);
    const bool single = !extension.isEmpty() && !extension.contains(QLatin1Char(' ')) &&
                        !extension.contains(QLatin1Char('*')) &&
                        !extension.contains(QLatin1Char('?'));
    return single ? extension : defaultExtension;
}

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    // An open dialog that accepts a missing name: the caller reports the failed read itself.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Qt's own dialog, never a desktop's: its texts are the Spanish ones the program installs.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(QtNameFilters(request.filter).split(QStringLiteral(";;")));
    dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return WithDefaultExtension(
        dialog.selectedFiles().constFirst(),
        ExtensionFor(dialog.selectedNameFilter(), request.defaultExtension));
}

class QtDialogs final : public Dialogs {
public:
    std::optional<QString> saveFileName(QWidget* parent,
                                        const FileDialogRequest& request) override {
        return RunFileDialog(parent, request, QFileDialog::AcceptSave);
    }
    std::optional<QString> openFileName(QWidget* parent,
                                        const FileDialogRequest& request) override {
        return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
    }
    void message(QWidget* parent, MessageIcon icon, const QString& caption,
                 const QString& text) override {
        const auto qtIcon = icon == MessageIcon::Error     ? QMessageBox::Critical
                            : icon == MessageIcon::Warning ? QMessageBox::Warning
                                                           : QMessageBox::Information;
        QMessageBox box(qtIcon, caption, text, QMessageBox::Ok, parent);
        box.exec();
    }
};

Dialogs* installed = nullptr;

}  // namespace

Dialogs& dialogs() {
    static QtDialogs qtDialogs;
    return installed != nullptr ? *installed : qtDialogs;
}

void setDialogs(Dialogs* replacement) {
    installed = replacement;
}

QString QtNameFilters(const QString& pairs) {
    const QStringList parts = FilterPairs(pairs);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString suffix = QStringLiteral(" (%1)").arg(patterns);
        // "Archivos VKT (*.vkt)" already shows its pattern where Qt looks for it.
        filters << (parts[i].endsWith(suffix.trimmed()) ? parts[i] : parts[i] + suffix);
    }
    return filters.join(QStringLiteral(";;"));
}

QString WithDefaultExtension(const QString& path, const QString& extension) {
    if (extension.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path + QLatin1Char('.') + extension;
}

}  // namespace vek::platform
