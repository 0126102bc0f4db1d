// Concept help window: population size N.
#pragma once

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
    Ui::TForm6* ui;
};
