// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/vek_ep.h"

#include "ui_vek_ep.h"

TForm4::TForm4(QWidget* parent) : ConceptWindow(parent), ui(std::make_unique<Ui::TForm4>()) {
    ui->setupUi(this);
    UseConceptLook();
}

TForm4::~TForm4() = default;
