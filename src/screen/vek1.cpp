// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/vek1.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QShortcut>
#include <QTime>
#include <QTimer>
#include <array>
#include <stdexcept>

#include "explore/explore_loader.h"
#include "model/clock.h"
#include "planning/exploring.h"
#include "platform/dialogs.h"
#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/regional.h"
#include "platform/shown.h"
#include "platform/windows.h"
#include "ui_vek1.h"

using vek::platform::Shown;

using vek::Field;
using vek::Population;
using vek::platform::Guarded;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kSilver(192, 192, 192);
const QColor kBlack(0, 0, 0);

constexpr int kIndependentPoints = 8;
constexpr int kDependentPoints = 10;
constexpr int kClockIntervalMs = 1000;

// An edit field is as high as its font needs: 21 px at 8 pt, 24 px at 10 pt.
int FieldHeight(int points) {
    return points == kDependentPoints ? 24 : 21;
}

// In every colour group, so a disabled field keeps the colours it was given.
void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// Switching to another window or opening a menu does not leave a field.
bool LeavesTheField(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool IsLeftClickInside(const QWidget* widget, const QEvent* event) {
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton &&
           widget->rect().contains(mouse->position().toPoint());
}

void OpenWindow(int number) {
    if (QWidget* window = vek::platform::Window(number)) vek::platform::ShowWindow(window);
}

}  // namespace

TForm1::TForm1(vek::ScreenSession& session, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm1>()), session_(session) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::None);
    for (const Field f : vek::kFields)
        ShowText(f);
    ui->RadioButton4->setText(Shown(session_.zOptionCaption()));
    Timer1 = new QTimer(this);
    Timer1->setInterval(kClockIntervalMs);
    ConnectHandlers();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    session_.StartInteraction();
    session_.SetSeparator(vek::platform::SystemDecimalSeparator());
    Timer1->start();
}

QLineEdit* TForm1::field(Field field) const {
    const std::array fields = {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit5, ui->Edit6};
    return fields[vek::CodeOf(field) - 1U];
}

// ---- Rendering the session ----------------------------------------------------------------

template <class Operation>
void TForm1::Apply(Operation operation) {
    const auto render = qScopeGuard([this] { Render(session_.TakeChanges()); });
    operation();
}

void TForm1::Render(const vek::ScreenChanges& changes) {
    if (changes.population || changes.dependent) ChooseOptions();
    // The dependent variable restyles every field; the population alone restyles N, so a field
    // the dependent variable never touched keeps the look it was laid out with.
    if (changes.dependent) {
        for (const Field f : vek::kFields)
            RenderField(f);
    } else if (changes.population) {
        RenderField(Field::N);
    }
    ui->RadioButton7->setEnabled(session_.CanChooseDependent(vek::Dependent::N));
    for (const Field f : vek::kFields) {
        if (changes.texts[f]) ShowText(f);
    }
    if (changes.zCaption) ui->RadioButton4->setText(Shown(session_.zOptionCaption()));
    for (ExploreView* view : {explore_, strata_}) {
        if (view != nullptr) view->Refresh();
    }
}

void TForm1::ShowText(Field f) {
    field(f)->setText(Shown(session_.text(f)));
}

// As a restore chooses them: the options' handlers do not run.
void TForm1::ChooseOptions() {
    const QSignalBlocker quietPopulation(populationOptions_);
    const QSignalBlocker quietDependent(dependentOptions_);
    PopulationOption(session_.population())->setChecked(true);
    dependentOptions_->button(vek::CodeOf(session_.dependent()))->setChecked(true);
}

void TForm1::SetFieldPoints(Field which, int points) {
    QLineEdit* edit = field(which);
    vek::platform::SetFontPoints(edit, points);
    edit->resize(edit->width(), FieldHeight(points));
}

QRadioButton* TForm1::PopulationOption(Population population) const {
    return population == Population::Finite ? ui->RadioButton2 : ui->RadioButton1;
}

// Yellow, larger and disabled for the dependent variable; silver on silver and disabled where N
// plays no part; white where it can be typed into. Only N's text colour follows the population:
// the other fields keep theirs.
void TForm1::RenderField(Field f) {
    const vek::Editability editability = session_.EditabilityOf(f);
    QLineEdit* edit = field(f);
    edit->setEnabled(editability == vek::Editability::Editable);
    SetFieldPoints(
        f, editability == vek::Editability::Dependent ? kDependentPoints : kIndependentPoints);
    switch (editability) {
        case vek::Editability::Editable:
            SetColour(edit, QPalette::Base, kWhite);
            break;
        case vek::Editability::Dependent:
            SetColour(edit, QPalette::Base, kYellow);
            break;
        case vek::Editability::InfinitePopulation:
            SetColour(edit, QPalette::Base, kSilver);
            break;
    }
    if (f == Field::N) {
        const bool plays = editability != vek::Editability::InfinitePopulation;
        SetColour(edit, QPalette::Text, plays ? kBlack : kSilver);
    }
}

