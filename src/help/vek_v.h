// SPDX-License-Identifier: GPL-3.0-or-later
// Concept help window: population variance V.
#pragma once

#include <memory>

#include "help/concept_window.h"

namespace Ui {
class TForm2;
}

class TForm2 final : public ConceptWindow {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

private:
    std::unique_ptr<Ui::TForm2> ui;
};
