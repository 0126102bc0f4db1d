#include "files/vek_arc.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <stdexcept>

#include "files/report.h"
#include "files/save_file.h"
#include "files/screen_state.h"
#include "model/quantity.h"
#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/windows.h"
#include "screen/vek1.h"
#include "ui_vek_arc.h"

using vek::Field;
using vek::platform::dialogs;
using vek::platform::FileDialogRequest;
using vek::platform::Guard;

namespace {

constexpr int kTextBoxWindow = 11;
constexpr std::array kRecordFields = {Field::V, Field::Z, Field::E, Field::n, Field::N};
constexpr std::array kAllFields = {Field::V, Field::Z, Field::E, Field::n, Field::N, Field::prob};

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

}  // namespace

namespace vek {

QString& ReportFileName() {
    static QString name;
    return name;
}

}  // namespace vek

TForm10::TForm10(TForm1& mainWindow, QWidget* parent)
    : QWidget(parent), ui(new Ui::TForm10), mainWindow_(mainWindow) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::FitLabelsToText(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
    connect(ui->Button1, &QPushButton::clicked, this, Guard([this] { Button1Click(); }));
    connect(ui->Button2, &QPushButton::clicked, this, Guard([this] { Button2Click(); }));
    connect(ui->Button3, &QPushButton::clicked, this, Guard([this] { Button3Click(); }));
}

TForm10::~TForm10() {
    delete ui;
}

void TForm10::Button1Click() {
    if (const auto path = dialogs().saveFileName(this, SaveScreenRequest())) {
        const vek::ScreenStateRecord record =
            vek::RecordOf(mainWindow_.model(), mainWindow_.population());
        if (vek::SaveBytes(*path, vek::EncodeScreenState(record)) != vek::SaveResult::Saved) {
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
    const auto bytes = vek::ReadBytes(path, vek::kScreenStateSize);
    const auto record = bytes ? vek::DecodeScreenState(*bytes) : std::nullopt;
    if (!record) {
        ShowFileError(this, ReadErrorText(path));
        return;
    }
    if (const QString problem = vek::RestoreProblem(*record); !problem.isEmpty()) {
        ShowFileError(this, ReadErrorText(path) + QStringLiteral("\n\n") + problem);
        return;
    }
    ApplyRecord(*record);
}

// The options are chosen before the population type is set, so that an infinite population
// restored over a screen with N dependent keeps the file's dependent variable.
void TForm10::ApplyRecord(const vek::ScreenStateRecord& record) {
    vek::ModelState& state = mainWindow_.model();
    vek::ApplyToModel(record, state);
    mainWindow_.ChooseDependentOption(record.DependentVariable);
    mainWindow_.ChoosePopulationOption(vek::PopulationOf(record));
    for (const Field field : kRecordFields) {
        mainWindow_.field(field)->setText(QString::fromStdString(
            vek::QuantityToText(vek::QuantityOf(state, field), mainWindow_.decimalSeparator())));
    }
    mainWindow_.SetPopulationType(vek::PopulationOf(record) == vek::Population::Finite ? 2 : 1);
    mainWindow_.ApplyDependentVariable();
    mainWindow_.RecalculateDependent();
}

void TForm10::Button3Click() {
    if (const auto path = dialogs().saveFileName(this, ReportRequest())) {
        vek::ReportFileName() = *path;
        switch (vek::SaveBytes(*path, Report())) {
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
    if (QWidget* textBox = vek::platform::Window(kTextBoxWindow))
        vek::platform::ShowWindow(textBox);
}

// Taken after the dialog, so the interaction time counts the time spent choosing the name.
QByteArray TForm10::Report() const {
    std::array<QString, 6> fieldTexts;
    for (std::size_t i = 0; i < kAllFields.size(); ++i) {
        fieldTexts[i] = mainWindow_.field(kAllFields[i])->text();
    }
    return vek::BuildReport({mainWindow_.model(), mainWindow_.population(), fieldTexts,
                             mainWindow_.secondsSinceStart(), mainWindow_.decimalSeparator()});
}
