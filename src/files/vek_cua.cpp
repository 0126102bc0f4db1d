#include "files/vek_cua.h"

#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek_cua.h"

TForm11::TForm11(QWidget* parent) : QWidget(parent), ui(new Ui::TForm11) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
}

TForm11::~TForm11() { delete ui; }
