#include "help/vek_vek.h"

#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek_vek.h"

TForm8::TForm8(QWidget* parent) : QWidget(parent), ui(new Ui::TForm8) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
}

TForm8::~TForm8() { delete ui; }
