// Concept help window: precision error E.
#pragma once

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
    Ui::TForm4* ui;
};
