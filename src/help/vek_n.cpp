// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/vek_n.h"

#include "ui_vek_n.h"

TForm5::TForm5(QWidget* parent) : ConceptWindow(parent), ui(std::make_unique<Ui::TForm5>()) {
    ui->setupUi(this);
    UseConceptLook();
}

TForm5::~TForm5() = default;
