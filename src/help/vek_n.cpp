#include "help/vek_n.h"

#include "ui_vek_n.h"

TForm5::TForm5(QWidget* parent) : ConceptWindow(parent), ui(new Ui::TForm5) {
    ui->setupUi(this);
    UseConceptLook();
}

TForm5::~TForm5() {
    delete ui;
}
