#include "help/vek_pob.h"

#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek_pob.h"

TForm6::TForm6(QWidget* parent) : QWidget(parent), ui(new Ui::TForm6) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
}

TForm6::~TForm6() { delete ui; }
