#include "help/vek_n.h"

#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek_n.h"

TForm5::TForm5(QWidget* parent) : QWidget(parent), ui(new Ui::TForm5) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
}

TForm5::~TForm5() { delete ui; }
