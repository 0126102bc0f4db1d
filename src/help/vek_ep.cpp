#include "help/vek_ep.h"

#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek_ep.h"

TForm4::TForm4(QWidget* parent) : QWidget(parent), ui(new Ui::TForm4) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
}

TForm4::~TForm4() { delete ui; }
