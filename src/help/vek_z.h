// SPDX-License-Identifier: GPL-3.0-or-later
// Concept help window: standardized distance Z.
#pragma once

#include <memory>

#include "help/concept_window.h"

namespace Ui {
class TForm3;
}

class TForm3 final : public ConceptWindow {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

private:
    std::unique_ptr<Ui::TForm3> ui;
};
