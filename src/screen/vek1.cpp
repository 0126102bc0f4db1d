#include "screen/vek1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTime>
#include <QTimer>
#include <array>
#include <iterator>

#include "model/clock.h"
#include "model/fields.h"
#include "model/recalc.h"
#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/regional.h"
#include "platform/windows.h"
#include "ui_vek1.h"

using vek::Field;
using vek::Population;
using vek::platform::Guard;
using vek::platform::Guarded;

namespace {

constexpr std::array kAllFields = {Field::V, Field::Z, Field::E, Field::n, Field::N, Field::prob};
// Every field but N, whose look follows the population type.
constexpr std::array kFieldsButN = {Field::V, Field::Z, Field::E, Field::n, Field::prob};

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kSilver(192, 192, 192);
const QColor kBlack(0, 0, 0);

constexpr int kIndependentPoints = 8;
constexpr int kDependentPoints = 10;
constexpr int kClockIntervalMs = 1000;
constexpr int kFirstHelpWindow = 2;
constexpr int kLastHelpWindow = 10;
constexpr int kProbabilityHelpWindow = 12;

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

}  // namespace

TForm1::TForm1(vek::ModelState& state, QWidget* parent)
    : QWidget(parent), ui(new Ui::TForm1), state_(state) {
    ui->setupUi(this);
    vek::platform::UsePixelFonts(this);
    vek::platform::UseDialogFrame(this, vek::platform::TitleButtons::None);
    Timer1 = new QTimer(this);
    Timer1->setInterval(kClockIntervalMs);
    ConnectHandlers();
    FormCreate();
}

TForm1::~TForm1() {
    delete ui;
}

void TForm1::FormCreate() {
    StartTime.start();
    separator_ = vek::platform::SystemDecimalSeparator();
    Timer1->start();
}

Population TForm1::population() const {
    return ui->RadioButton2->isChecked() ? Population::Finite : Population::Infinite;
}

std::int64_t TForm1::secondsSinceStart() const {
    return StartTime.elapsed() / 1000;
}

QLineEdit* TForm1::field(Field field) const {
    switch (field) {
        case Field::V:
            return ui->Edit1;
        case Field::Z:
            return ui->Edit2;
        case Field::E:
            return ui->Edit3;
        case Field::n:
            return ui->Edit4;
        case Field::N:
            return ui->Edit5;
        case Field::prob:
            break;
    }
    return ui->Edit6;
}

QRadioButton* TForm1::DependentOption(std::uint8_t code) const {
    const std::array options = {ui->RadioButton3, ui->RadioButton4, ui->RadioButton5,
                                ui->RadioButton6, ui->RadioButton7};
    if (code < vek::kFirstDependentCode || code > vek::kLastDependentCode) return nullptr;
    return options[code - vek::kFirstDependentCode];
}

// ---- Variable switching -------------------------------------------------------------------

void TForm1::SetFieldPoints(Field which, int points) {
    QLineEdit* edit = field(which);
    vek::platform::SetFontPoints(edit, points);
    edit->resize(edit->width(), FieldHeight(points));
}

void TForm1::ApplyDependentVariable() {
    const bool finite = population() == Population::Finite;
    for (Field f : kFieldsButN)
        field(f)->setEnabled(true);
    if (finite) ui->Edit5->setEnabled(true);
    for (Field f : kAllFields)
        SetFieldPoints(f, kIndependentPoints);
    for (Field f : kFieldsButN)
        SetColour(field(f), QPalette::Base, kWhite);
    if (finite) SetColour(ui->Edit5, QPalette::Base, kWhite);
    for (Field f : vek::DependentFields(state_.DependentVariable)) {
        field(f)->setEnabled(false);
        SetFieldPoints(f, kDependentPoints);
        SetColour(field(f), QPalette::Base, kYellow);
    }
}

