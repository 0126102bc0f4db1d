// The main window: the interactive screen of the sampling model.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/state.h"

class QLineEdit;
class QRadioButton;
class QTimer;

namespace vek {
struct FieldText;
}

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

    // The handlers, each bound to its control's event in ConnectHandlers.
    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Label4Click();
    void Label5Click();
    void GroupBox1Click();
    void GroupBox2Click();
    void StaticText1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton6Click();
    void RadioButton7Click();
    void Edit1Exit();
    void Edit2Exit();
    void Edit3Exit();
    void Edit4Exit();
    void Edit5Exit();
    void Edit6Exit();
    void Edit2Enter();
    void Edit6Enter();
    void Timer1Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using Handler = void (TForm1::*)();

    void FormCreate();
    void ConnectHandlers();
    void BindStatusTexts();
    void Bind(QHash<QObject*, Handler>& table, QWidget* control, Handler handler);
    void Run(Handler handler);

    bool IsTabStop(const QWidget* widget) const;
    QRadioButton* DependentOption(std::uint8_t code) const;
    void ChooseDependent(std::uint8_t code);
    void LeaveField(vek::Field field);
    void WriteFieldTexts(const std::vector<vek::FieldText>& texts);
    void SetFieldPoints(vek::Field field, int points);
    void ShowStatus(const QString& text);
    void ShowStatusFor(QWidget* control);

    Ui::TForm1* ui;
    vek::ModelState& state_;
    char separator_ = '.';
    QElapsedTimer StartTime;
    QTimer* Timer1 = nullptr;

    QHash<QObject*, Handler> clicks_;
    QHash<QObject*, Handler> exits_;
    QHash<QObject*, Handler> enters_;
    // The status-line text of each control with a pointer-move handler; no value for the
    // controls whose pointer moves leave the line as it is.
    QHash<QObject*, std::optional<QString>> statusTexts_;
};
