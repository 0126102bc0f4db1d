// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/vek_prob.h"

#include "ui_vek_prob.h"

TForm12::TForm12(QWidget* parent) : ConceptWindow(parent), ui(std::make_unique<Ui::TForm12>()) {
    ui->setupUi(this);
    UseConceptLook();
}

TForm12::~TForm12() = default;
