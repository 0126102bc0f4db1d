// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/explore_window.h"

#include <QChart>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <exception>
#include <utility>

#include "cli/english.h"
#include "explore/design_report.h"
#include "explore/grid_chart.h"
#include "explore/spanish.h"
#include "files/save_file.h"
#include "help/concept_window.h"
#include "planning/paragraph.h"
#include "planning/table.h"
#include "planning/technical_sheet.h"
#include "platform/dialogs.h"
#include "platform/shown.h"
#include "platform/windows.h"
#include "ui_explore_window.h"

using vek::platform::Shown;

using vek::Quantity;
using vek::planning::Variable;

namespace {

constexpr Variable kChoices[] = {Variable::V, Variable::Z,    Variable::prob,
                                 Variable::E, Variable::n,    Variable::N,
                                 Variable::p, Variable::deff, Variable::response_rate};
// After this long a computation shows that it is under way.
constexpr int kBusyAfterMilliseconds = 100;
// The chart for a document, in pixels.
constexpr QSize kDocumentSize(1600, 1000);
// Room around a cell's text: the view's margins and the grid line.
constexpr int kCellPadding = 14;
constexpr int kRowPadding = 6;
constexpr std::int64_t kHundred = 100;

std::string Typed(const QLineEdit* edit) {
    return edit->text().trimmed().toStdString();
}

vek::platform::FileDialogRequest TableExportRequest() {
    return {QStringLiteral("VEK: Exportar tabla"), QStringLiteral("tabla.csv"),
            QStringLiteral("Archivos CSV (*.csv)|*.csv|Todos los archivos|*.*"),
            QStringLiteral("csv")};
}

vek::platform::FileDialogRequest DataExportRequest() {
    return {QStringLiteral("VEK: Exportar datos"), QStringLiteral("datos.csv"),
            QStringLiteral("Archivos CSV (*.csv)|*.csv|Todos los archivos|*.*"),
            QStringLiteral("csv")};
}

vek::platform::FileDialogRequest ChartExportRequest() {
    return {QStringLiteral("VEK: Exportar gráfico"), QStringLiteral("grafico.png"),
            QStringLiteral("Imagen PNG (*.png)|*.png|Gráfico SVG (*.svg)|*.svg"),
            QStringLiteral("png")};
}

// Six lines each, side by side: all that a 1024 × 768 screen leaves. A simple design's paragraph
// and sheet show whole; with ρ and m and a rate both scroll a line or two at the least width.
int ProseHeight(const QPlainTextEdit& paragraph) {
    constexpr int kLines = 6;
    const int margin = static_cast<int>(paragraph.document()->documentMargin());
    return kLines * paragraph.fontMetrics().lineSpacing() + 2 * (margin + paragraph.frameWidth());
}

int TextLength(Quantity value, char separator) {
    return static_cast<int>(vek::QuantityToText(value, separator).size());
}

// Runs off the user-interface thread, on copies only.
ExploreOutcome Explored(const vek::ScreenSession& screen, const vek::Design& design,
                        std::vector<vek::planning::Sweep> sweeps, const std::stop_token& stop,
                        std::uint64_t generation) {
    ExploreOutcome outcome;
    outcome.generation = generation;
    try {
        std::optional<vek::planning::Exploration> exploration =
            vek::planning::Explore(screen, design, std::move(sweeps), stop);
        if (!exploration) return outcome;
        const char separator = screen.separator();
        for (const vek::planning::GridCell& cell : exploration->grid.cells) {
            if (cell.outcome != vek::planning::GridCell::Outcome::Computed) {
                outcome.anyFailed = true;
                continue;
            }
            outcome.widestValue = std::max(outcome.widestValue, TextLength(cell.value, separator));
            if (cell.contacts) {
                outcome.widestContacts =
                    std::max(outcome.widestContacts, TextLength(*cell.contacts, separator));
            }
        }
        outcome.exploration =
            std::make_shared<const vek::planning::Exploration>(std::move(*exploration));
    } catch (const vek::InvalidFloatingPointOperation&) {
        outcome.negativeVariance = true;
    }
    return outcome;
}

}  // namespace

