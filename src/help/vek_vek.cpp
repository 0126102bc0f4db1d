// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/vek_vek.h"

#include "ui_vek_vek.h"

TForm8::TForm8(QWidget* parent) : ConceptWindow(parent), ui(std::make_unique<Ui::TForm8>()) {
    ui->setupUi(this);
    UseConceptLook();
}

TForm8::~TForm8() = default;
