// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/vek_v.h"

#include "ui_vek_v.h"

TForm2::TForm2(QWidget* parent) : ConceptWindow(parent), ui(std::make_unique<Ui::TForm2>()) {
    ui->setupUi(this);
    UseConceptLook();
}

TForm2::~TForm2() = default;