ExploreWindow::ExploreWindow(ExploreContext context, QWidget* parent)
    : ExploreView(parent), ui(std::make_unique<Ui::ExploreWindow>()), context_(std::move(context)) {
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    chart_ = new QChart;
    ui->chartView->setChart(chart_);
    ui->chartView->setRenderHint(QPainter::Antialiasing);
    chart_->legend()->hide();
    ui->chartView->setMinimumSize(vek::explore::LeastChartSize(*chart_));
    for (QPlainTextEdit* prose : {ui->paragraph, ui->sheet})
        prose->setFixedHeight(ProseHeight(*prose));
    ui->table->setModel(&model_);
    ui->table->verticalHeader()->setDefaultSectionSize(ui->table->fontMetrics().height() +
                                                       kRowPadding);
    busyTimer_.setSingleShot(true);
    busyTimer_.setInterval(kBusyAfterMilliseconds);
    conceptLabels_ = {
        {ui->proportionLabel, vek::explore::Concept::Proportion},
        {ui->deffLabel, vek::explore::Concept::DesignEffect},
        {ui->iccLabel, vek::explore::Concept::Clusters},
        {ui->clusterLabel, vek::explore::Concept::Clusters},
        {ui->responseLabel, vek::explore::Concept::ResponseRate},
    };
    ConnectHandlers();
    Refresh();
}

ExploreWindow::~ExploreWindow() {
    stop_.request_stop();
}

template <class Handler>
void ExploreWindow::Guarded(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        context_.dialogs->message(this, vek::platform::MessageIcon::Error, QStringLiteral("VEK"),
                                  QString::fromUtf8(error.what()));
    }
}

void ExploreWindow::ConnectHandlers() {
    const auto edited = [this] { Guarded([this] { Refresh(); }); };
    for (QLineEdit* edit :
         {ui->proportionEdit, ui->deffEdit, ui->iccEdit, ui->clusterEdit, ui->responseEdit}) {
        connect(edit, &QLineEdit::textEdited, this, edited);
    }
    for (QLineEdit* edit : {ui->rowValues, ui->columnValues}) {
        connect(edit, &QLineEdit::textEdited, this, [this, edited] {
            axesEdited_ = true;
            edited();
        });
    }
    connect(ui->rowVariable, &QComboBox::activated, this,
            [this] { Guarded([this] { AxisChosen(true); }); });
    connect(ui->columnVariable, &QComboBox::activated, this,
            [this] { Guarded([this] { AxisChosen(false); }); });
    connect(ui->clustersCheck, &QCheckBox::toggled, this, [this, edited](bool clusters) {
        ui->deffEdit->setEnabled(!clusters);
        ui->iccEdit->setEnabled(clusters);
        ui->clusterEdit->setEnabled(clusters);
        edited();
    });
    connect(ui->showContacts, &QCheckBox::toggled, this,
            [this] { Guarded([this] { ShowGrid(); }); });
    connect(ui->logScale, &QCheckBox::toggled, this, [this] { Guarded([this] { ShowChart(); }); });
    connect(&watcher_, &QFutureWatcher<ExploreOutcome>::finished, this,
            [this] { Guarded([this] { Computed(watcher_.result()); }); });
    connect(&busyTimer_, &QTimer::timeout, this, [this] { ShowBusy(computing()); });
    connect(ui->splitter, &QSplitter::splitterMoved, this, [this] { splitterMoved_ = true; });
    const std::pair<QPushButton*, void (ExploreWindow::*)()> actions[] = {
        {ui->useAsVButton, &ExploreWindow::UseAsV},
        {ui->exportTable, &ExploreWindow::ExportTable},
        {ui->exportData, &ExploreWindow::ExportData},
        {ui->exportChart, &ExploreWindow::ExportChart},
        {ui->copyTable, &ExploreWindow::CopyTable},
        {ui->copyParagraph, &ExploreWindow::CopyParagraph},
        {ui->copySheet, &ExploreWindow::CopySheet},
        {ui->copyCommand, &ExploreWindow::CopyCommand},
        {ui->pdfReport, &ExploreWindow::SaveReport},
        {ui->openStrata, &ExploreWindow::OpenStrata},
    };
    for (const auto& [button, action] : actions) {
        connect(button, &QPushButton::clicked, this,
                [this, action = action] { Guarded([this, action] { (this->*action)(); }); });
    }
    for (QObject* label : conceptLabels_.keys())
        label->installEventFilter(this);
    ui->splitter->installEventFilter(this);
}

