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
TForm9::TForm9(QWidget* parent) : QWidget(parent), ui(new Ui::TForm9) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::FitLabelsToText(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);

    const std::pair<QPushButton*, void (TForm9::*)()> bindings[] = {
        {ui->Button1, &TForm9::Button1Click}, {ui->Button2, &TForm9::Button2Click},
        {ui->Button3, &TForm9::Button3Click}, {ui->Button4, &TForm9::Button4Click},
        {ui->Button5, &TForm9::Button5Click}, {ui->Button6, &TForm9::Button6Click},
        {ui->Button8, &TForm9::Button8Click},
    };
    for (const auto& [button, handler] : bindings) {
        connect(button, &QPushButton::clicked, this,
                vek::platform::Guard([this, handler] { (this->*handler)(); }));
    }
}

TForm9::~TForm9() {
    delete ui;
}

void TForm9::Button1Click() {
    ShowForm(2);
}
void TForm9::Button2Click() {
    ShowForm(3);
}
void TForm9::Button3Click() {
    ShowForm(4);
}
void TForm9::Button4Click() {
    ShowForm(5);
}
void TForm9::Button5Click() {
    ShowForm(6);
}
void TForm9::Button6Click() {
    ShowForm(7);
}
void TForm9::Button8Click() {
    ShowForm(12);
}
