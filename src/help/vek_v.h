// Concept help window: population variance V.
#pragma once

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
    Ui::TForm2* ui;
};