void TForm1::SetPopulationType(unsigned kind) {
    if (kind == 1) {
        SetColour(ui->Edit5, QPalette::Base, kSilver);
        SetColour(ui->Edit5, QPalette::Text, kSilver);
        ui->Edit5->setEnabled(false);
        ui->RadioButton7->setEnabled(false);
        if (ui->RadioButton7->isChecked()) {
            ChooseDependentOption(static_cast<std::uint8_t>(Field::n));
            vek::SwitchPopulation(state_, Population::Infinite);
            ApplyDependentVariable();
        }
    } else if (kind == 2) {
        SetColour(ui->Edit5, QPalette::Base, kWhite);
        SetColour(ui->Edit5, QPalette::Text, kBlack);
        ui->Edit5->setEnabled(true);
        ui->RadioButton7->setEnabled(true);
    }
}

void TForm1::OpenHelpWindow(unsigned index) {
    if (index < kFirstHelpWindow || index > kLastHelpWindow) return;
    if (QWidget* window = vek::platform::Window(static_cast<int>(index))) {
        vek::platform::ShowWindow(window);
    }
}

void TForm1::RecalculateDependent() {
    WriteFieldTexts(vek::RecalculateDependent(state_, population(), separator_));
}

void TForm1::WriteFieldTexts(const std::vector<vek::FieldText>& texts) {
    for (const auto& [which, text] : texts)
        field(which)->setText(QString::fromStdString(text));
}

void TForm1::ChooseDependentOption(std::uint8_t code) {
    if (QRadioButton* option = DependentOption(code)) {
        const QSignalBlocker quiet(option);
        option->setChecked(true);
    }
}

void TForm1::ChoosePopulationOption(Population population) {
    QRadioButton* option = population == Population::Finite ? ui->RadioButton2 : ui->RadioButton1;
    const QSignalBlocker quiet(option);
    option->setChecked(true);
}

// ---- Handlers -----------------------------------------------------------------------------

void TForm1::Label1Click() {
    OpenHelpWindow(2);
}
void TForm1::Label2Click() {
    OpenHelpWindow(3);
}
void TForm1::Label3Click() {
    OpenHelpWindow(4);
}
void TForm1::Label4Click() {
    OpenHelpWindow(5);
}
void TForm1::GroupBox1Click() {
    OpenHelpWindow(6);
}
void TForm1::GroupBox2Click() {
    OpenHelpWindow(7);
}
void TForm1::StaticText1Click() {
    OpenHelpWindow(8);
}
void TForm1::Button2Click() {
    OpenHelpWindow(9);
}
void TForm1::Button3Click() {
    OpenHelpWindow(10);
}

void TForm1::Label5Click() {
    if (QWidget* window = vek::platform::Window(kProbabilityHelpWindow)) {
        vek::platform::ShowWindow(window);
    }
}

void TForm1::Button1Click() {
    RecalculateDependent();
}
void TForm1::Button4Click() {
    close();
}

void TForm1::RadioButton1Click() {
    SetPopulationType(1);
    RecalculateDependent();
}

void TForm1::RadioButton2Click() {
    SetPopulationType(2);
    RecalculateDependent();
}

void TForm1::ChooseDependent(std::uint8_t code) {
    state_.DependentVariable = code;
    ApplyDependentVariable();
}

void TForm1::RadioButton3Click() {
    ChooseDependent(1);
}
void TForm1::RadioButton4Click() {
    ChooseDependent(2);
}
void TForm1::RadioButton5Click() {
    ChooseDependent(3);
}
void TForm1::RadioButton6Click() {
    ChooseDependent(4);
}
void TForm1::RadioButton7Click() {
    ChooseDependent(5);
}

void TForm1::LeaveField(Field which) {
    const std::string text = field(which)->text().toStdString();
    WriteFieldTexts(vek::LeaveField(state_, which, text, population(), separator_).texts);
}

void TForm1::Edit1Exit() {
    LeaveField(Field::V);
}
void TForm1::Edit2Exit() {
    LeaveField(Field::Z);
}
void TForm1::Edit3Exit() {
    LeaveField(Field::E);
}
void TForm1::Edit4Exit() {
    LeaveField(Field::n);
}
void TForm1::Edit5Exit() {
    LeaveField(Field::N);
}
void TForm1::Edit6Exit() {
    LeaveField(Field::prob);
}

