// SPDX-License-Identifier: GPL-3.0-or-later
// Concept help window: sample size n.
#pragma once

#include <memory>

#include "help/concept_window.h"

namespace Ui {
class TForm5;
}

class TForm5 final : public ConceptWindow {
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

private:
    std::unique_ptr<Ui::TForm5> ui;
};
