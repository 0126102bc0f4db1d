// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/vek_z.h"

#include "ui_vek_z.h"

TForm3::TForm3(QWidget* parent) : ConceptWindow(parent), ui(std::make_unique<Ui::TForm3>()) {
    ui->setupUi(this);
    UseConceptLook();
}

TForm3::~TForm3() = default;
