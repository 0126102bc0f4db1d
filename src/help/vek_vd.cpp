#include "help/vek_vd.h"

#include "ui_vek_vd.h"

TForm7::TForm7(QWidget* parent) : ConceptWindow(parent), ui(new Ui::TForm7) {
    ui->setupUi(this);
    UseConceptLook();
}

TForm7::~TForm7() {
    delete ui;
}
