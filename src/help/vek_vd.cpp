#include "help/vek_vd.h"

#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek_vd.h"

TForm7::TForm7(QWidget* parent) : QWidget(parent), ui(new Ui::TForm7) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
}

TForm7::~TForm7() { delete ui; }