void TForm1::OpenHelpWindow(unsigned index) {
    if (index >= vek::platform::kVarianceHelp && index <= vek::platform::kFileWindow) {
        OpenWindow(static_cast<int>(index));
    }
}

void TForm1::RecalculateDependent() {
    Apply([this] { session_.RecalculateDependent(); });
}

vek::RestoreProblem TForm1::Restore(const vek::ScreenStateRecord& record) {
    vek::RestoreProblem problem = vek::RestoreProblem::None;
    Apply([&] { problem = session_.Restore(record); });
    return problem;
}

// ---- The exploring window ------------------------------------------------------------------

ExploreContext TForm1::PluginContext() {
    ExploreContext context;
    context.session = &session_;
    context.dialogs = &vek::platform::dialogs();
    context.useAsV = [this](std::string_view proportion) { EnterProportion(proportion); };
    context.openStrata = [this] { OpenStrataWindow(); };
    return context;
}

void TForm1::OpenExploreWindow() {
    if (explore_ == nullptr) {
        QString error;
        explore_ = LoadExploreView(PluginContext(), this, error);
        if (explore_ == nullptr) {
            throw std::runtime_error("No he podido abrir la ventana de exploración: " +
                                     error.toStdString());
        }
    }
    vek::platform::ShowWindowBeside(explore_, this);
}

void TForm1::OpenStrataWindow() {
    if (strata_ == nullptr) {
        QString error;
        strata_ = LoadStrataView(PluginContext(), this, error);
        if (strata_ == nullptr) {
            throw std::runtime_error("No he podido abrir la ventana de estratos: " +
                                     error.toStdString());
        }
    }
    vek::platform::ShowWindowBeside(strata_, this);
}

void TForm1::CopyResult() {
    QGuiApplication::clipboard()->setText(Shown(session_.ResultText()));
}

// The main screen's own result: the exploring window's design is that window's to copy.
void TForm1::CopyCalcCommand() {
    QString command = QStringLiteral("vek-calc");
    for (const std::string& argument : vek::planning::CalcArguments(session_, {}))
        command += QLatin1Char(' ') + Shown(argument);
    QGuiApplication::clipboard()->setText(command);
}

void TForm1::EnterProportion(std::string_view proportion) {
    Apply([&] { session_.EnterProportion(proportion); });
}

void TForm1::AddExploreActions(QMenu& menu, bool withCopies) {
    menu.addAction(QStringLiteral("Explorar y planificar…"), this,
                   [this] { Guarded([this] { OpenExploreWindow(); }); });
    menu.addAction(QStringLiteral("Estratos…"), this,
                   [this] { Guarded([this] { OpenStrataWindow(); }); });
    if (!withCopies) return;
    menu.addAction(QStringLiteral("Copiar el resultado"), this, [this] { CopyResult(); });
    menu.addAction(QStringLiteral("Copiar la orden vek-calc"), this, [this] { CopyCalcCommand(); });
}

// The window's background, labels, frames and title: their own menu.
void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    AddExploreActions(menu, true);
    menu.exec(event->globalPos());
}

// ---- Handlers -----------------------------------------------------------------------------

void TForm1::Button1Click() {
    RecalculateDependent();
}

void TForm1::Button4Click() {
    close();
}

void TForm1::Timer1Timer() {
    const QTime now = QTime::currentTime();
    const double day = vek::TimeOfDayInDays(now.hour(), now.minute(), now.second(), now.msec());
    ui->Label6->setText(QString::fromStdString(vek::DaysToHMS(day)));
    ui->Label6->adjustSize();
}

void TForm1::ShowStatus(const QString& text) {
    ui->Panel2->setText(text);
}

// A disabled control gets no pointer moves: the control beneath it does.
void TForm1::ShowStatusFor(QWidget* control) {
    while (control != this && !control->isEnabled())
        control = control->parentWidget();
    const auto status = statusTexts_.constFind(control);
    if (status != statusTexts_.cend() && status->has_value()) ShowStatus(**status);
}

