// The main window: the interactive screen of the sampling model.
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <cstdint>

#include "model/state.h"

class QLineEdit;

namespace Ui {
class TForm1;
}

class TForm1 final : public QWidget {
    Q_OBJECT

public:
    // The window shows and edits `state`, which must outlive it.
    explicit TForm1(vek::ModelState& state, QWidget* parent = nullptr);
    ~TForm1() override;

    vek::ModelState& model() { return state_; }
    // The population type lives in the options: finite exactly when "Finito" is chosen.
    vek::Population population() const;
    char decimalSeparator() const { return separator_; }
    // Whole seconds since the window was created.
    std::int64_t secondsSinceStart() const;

    QLineEdit* field(vek::Field field) const;

    void ApplyDependentVariable();
    void SetPopulationType(unsigned kind);
    void OpenHelpWindow(unsigned index);
    // Recalculates the dependent variable and writes its field or fields.
    void RecalculateDependent();

    // Choose an option the way a restore does: the option's handler does not run.
    void ChooseDependentOption(std::uint8_t code);
    void ChoosePopulationOption(vek::Population population);

private:
    void FormCreate();

    Ui::TForm1* ui;
    vek::ModelState& state_;
    char separator_ = '.';
    QElapsedTimer StartTime;
};