bool ExploreWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
            if (conceptLabels_.contains(watched) &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                Guarded([&] { OpenNote(conceptLabels_.value(watched)); });
            }
            break;
        case QEvent::Resize:
            if (watched == ui->splitter) FitTableWidth();
            break;
        default:
            break;
    }
    return ExploreView::eventFilter(watched, event);
}

// ---- Reading the inputs -----------------------------------------------------------------

void ExploreWindow::Refresh() {
    const vek::ScreenSession& main = *context_.session;
    OfferAxes(main);
    if (axesDependent_ != main.dependent()) {
        axesDependent_ = main.dependent();
        axesEdited_ = false;
    }
    if (!axesEdited_)
        ChooseAxes(vek::planning::DefaultRows(main), vek::planning::DefaultColumns(main));
    const QString design = ReadDesign();
    const QString axes = ReadAxes(main);
    const QString proportion = ReadProportion(main);
    refused_ = !design.isEmpty() ? design : !axes.isEmpty() ? axes : proportion;
    // A refused proportion changes nothing shown: it only waits to be used as V.
    inputsRefused_ = !design.isEmpty() || !axes.isEmpty();
    ShowState();
    Compute(main);
}

void ExploreWindow::OfferAxes(const vek::ScreenSession& main) {
    std::vector<Variable> offered;
    for (const Variable variable : kChoices) {
        if (!vek::planning::WhyNotEnterable(main, variable)) offered.push_back(variable);
    }
    if (offered == offered_) return;
    offered_ = offered;
    for (QComboBox* choice : {ui->rowVariable, ui->columnVariable}) {
        const QVariant chosen = choice->currentData();
        const QSignalBlocker quiet(choice);
        choice->clear();
        for (const Variable variable : offered)
            choice->addItem(vek::explore::TitleOf(variable), static_cast<int>(variable));
        const int again = choice->findData(chosen);
        if (again < 0) axesEdited_ = false;
        choice->setCurrentIndex(std::max(again, 0));
    }
}

void ExploreWindow::ChooseAxes(const vek::planning::SweepText& rows,
                               const vek::planning::SweepText& columns) {
    ui->rowVariable->setCurrentIndex(ui->rowVariable->findData(static_cast<int>(rows.variable)));
    ui->rowValues->setText(Shown(rows.values));
    ui->columnVariable->setCurrentIndex(
        ui->columnVariable->findData(static_cast<int>(columns.variable)));
    ui->columnValues->setText(Shown(columns.values));
}

void ExploreWindow::AxisChosen(bool rows) {
    const QComboBox* choice = rows ? ui->rowVariable : ui->columnVariable;
    const auto variable = static_cast<Variable>(choice->currentData().toInt());
    (rows ? ui->rowValues : ui->columnValues)
        ->setText(Shown(vek::planning::ValuesAround(*context_.session, variable).values));
    axesEdited_ = true;
    Refresh();
}

QString ExploreWindow::ReadDesign() {
    const char separator = context_.session->separator();
    vek::ScreenSession scratch(separator);
    const bool clusters = ui->clustersCheck->isChecked();
    vek::planning::Entry entry =
        clusters ? vek::planning::EnterClusters(scratch, Typed(ui->iccEdit), Typed(ui->clusterEdit))
                 : vek::planning::Enter(scratch, Variable::deff, Typed(ui->deffEdit));
    if (!entry.refusal)
        entry = vek::planning::EnterResponsePercent(scratch, Typed(ui->responseEdit));
    ui->rateWarning->clear();
    if (entry.refusal) return vek::explore::Refused(*entry.refusal, separator, true);
    design_ = scratch.design();
    if (clusters)
        ui->deffEdit->setText(Shown(vek::QuantityToText(design_.designEffect, separator)));
    if (vek::planning::IsBelowOnePercent(design_.responseRate)) {
        // The percentage typed, and the one it most likely meant as a fraction.
        const Quantity percent = Quantity::FromScaled(design_.responseRate.scaled() * kHundred);
        const Quantity meant = Quantity::FromScaled(percent.scaled() * kHundred);
        ui->rateWarning->setText(QStringLiteral("¿%1 %? Escriba %2 para el %2 %")
                                     .arg(Shown(vek::QuantityToText(percent, separator)),
                                          Shown(vek::QuantityToText(meant, separator))));
    }
    return {};
}

