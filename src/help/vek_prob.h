// SPDX-License-Identifier: GPL-3.0-or-later
// Concept help window: error probability prob.
#pragma once

#include <memory>

#include "help/concept_window.h"

namespace Ui {
class TForm12;
}

class TForm12 final : public ConceptWindow {
    Q_OBJECT

public:
    explicit TForm12(QWidget* parent = nullptr);
    ~TForm12() override;

private:
    std::unique_ptr<Ui::TForm12> ui;
};
