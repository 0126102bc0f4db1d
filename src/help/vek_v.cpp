#include "help/vek_v.h"

#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek_v.h"

TForm2::TForm2(QWidget* parent) : QWidget(parent), ui(new Ui::TForm2) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
}

TForm2::~TForm2() { delete ui; }