QString ExploreWindow::ReadProportion(const vek::ScreenSession& main) {
    const std::string typed = Typed(ui->proportionEdit);
    // Only p's own rule: whether V takes it now is the button's business.
    vek::ScreenSession scratch(main.separator());
    const vek::planning::Entry entry =
        typed.empty() ? vek::planning::Entry{} : vek::planning::Enter(scratch, Variable::p, typed);
    ui->useAsVButton->setEnabled(!typed.empty() && !entry.refusal &&
                                 !vek::planning::WhyNotEnterable(main, Variable::p));
    if (!entry.refusal) return {};
    return vek::explore::Refused(*entry.refusal, main.separator());
}

QString ExploreWindow::ReadAxes(const vek::ScreenSession& main) {
    const vek::planning::SweepText rows = {
        static_cast<Variable>(ui->rowVariable->currentData().toInt()), Typed(ui->rowValues)};
    const vek::planning::SweepText columns = {
        static_cast<Variable>(ui->columnVariable->currentData().toInt()), Typed(ui->columnValues)};
    const vek::planning::GridPlan plan = vek::planning::PlanGrid(main, rows, columns);
    if (plan.problem) {
        return vek::explore::GridProblem(*plan.problem, plan.axis, main.separator());
    }
    rows_ = rows;
    columns_ = columns;
    return {};
}

// ---- Computing off the user-interface thread ----------------------------------------------

void ExploreWindow::Compute(const vek::ScreenSession& main) {
    vek::planning::GridPlan plan = vek::planning::PlanGrid(main, rows_, columns_);
    if (plan.problem) return;
    Request request{main.state(),   main.population(), main.separator(),  design_,
                    rows_.variable, rows_.values,      columns_.variable, columns_.values};
    if (request == requested_) return;
    requested_ = std::move(request);
    stop_.request_stop();
    stop_ = std::stop_source();
    watcher_.setFuture(
        QtConcurrent::run([screen = main, design = design_, sweeps = std::move(plan.sweeps),
                           stop = stop_.get_token(), generation = ++generation_]() mutable {
            return Explored(screen, design, std::move(sweeps), stop, generation);
        }));
    busyTimer_.start();
}

void ExploreWindow::Computed(const ExploreOutcome& outcome) {
    // A newer computation is under way.
    if (outcome.generation != generation_) return;
    busyTimer_.stop();
    ShowBusy(false);
    negativeVariance_ = outcome.negativeVariance;
    ShowState();
    if (!outcome.exploration) return;
    shown_ = outcome;
    ShowExploration();
}

// ---- Showing ------------------------------------------------------------------------------

void ExploreWindow::ShowExploration() {
    const vek::planning::Exploration& shown = *shown_.exploration;
    ShowGrid();
    const std::optional<Quantity> contacts = shown.designed.Contacts();
    ui->summaryLabel->setText(
        QStringLiteral("%1: %2 por muestreo aleatorio simple; %3 con el diseño; contactos "
                       "necesarios: %4.")
            .arg(
                QString::fromLatin1(vek::SymbolOf(vek::FieldOf(shown.designed.dependent())).data()),
                Shown(shown.simple.ResultText()), Shown(shown.designed.ResultText()),
                contacts ? Shown(vek::QuantityToText(*contacts, shown.designed.separator()))
                         : QStringLiteral("—")));
    ui->paragraph->setPlainText(Shown(vek::planning::ProtocolParagraph(shown.designed)));
    ui->sheet->setPlainText(Shown(vek::planning::TechnicalSheet(shown.designed)).trimmed());
}

