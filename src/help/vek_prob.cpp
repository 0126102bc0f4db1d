#include "help/vek_prob.h"

#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek_prob.h"

TForm12::TForm12(QWidget* parent) : QWidget(parent), ui(new Ui::TForm12) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::CloseOnly);
}

TForm12::~TForm12() { delete ui; }
