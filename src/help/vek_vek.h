// SPDX-License-Identifier: GPL-3.0-or-later
// Concept help window: simple random sampling.
#pragma once

#include <memory>

#include "help/concept_window.h"

namespace Ui {
class TForm8;
}

class TForm8 final : public ConceptWindow {
    Q_OBJECT

public:
    explicit TForm8(QWidget* parent = nullptr);
    ~TForm8() override;

private:
    std::unique_ptr<Ui::TForm8> ui;
};