void ExploreWindow::ShowGrid() {
    if (!shown_.exploration) return;
    model_.SetGrid(
        std::shared_ptr<const vek::planning::Grid>(shown_.exploration, &shown_.exploration->grid),
        ui->showContacts->isChecked());
    FitColumns();
    FitTableWidth();
    ShowChart();
}

void ExploreWindow::ShowChart() {
    const vek::planning::Grid* grid = model_.grid();
    if (grid == nullptr) return;
    const bool contacts = ui->showContacts->isChecked();
    ui->logScale->setEnabled(vek::explore::SpansOrdersOfMagnitude(*grid, contacts));
    const bool logarithmic = ui->logScale->isEnabled() && ui->logScale->isChecked();
    ui->chartView->setAccessibleDescription(
        vek::explore::ShowGrid(*chart_, {grid, contacts, logarithmic}));
    ui->legendLabel->setText(vek::explore::LegendText(*chart_));
}

// Every column as wide as the widest heading or cell text, so none is cut.
void ExploreWindow::FitColumns() {
    const int characters =
        ui->showContacts->isChecked() ? shown_.widestContacts : shown_.widestValue;
    const QFontMetrics cells = ui->table->fontMetrics();
    int width = cells.horizontalAdvance(QString(characters, QLatin1Char('0')));
    if (shown_.anyFailed) {
        width = std::max(width, cells.horizontalAdvance(QString::fromLatin1(vek::kInputErrorText)));
    }
    QHeaderView* header = ui->table->horizontalHeader();
    for (int column = 0; column < model_.columnCount(); ++column) {
        width = std::max(
            width, header->fontMetrics().horizontalAdvance(
                       model_.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()));
    }
    header->setDefaultSectionSize(width + kCellPadding);
    header->resizeSections(QHeaderView::Fixed);
    header->setSectionResizeMode(QHeaderView::Interactive);
}

// The table as wide as its columns, up to half the room, until the user moves the divider.
void ExploreWindow::FitTableWidth() {
    if (splitterMoved_ || model_.grid() == nullptr) return;
    const QTableView* table = ui->table;
    const int columns = table->horizontalHeader()->length();
    const int needed = table->verticalHeader()->sizeHint().width() + columns +
                       2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    const int room = ui->splitter->width() - ui->splitter->handleWidth();
    const int width = std::min({needed, room - ui->chartPane->minimumSizeHint().width(), room / 2});
    ui->splitter->setSizes({width, room - width});
}

void ExploreWindow::ShowState() {
    ui->messageLabel->setText(
        negativeVariance_ ? QStringLiteral("La varianza de la pantalla principal es negativa.")
                          : refused_);
    ShowStale(inputsRefused_ || negativeVariance_);
}

void ExploreWindow::ShowStale(bool stale) {
    for (QWidget* view : {static_cast<QWidget*>(ui->table), static_cast<QWidget*>(ui->chartView),
                          static_cast<QWidget*>(ui->summaryLabel),
                          static_cast<QWidget*>(ui->paragraph), static_cast<QWidget*>(ui->sheet)}) {
        view->setEnabled(!stale);
    }
    chart_->setOpacity(stale ? 0.4 : 1.0);
    for (QPushButton* output : {ui->exportTable, ui->exportData, ui->exportChart, ui->copyTable,
                                ui->copyParagraph, ui->copySheet, ui->copyCommand, ui->pdfReport}) {
        output->setEnabled(!stale);
    }
}

void ExploreWindow::ShowBusy(bool busy) {
    ui->busyLabel->setText(busy ? QStringLiteral("Calculando…") : QString());
    for (QWidget* view : {ui->table->viewport(), ui->chartView->viewport()}) {
        if (busy) {
            view->setCursor(Qt::BusyCursor);
        } else {
            view->unsetCursor();
        }
    }
}

// ---- Actions ------------------------------------------------------------------------------

void ExploreWindow::OpenNote(vek::explore::Concept topic) {
    ConceptWindow*& note = notes_[topic];
    if (note == nullptr) note = vek::explore::CreateConceptNote(topic, this);
    vek::platform::ShowWindow(note);
}

void ExploreWindow::UseAsV() {
    context_.useAsV(Typed(ui->proportionEdit));
}

