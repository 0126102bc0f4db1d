// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/vek2.h"

#include <QPushButton>

#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek2.h"

namespace {

void ShowForm(int number) {
    if (QWidget* window = vek::platform::Window(number)) vek::platform::ShowWindow(window);
}

}  // namespace

// Button7 only pictures the main window's "Leer / Escribir" button next to the sentence that
// names it; pressing it does nothing.
TForm9::TForm9(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm9>()) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::FitLabelsToTextWhenShown(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);

    // Button1Click … Button8Click: each index button shows its concept's window.
    const std::pair<QPushButton*, int> windows[] = {
        {ui->Button1, vek::platform::kVarianceHelp},
        {ui->Button2, vek::platform::kDistanceHelp},
        {ui->Button3, vek::platform::kPrecisionErrorHelp},
        {ui->Button4, vek::platform::kSampleSizeHelp},
        {ui->Button5, vek::platform::kPopulationSizeHelp},
        {ui->Button6, vek::platform::kDependentVariableHelp},
        {ui->Button8, vek::platform::kErrorProbabilityHelp},
    };
    for (const auto& [button, number] : windows) {
        connect(button, &QPushButton::clicked, this,
                vek::platform::Guard([number = number] { ShowForm(number); }));
    }
}

TForm9::~TForm9() = default;
