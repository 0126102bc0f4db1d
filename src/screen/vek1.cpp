#include "screen/vek1.h"

#include "platform/fonts.h"
#include "platform/windows.h"
#include "ui_vek1.h"

TForm1::TForm1(vek::ModelState& state, QWidget* parent)
    : QWidget(parent), ui(new Ui::TForm1), state_(state) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::None);
}

TForm1::~TForm1() { delete ui; }