QByteArray ExploreWindow::DataCsv() const {
    const char separator = context_.session->separator();
    std::string csv = vek::planning::CsvHeader(separator);
    if (const vek::planning::Grid* grid = model_.grid()) {
        for (std::int64_t index = 0; index < grid->rows() * grid->columns(); ++index)
            vek::planning::AppendCsv(csv, grid->RowAt(index), separator, vek::cli::InEnglish);
    }
    return QByteArray::fromStdString(csv);
}

QByteArray ExploreWindow::ChartImage(bool svg) const {
    const vek::planning::Grid* grid = model_.grid();
    if (grid == nullptr) return {};
    const bool contacts = ui->showContacts->isChecked();
    const bool logarithmic = ui->logScale->isEnabled() && ui->logScale->isChecked();
    return vek::explore::ChartDocument({grid, contacts, logarithmic}, kDocumentSize, svg);
}

void ExploreWindow::Save(const QString& path, const QByteArray& bytes) {
    if (vek::SaveBytes(path, bytes) != vek::SaveResult::Saved) {
        context_.dialogs->message(
            this, vek::platform::MessageIcon::Error, QStringLiteral("Error"),
            QStringLiteral("No he podido escribir «") + path + QStringLiteral("» "));
    }
}

void ExploreWindow::ExportTable() {
    if (const auto path = context_.dialogs->saveFileName(this, TableExportRequest())) {
        Save(*path, model_.Csv());
    }
}

void ExploreWindow::ExportData() {
    if (const auto path = context_.dialogs->saveFileName(this, DataExportRequest())) {
        Save(*path, DataCsv());
    }
}

void ExploreWindow::ExportChart() {
    if (const auto path = context_.dialogs->saveFileName(this, ChartExportRequest())) {
        Save(*path, ChartImage(QFileInfo(*path).suffix().compare(QLatin1String("svg"),
                                                                 Qt::CaseInsensitive) == 0));
    }
}

void ExploreWindow::CopyTable() {
    QGuiApplication::clipboard()->setText(model_.TabSeparated());
}

void ExploreWindow::CopyParagraph() {
    QGuiApplication::clipboard()->setText(ui->paragraph->toPlainText());
}

void ExploreWindow::CopySheet() {
    QGuiApplication::clipboard()->setText(ui->sheet->toPlainText() + QLatin1Char('\n'));
}

QString ExploreWindow::Command() const {
    const vek::ScreenSession& designed = shown_.exploration->designed;
    QString command = QStringLiteral("vek-calc");
    for (const std::string& argument : vek::planning::CalcArguments(designed, designed.design()))
        command += QLatin1Char(' ') + Shown(argument);
    return command;
}

void ExploreWindow::CopyCommand() {
    if (!shown_.exploration) return;
    QGuiApplication::clipboard()->setText(Command());
}

void ExploreWindow::OpenStrata() {
    context_.openStrata();
}

void ExploreWindow::SaveReport() {
    const auto path = context_.dialogs->saveFileName(
        this, {QStringLiteral("VEK: Informe del diseño"),
               QString::fromUtf8(vek::explore::kReportFileName),
               QStringLiteral("Documentos PDF (*.pdf)|*.pdf"), QStringLiteral("pdf")});
    const vek::planning::Grid* grid = model_.grid();
    if (!path || grid == nullptr) return;
    const vek::ScreenSession& designed = shown_.exploration->designed;
    vek::explore::DesignReport report;
    report.title = QStringLiteral("Diseño de la muestra");
    report.sheet = Shown(vek::planning::TechnicalSheet(designed));
    report.paragraph = Shown(vek::planning::ProtocolParagraph(designed));
    report.tableTitle = QStringLiteral("Tabla");
    report.table = model_.Lines();
    report.chart = [request = vek::explore::ChartRequest{
                        grid, ui->showContacts->isChecked(),
                        ui->logScale->isEnabled() && ui->logScale->isChecked()}](QChart& chart) {
        vek::explore::ShowGrid(chart, request);
        chart.setTitle(vek::explore::ChartTitle(*request.grid, request.contacts));
    };
    report.command = Command();
    Save(*path, vek::explore::DesignPdf(report, QDate::currentDate()));
}
