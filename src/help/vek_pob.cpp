// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/vek_pob.h"

#include "ui_vek_pob.h"

TForm6::TForm6(QWidget* parent) : ConceptWindow(parent), ui(std::make_unique<Ui::TForm6>()) {
    ui->setupUi(this);
    UseConceptLook();
}

TForm6::~TForm6() = default;