void TForm1::Edit2Enter() {
    ui->RadioButton4->setText(QStringLiteral("   Z"));
}
void TForm1::Edit6Enter() {
    ui->RadioButton4->setText(QStringLiteral("   prob."));
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

void TForm1::Bind(QHash<QObject*, Handler>& table, QWidget* control, Handler handler) {
    table.insert(control, handler);
    control->installEventFilter(this);
}

void TForm1::Run(Handler handler) {
    Guarded([this, handler] { (this->*handler)(); });
}

void TForm1::ConnectHandlers() {
    const std::pair<QPushButton*, Handler> buttons[] = {
        {ui->Button1, &TForm1::Button1Click},
        {ui->Button2, &TForm1::Button2Click},
        {ui->Button3, &TForm1::Button3Click},
        {ui->Button4, &TForm1::Button4Click},
    };
    for (const auto& [button, handler] : buttons) {
        connect(button, &QPushButton::clicked, this, [this, handler] { Run(handler); });
    }
    // An option's handler runs only when the user chooses it; ChooseDependentOption and
    // ChoosePopulationOption choose with the option's signals blocked.
    const std::pair<QRadioButton*, Handler> options[] = {
        {ui->RadioButton1, &TForm1::RadioButton1Click},
        {ui->RadioButton2, &TForm1::RadioButton2Click},
        {ui->RadioButton3, &TForm1::RadioButton3Click},
        {ui->RadioButton4, &TForm1::RadioButton4Click},
        {ui->RadioButton5, &TForm1::RadioButton5Click},
        {ui->RadioButton6, &TForm1::RadioButton6Click},
        {ui->RadioButton7, &TForm1::RadioButton7Click},
    };
    for (const auto& [option, handler] : options) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool chosen) {
            if (chosen) Run(handler);
        });
    }
    // Labels, frames and the title cannot take the focus: they open their window on release.
    Bind(clicks_, ui->Label1, &TForm1::Label1Click);
    Bind(clicks_, ui->Label2, &TForm1::Label2Click);
    Bind(clicks_, ui->Label3, &TForm1::Label3Click);
    Bind(clicks_, ui->Label4, &TForm1::Label4Click);
    Bind(clicks_, ui->Label5, &TForm1::Label5Click);
    Bind(clicks_, ui->GroupBox1, &TForm1::GroupBox1Click);
    Bind(clicks_, ui->GroupBox2, &TForm1::GroupBox2Click);
    Bind(clicks_, ui->StaticText1, &TForm1::StaticText1Click);

    Bind(exits_, ui->Edit1, &TForm1::Edit1Exit);
    Bind(exits_, ui->Edit2, &TForm1::Edit2Exit);
    Bind(exits_, ui->Edit3, &TForm1::Edit3Exit);
    Bind(exits_, ui->Edit4, &TForm1::Edit4Exit);
    Bind(exits_, ui->Edit5, &TForm1::Edit5Exit);
    Bind(exits_, ui->Edit6, &TForm1::Edit6Exit);
    Bind(enters_, ui->Edit2, &TForm1::Edit2Enter);
    Bind(enters_, ui->Edit6, &TForm1::Edit6Enter);

    connect(Timer1, &QTimer::timeout, this, Guard([this] { Timer1Timer(); }));
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
        control->installEventFilter(this);
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
            if (clicks_.contains(watched) && IsLeftClickInside(control, event)) {
                Run(clicks_.value(watched));
            }
            break;
        case QEvent::FocusOut:
            // A field disabled while it had the focus was not left by the user.
            if (exits_.contains(watched) && control->isEnabled() && LeavesTheField(event)) {
                Run(exits_.value(watched));
            }
            break;
        case QEvent::FocusIn:
            if (enters_.contains(watched) && LeavesTheField(event)) Run(enters_.value(watched));
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
        separator_ = vek::platform::SystemDecimalSeparator();
    }
    QWidget::changeEvent(event);
}

// The main window ends the program, whatever other windows are open.
void TForm1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    QCoreApplication::quit();
}
