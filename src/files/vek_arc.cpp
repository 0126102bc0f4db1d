#include "files/vek_arc.h"

#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek_arc.h"

TForm10::TForm10(TForm1& mainWindow, QWidget* parent)
    : QWidget(parent), ui(new Ui::TForm10), mainWindow_(mainWindow) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::FitLabelsToText(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
}

TForm10::~TForm10() {
    delete ui;
}
