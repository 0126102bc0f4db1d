// SPDX-License-Identifier: GPL-3.0-or-later
// Concept help window: population size N.
#pragma once

#include <memory>

#include "help/concept_window.h"

namespace Ui {
class TForm6;
}

class TForm6 final : public ConceptWindow {
    Q_OBJECT

public:
    explicit TForm6(QWidget* parent = nullptr);
    ~TForm6() override;

private:
    std::unique_ptr<Ui::TForm6> ui;
};
