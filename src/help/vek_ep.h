// SPDX-License-Identifier: GPL-3.0-or-later
// Concept help window: precision error E.
#pragma once

#include <memory>

#include "help/concept_window.h"

namespace Ui {
class TForm4;
}

class TForm4 final : public ConceptWindow {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

private:
    std::unique_ptr<Ui::TForm4> ui;
};
