#include "help/vek2.h"

#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek2.h"

TForm9::TForm9(QWidget* parent) : QWidget(parent), ui(new Ui::TForm9) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
}

TForm9::~TForm9() { delete ui; }
