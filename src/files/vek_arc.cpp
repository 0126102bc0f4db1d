// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/vek_arc.h"

#include <QPushButton>
#include <stdexcept>

#include "files/report.h"
#include "files/save_file.h"
#include "files/screen_state.h"
#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/windows.h"
#include "screen/vek1.h"
#include "ui_vek_arc.h"

using vek::RestoreProblem;
using vek::platform::dialogs;
using vek::platform::FileDialogRequest;
using vek::platform::Guard;

namespace {

const QString kScreenStateFilter =
    QStringLiteral("Archivos VKT (*.vkt)|*.vkt|Todos los archivos|*.*");

// Set up anew on every use: each use proposes the same name again.
FileDialogRequest SaveScreenRequest() {
    return {QStringLiteral("VEK: Guardar información de pantalla"), QStringLiteral("previo.vkt"),
            kScreenStateFilter, QStringLiteral("vkt")};
}

FileDialogRequest RestoreScreenRequest() {
    return {QStringLiteral("VEK: Recuperar información de pantalla"), QStringLiteral("previo.vkt"),
            kScreenStateFilter, QStringLiteral("vkt")};
}

FileDialogRequest ReportRequest() {
    return {
        QStringLiteral("VEK: Guardar información en formato texto"), QStringLiteral("previo.vek"),
        QStringLiteral(
            "Archivos de VEK (*.vek)|*.vek|Archivos de texto (*.txt)|*.txt|Todos los archivos|*.*"),
        QStringLiteral("vek")};
}

void ShowFileError(QWidget* parent, const QString& text) {
    dialogs().message(parent, vek::platform::MessageIcon::Error, QStringLiteral("Error"), text);
}

QString WriteErrorText(const QString& path) {
    return QStringLiteral("No he podido escribir «") + path + QStringLiteral("» ");
}

QString ReadErrorText(const QString& path) {
    return QStringLiteral("No he podido leer «") + path + QStringLiteral("» ");
}

// Why a file that was read cannot be restored, for the person who chose it.
QString ProblemText(RestoreProblem problem, const vek::ScreenStateRecord& record) {
    switch (problem) {
        case RestoreProblem::DependentCodeOutOfRange:
            return QStringLiteral(
                       "El código de la variable dependiente es %1; debe estar entre 1 y 5.")
                .arg(record.DependentVariable);
        case RestoreProblem::PopulationByteInvalid:
            return QStringLiteral("El tipo de población es %1; debe ser 0 (infinita) o 1 (finita).")
                .arg(record.finite);
        case RestoreProblem::NDependentButInfinite:
            return QStringLiteral(
                "El tamaño de la población (N) no puede ser la variable dependiente de una "
                "población infinita.");
        case RestoreProblem::None:
        case RestoreProblem::Unreadable:
            break;
    }
    return {};
}

}  // namespace

namespace vek {

QString& ReportFileName() {
    static QString name;
    return name;
}

}  // namespace vek

TForm10::TForm10(TForm1& mainWindow, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm10>()), mainWindow_(mainWindow) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::FitLabelsToTextWhenShown(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
    connect(ui->Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
    connect(ui->Button2, &QPushButton::clicked, this, Guard([this] { Button2Click(); }));
    connect(ui->Button3, &QPushButton::clicked, this, Guard([this] { Button3Click(); }));
}

TForm10::~TForm10() = default;

void TForm10::Button1Click() {
    if (const auto path = dialogs().saveFileName(this, SaveScreenRequest())) {
        const QByteArray record = vek::EncodeScreenState(mainWindow_.session().Record());
        if (vek::SaveBytes(*path, record) != vek::SaveResult::Saved) {
            ShowFileError(this, WriteErrorText(*path));
        }
    }
    close();
}

void TForm10::Button2Click() {
    if (const auto path = dialogs().openFileName(this, RestoreScreenRequest())) Restore(*path);
    close();
}

// A record is applied whole or not at all: a short file or one the save never writes leaves
// the screen as it was.
void TForm10::Restore(const QString& path) {
    const auto record = vek::ReadScreenState(path);
    if (!record) {
        ShowFileError(this, ReadErrorText(path));
        return;
    }
    if (const RestoreProblem problem = mainWindow_.Restore(*record);
        problem != RestoreProblem::None) {
        ShowFileError(this,
                      ReadErrorText(path) + QStringLiteral("\n\n") + ProblemText(problem, *record));
    }
}

void TForm10::Button3Click() {
    if (const auto path = dialogs().saveFileName(this, ReportRequest())) {
        vek::ReportFileName() = *path;
        // Taken after the dialog, so the interaction time counts the time spent choosing a name.
        switch (vek::SaveBytes(*path, vek::BuildReport(mainWindow_.session().Report()))) {
            case vek::SaveResult::Saved:
                break;
            case vek::SaveResult::CannotCreate:
                ShowFileError(this, WriteErrorText(*path));
                return;
            case vek::SaveResult::WriteFailed:
                throw std::runtime_error("Stream write error");
        }
    }
    close();
    if (QWidget* textBox = vek::platform::Window(vek::platform::kTextBoxWindow))
        vek::platform::ShowWindow(textBox);
}
