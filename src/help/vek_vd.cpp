// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/vek_vd.h"

#include "ui_vek_vd.h"

TForm7::TForm7(QWidget* parent) : ConceptWindow(parent), ui(std::make_unique<Ui::TForm7>()) {
    ui->setupUi(this);
    UseConceptLook();
}

TForm7::~TForm7() = default;
