// SPDX-License-Identifier: GPL-3.0-or-later
// Concept help window: the dependent variable, with a picture of its field showing an error.
#pragma once

#include <memory>

#include "help/concept_window.h"

namespace Ui {
class TForm7;
}

class TForm7 final : public ConceptWindow {
    Q_OBJECT

public:
    explicit TForm7(QWidget* parent = nullptr);
    ~TForm7() override;

private:
    std::unique_ptr<Ui::TForm7> ui;
};
