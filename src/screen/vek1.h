// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the interactive screen of the sampling model. It renders a ScreenSession
// and turns the user's actions into the session's operations.
#pragma once

#include <QHash>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "session/screen_session.h"

class ExploreView;
struct ExploreContext;
class QButtonGroup;
class QMenu;
class QLineEdit;
class QRadioButton;
class QTimer;

namespace Ui {
class TForm1;
}

class TForm1 final : public QWidget {
    Q_OBJECT

public:
    // The window shows and drives `session`, which must outlive it.
    explicit TForm1(vek::ScreenSession& session, QWidget* parent = nullptr);
    ~TForm1() override;

    vek::ScreenSession& session() { return session_; }
    QLineEdit* field(vek::Field field) const;

    // 2 … 10 show Form2 … Form10; any other index does nothing.
    void OpenHelpWindow(unsigned index);
    // Recalculates the dependent variable and writes its field or fields.
    void RecalculateDependent();
    // "Recuperar": the record onto the screen, or the problem and no change.
    vek::RestoreProblem Restore(const vek::ScreenStateRecord& record);

    // "Explorar y planificar…": the exploring window, loaded and created on first use.
    void OpenExploreWindow();
    ExploreView* exploreWindow() const { return explore_; }
    // "Estratos…": the strata window, from the same plugin.
    void OpenStrataWindow();
    ExploreView* strataWindow() const { return strata_; }
    // "Copiar el resultado" and "Copiar la orden vek-calc".
    void CopyResult();
    void CopyCalcCommand();
    // The exploring window's "Usar como V": the proportion's variance typed into V.
    void EnterProportion(std::string_view proportion);

    void Button1Click();  // "Calcula"
    void Button4Click();  // "Salir"
    void Timer1Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void ConnectHandlers();
    void BindStatusTexts();
    void Watch(QWidget* control);
    void AddExploreActions(QMenu& menu, bool withCopies);
    ExploreContext PluginContext();

    // Runs a session operation and shows what it wrote, also when it stops with an error.
    template <class Operation>
    void Apply(Operation operation);
    void Render(const vek::ScreenChanges& changes);
    void ShowText(vek::Field field);
    // A field's look from the session's rule for it.
    void RenderField(vek::Field field);
    void ChooseOptions();
    QRadioButton* PopulationOption(vek::Population population) const;
    void SetFieldPoints(vek::Field field, int points);

    bool IsTabStop(const QWidget* widget) const;
    void ShowStatus(const QString& text);
    void ShowStatusFor(QWidget* control);

    std::unique_ptr<Ui::TForm1> ui;
    vek::ScreenSession& session_;
    QTimer* Timer1 = nullptr;
    // Ids: the dependent-variable codes.
    QButtonGroup* dependentOptions_ = nullptr;
    QButtonGroup* populationOptions_ = nullptr;
    ExploreView* explore_ = nullptr;
    ExploreView* strata_ = nullptr;

    // The window each label, frame and title opens (Label1Click … StaticText1Click).
    QHash<QObject*, int> helpWindows_;
    // The field each edit box shows (Edit1Exit … Edit6Exit, Edit2Enter, Edit6Enter).
    QHash<QObject*, vek::Field> fields_;
    // The status-line text of each control with a pointer-move handler; no value for the
    // controls whose pointer moves leave the line as it is.
    QHash<QObject*, std::optional<QString>> statusTexts_;
};