// ---- Wiring -------------------------------------------------------------------------------

void TForm1::Watch(QWidget* control) {
    control->installEventFilter(this);
}

void TForm1::ConnectHandlers() {
    connect(ui->Button1, &QPushButton::clicked, this,
            [this] { Guarded([this] { Button1Click(); }); });
    connect(ui->Button4, &QPushButton::clicked, this,
            [this] { Guarded([this] { Button4Click(); }); });
    connect(ui->Button2, &QPushButton::clicked, this,
            [this] { OpenHelpWindow(vek::platform::kInformationWindow); });
    connect(ui->Button3, &QPushButton::clicked, this,
            [this] { OpenHelpWindow(vek::platform::kFileWindow); });

    // An option's handler runs only when the user chooses it (RadioButton1Click …
    // RadioButton7Click); ChooseOptions chooses with the groups' signals blocked.
    populationOptions_ = new QButtonGroup(this);
    populationOptions_->addButton(PopulationOption(Population::Infinite));
    populationOptions_->addButton(PopulationOption(Population::Finite));
    connect(populationOptions_, &QButtonGroup::buttonToggled, this,
            [this](QAbstractButton* option, bool chosen) {
                if (!chosen) return;
                const Population population = option == PopulationOption(Population::Finite)
                                                  ? Population::Finite
                                                  : Population::Infinite;
                Guarded([&] { Apply([&] { session_.ChoosePopulation(population); }); });
            });
    dependentOptions_ = new QButtonGroup(this);
    const std::array options = {ui->RadioButton3, ui->RadioButton4, ui->RadioButton5,
                                ui->RadioButton6, ui->RadioButton7};
    for (std::size_t i = 0; i < options.size(); ++i)
        dependentOptions_->addButton(options[i], vek::CodeOf(vek::kDependents.at(i)));
    connect(dependentOptions_, &QButtonGroup::idToggled, this, [this](int code, bool chosen) {
        const std::optional<vek::Dependent> dependent =
            vek::DependentOf(static_cast<std::uint8_t>(code));
        if (!chosen || !dependent) return;
        Guarded([&] { Apply([&] { session_.ChooseDependentVariable(*dependent); }); });
    });

    // Labels, frames and the title cannot take the focus: they open their window on release.
    helpWindows_ = {
        {ui->Label1, vek::platform::kVarianceHelp},
        {ui->Label2, vek::platform::kDistanceHelp},
        {ui->Label3, vek::platform::kPrecisionErrorHelp},
        {ui->Label4, vek::platform::kSampleSizeHelp},
        {ui->Label5, vek::platform::kErrorProbabilityHelp},
        {ui->GroupBox1, vek::platform::kPopulationSizeHelp},
        {ui->GroupBox2, vek::platform::kDependentVariableHelp},
        {ui->StaticText1, vek::platform::kSamplingHelp},
    };
    for (const Field f : vek::kFields)
        fields_.insert(field(f), f);
    for (QObject* control : helpWindows_.keys())
        Watch(static_cast<QWidget*>(control));
    for (QObject* control : fields_.keys())
        Watch(static_cast<QWidget*>(control));

    connect(Timer1, &QTimer::timeout, this, [this] { Guarded([this] { Timer1Timer(); }); });
    // Plain Ctrl+E is taken by a focused field under X11 (end of line).
    auto* explore = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), this);
    connect(explore, &QShortcut::activated, this,
            [this] { Guarded([this] { OpenExploreWindow(); }); });
    auto* strata = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), this);
    connect(strata, &QShortcut::activated, this,
            [this] { Guarded([this] { OpenStrataWindow(); }); });
    BindStatusTexts();
}

