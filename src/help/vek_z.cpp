#include "help/vek_z.h"

#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek_z.h"

TForm3::TForm3(QWidget* parent) : QWidget(parent), ui(new Ui::TForm3) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
}

TForm3::~TForm3() { delete ui; }