// The pointer-move handlers (Label1MouseMove … FormMouseMove): each control owns the moves over
// it, so they never reach the window, whose own moves clear the line.
void TForm1::BindStatusTexts() {
    const std::pair<QWidget*, const char*> texts[] = {
        {ui->Label1, "Información sobre la varianza de la población"},
        {ui->Label2, "Información sobre la distancia estandarizada"},
        {ui->Label3, "Información sobre el error de precisión"},
        {ui->Label4, "Información sobre el tamaño de la muestra"},
        {ui->Label5, "Información sobre la probabilidad de errar en la estimación"},
        {ui->GroupBox1, "Información sobre el tamaño de la población"},
        {ui->GroupBox2, "Información sobre las variables dependientes"},
        {ui->RadioButton1, "Cambia la definición de población a infinita"},
        {ui->RadioButton2, "Cambia la definición de población a finita"},
        {ui->RadioButton3, "Definie como dependiente a la varianza de la población"},
        {ui->RadioButton4, "Define como dependiente a la distancia estandarizada"},
        {ui->RadioButton5, "Define como dependiente al error de precisión"},
        {ui->RadioButton6, "Define como dependiente al tamaño de la muestra"},
        {ui->RadioButton7, "Define como dependiente al tamaño de la población"},
        {ui->Edit1, "Valores admisibles: V > 0"},
        {ui->Edit2, "Valores aconsejables: |Z| < 3"},
        {ui->Edit3, "Valores admisibles: E > 0"},
        {ui->Edit4, "Valores admisibles: 1 < n < N"},
        {ui->Edit5, "Valores admisibles: N > n"},
        {ui->Edit6, "Valores admisibles: 0 < prob < 1"},
        {ui->Button1, "Calcula el valor de la variable dependiente"},
        {ui->Button2, "Información general sobre VEK"},
        {ui->Button3, "Muestra información y controles para leer y escribir datos"},
        {ui->Button4, "Pulsa para salir del programa"},
        {ui->StaticText1, "Información sobre el muestreo aleatorio simple"},
        {this, ""},
        {ui->Shape1, ""},
    };
    for (const auto& [control, text] : texts) {
        statusTexts_.insert(control, QString::fromUtf8(text));
        if (control != this) control->setAccessibleDescription(QString::fromUtf8(text));
    }
    for (QWidget* silent : {static_cast<QWidget*>(ui->Label6), static_cast<QWidget*>(ui->Bevel2),
                            static_cast<QWidget*>(ui->Panel1), static_cast<QWidget*>(ui->Panel2)}) {
        statusTexts_.insert(silent, std::nullopt);
    }
    for (auto it = statusTexts_.cbegin(); it != statusTexts_.cend(); ++it) {
        auto* control = static_cast<QWidget*>(it.key());
        control->setMouseTracking(true);
        Watch(control);
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    auto* control = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::MouseMove:
            if (statusTexts_.contains(watched)) {
                ShowStatusFor(control);
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (helpWindows_.contains(watched) && IsLeftClickInside(control, event)) {
                const int number = helpWindows_.value(watched);
                // Label5Click shows Form12 directly: OpenHelpWindow stops at Form10.
                Guarded([&] {
                    if (number == vek::platform::kErrorProbabilityHelp)
                        OpenWindow(number);
                    else
                        OpenHelpWindow(static_cast<unsigned>(number));
                });
            }
            break;
        case QEvent::FocusOut:
            // A field disabled while it had the focus was not left by the user.
            if (fields_.contains(watched) && control->isEnabled() && LeavesTheField(event)) {
                const Field left = fields_.value(watched);
                const std::string typed = field(left)->text().toStdString();
                Guarded([&] { Apply([&] { session_.LeaveField(left, typed); }); });
            }
            break;
        case QEvent::ContextMenu:
            // A field's own menu (now Spanish), with the exploring window added.
            if (fields_.contains(watched)) {
                const std::unique_ptr<QMenu> menu(
                    static_cast<QLineEdit*>(control)->createStandardContextMenu());
                menu->addSeparator();
                AddExploreActions(*menu, false);
                menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
                return true;
            }
            break;
        case QEvent::FocusIn:
            if (fields_.contains(watched) && LeavesTheField(event)) {
                const Field entered = fields_.value(watched);
                Guarded([&] { Apply([&] { session_.EnterField(entered); }); });
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Keyboard order, regional settings, ending --------------------------------------------

// In each frame only the chosen option is a stop; disabled controls are skipped.
bool TForm1::IsTabStop(const QWidget* widget) const {
    if (widget == nullptr || widget->window() != this || !widget->isEnabled() ||
        !widget->isVisibleTo(this)) {
        return false;
    }
    if (const auto* option = qobject_cast<const QRadioButton*>(widget)) return option->isChecked();
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

bool TForm1::focusNextPrevChild(bool next) {
    QWidget* start = focusWidget() != nullptr ? focusWidget() : this;
    QWidget* candidate = start;
    do {
        candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (IsTabStop(candidate)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (candidate != start);
    return false;
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        session_.SetSeparator(vek::platform::SystemDecimalSeparator());
    }
    QWidget::changeEvent(event);
}

// The main window ends the program, whatever other windows are open.
void TForm1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    QCoreApplication::quit();
}
