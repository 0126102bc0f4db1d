// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/strata_window.h"

#include <QChart>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <exception>
#include <functional>

#include "explore/design_report.h"
#include "explore/spanish.h"
#include "explore/strata_chart.h"
#include "files/save_file.h"
#include "planning/exploring.h"
#include "planning/paragraph.h"
#include "planning/technical_sheet.h"
#include "platform/dialogs.h"
#include "platform/shown.h"
#include "ui_strata_window.h"

using vek::platform::Shown;

using vek::planning::AllocationMethod;
using vek::planning::DesignValue;
using vek::planning::StrataRefusal;

namespace {

constexpr AllocationMethod kMethods[] = {AllocationMethod::Proportional, AllocationMethod::Equal,
                                         AllocationMethod::Neyman, AllocationMethod::Optimal,
                                         AllocationMethod::Given};
constexpr DesignValue kTotals[] = {DesignValue::TotalN, DesignValue::TargetError,
                                   DesignValue::Budget};
const QColor kRefusedField(255, 190, 190);
constexpr int kRowPadding = 6;
constexpr qreal kStaleOpacity = 0.4;

QString Text(vek::Quantity value, char separator) {
    return Shown(vek::QuantityToText(value, separator));
}

const char* const kCsvFilter = "Archivos CSV (*.csv)|*.csv|Todos los archivos|*.*";

vek::platform::FileDialogRequest CsvRequest(const char* title, const char* name) {
    return {QString::fromUtf8(title), QString::fromUtf8(name), QString::fromUtf8(kCsvFilter),
            QStringLiteral("csv")};
}

// A cell's text is committed as it is typed, so the results follow every keystroke.
class LiveDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            connect(line, &QLineEdit::textEdited, line,
                    [self = self_, line] { emit self->commitData(line); });
        }
        return editor;
    }

private:
    LiveDelegate* const self_ = this;
};

// Red with the reason as its tooltip, or as it was laid out.
void MarkRefused(QLineEdit* edit, const QString& why) {
    QPalette palette;
    if (!why.isEmpty()) palette.setColor(QPalette::Base, kRefusedField);
    edit->setPalette(palette);
    edit->setToolTip(why.isEmpty() ? edit->accessibleDescription() : why);
}

}  // namespace

StrataWindow::StrataWindow(ExploreContext context, QWidget* parent)
    : ExploreView(parent),
      ui(std::make_unique<Ui::StrataWindow>()),
      context_(std::move(context)),
      model_(context_.session->separator()) {
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    for (const AllocationMethod method : kMethods)
        ui->methodChoice->addItem(vek::explore::MethodTitle(method), static_cast<int>(method));
    for (const DesignValue value : kTotals)
        ui->totalChoice->addItem(vek::explore::ValueTitle(value), static_cast<int>(value));
    const vek::ScreenSession& main = *context_.session;
    ui->totalEdit->setText(Text(main.state().SampleSize, main.separator()));
    ui->fixedCostEdit->setText(QStringLiteral("0"));
    chart_ = new QChart;
    chart_->setMargins({});
    chart_->legend()->setAlignment(Qt::AlignBottom);
    ui->chartView->setChart(chart_);
    ui->chartView->setRenderHint(QPainter::Antialiasing);
    ui->table->setModel(&model_);
    ui->table->setItemDelegate(new LiveDelegate(ui->table));
    ui->table->verticalHeader()->setDefaultSectionSize(ui->table->fontMetrics().height() +
                                                       kRowPadding);
    ui->table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->table->installEventFilter(this);
    ConnectHandlers();
    ShowChoices();
    Refresh();
    // Ready for a paste into its first cell.
    ui->table->setCurrentIndex(model_.index(0, 0));
    ui->table->setFocus();
}

StrataWindow::~StrataWindow() = default;

template <class Handler>
void StrataWindow::Guarded(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        context_.dialogs->message(this, vek::platform::MessageIcon::Error, QStringLiteral("VEK"),
                                  QString::fromUtf8(error.what()));
    }
}

void StrataWindow::ConnectHandlers() {
    model_.OnEdited([this] { Guarded([this] { Compute(); }); });
    const auto chosen = [this] {
        Guarded([this] {
            ShowChoices();
            Compute();
        });
    };
    connect(ui->methodChoice, &QComboBox::activated, this, chosen);
    connect(ui->totalChoice, &QComboBox::activated, this, chosen);
    for (QLineEdit* edit : {ui->totalEdit, ui->fixedCostEdit})
        connect(edit, &QLineEdit::textEdited, this, [this] { Guarded([this] { Compute(); }); });
    const std::pair<QPushButton*, void (StrataWindow::*)()> actions[] = {
        {ui->openStrata, &StrataWindow::OpenStrata},
        {ui->saveStrata, &StrataWindow::SaveStrata},
        {ui->addRow, &StrataWindow::AddRow},
        {ui->removeRow, &StrataWindow::RemoveRows},
        {ui->copySheet, &StrataWindow::CopySheet},
        {ui->exportResults, &StrataWindow::ExportResults},
        {ui->copyTable, &StrataWindow::CopyTable},
        {ui->copyCommand, &StrataWindow::CopyCommand},
        {ui->pdfReport, &StrataWindow::SaveReport},
    };
    for (const auto& [button, action] : actions) {
        connect(button, &QPushButton::clicked, this,
                [this, action = action] { Guarded([this, action] { (this->*action)(); }); });
    }
}

bool StrataWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        Guarded([this] { Paste(); });
        return true;
    }
    return ExploreView::eventFilter(watched, event);
}

// ---- The choices --------------------------------------------------------------------------

AllocationMethod StrataWindow::Method() const {
    return static_cast<AllocationMethod>(ui->methodChoice->currentData().toInt());
}

void StrataWindow::ChooseMethod(AllocationMethod method) {
    ui->methodChoice->setCurrentIndex(ui->methodChoice->findData(static_cast<int>(method)));
    ShowChoices();
}

// None with "Fijada", which takes each stratum's n from the table.
std::optional<DesignValue> StrataWindow::FixedBy() const {
    if (Method() == AllocationMethod::Given) return std::nullopt;
    return static_cast<DesignValue>(ui->totalChoice->currentData().toInt());
}

vek::planning::StrataRequest StrataWindow::Request() const {
    vek::planning::StrataRequest request{.method = Method()};
    const std::string value = ui->totalEdit->text().trimmed().toStdString();
    switch (FixedBy().value_or(DesignValue::FixedCost)) {
        case DesignValue::TotalN:
            request.totalN = value;
            break;
        case DesignValue::TargetError:
            request.targetError = value;
            break;
        case DesignValue::Budget:
            request.budget = value;
            request.fixedCost = ui->fixedCostEdit->text().trimmed().toStdString();
            if (request.fixedCost->empty()) request.fixedCost.reset();
            break;
        case DesignValue::FixedCost:
            break;
    }
    return request;
}

void StrataWindow::ShowChoices() {
    const bool given = Method() == AllocationMethod::Given;
    ui->totalChoice->setEnabled(!given);
    ui->totalEdit->setEnabled(!given);
    ui->fixedCostEdit->setEnabled(FixedBy() == DesignValue::Budget);
    ui->table->setColumnHidden(StrataTableModel::kSizesColumn, !given);
    model_.ShowSizes(given);
}

// ---- Planning ----------------------------------------------------------------------------

void StrataWindow::Refresh() {
    const vek::ScreenSession& main = *context_.session;
    model_.SetSeparator(main.separator());
    ui->distanceLabel->setText(vek::explore::DistanceAndConfidence(main) +
                               QStringLiteral(", de la pantalla principal"));
    Compute();
}

void StrataWindow::Compute() {
    const vek::ScreenSession& main = *context_.session;
    const char separator = main.separator();
    const AllocationMethod method = Method();
    const std::vector<vek::planning::StratumText> rows = model_.Strata();
    std::vector<StrataRefusal> cells = vek::planning::RefusedCells(rows, separator, method);
    auto strata = vek::planning::StrataOf(vek::planning::FilledColumns(rows, method), rows,
                                          separator, method);
    std::optional<StrataRefusal> refusal;
    if (strata) {
        auto design = vek::planning::PlanStrata(std::move(*strata), Request(), main);
        if (design) {
            shown_ = std::make_shared<const vek::planning::StratifiedDesign>(std::move(*design));
        } else {
            refusal = design.refusal();
        }
    } else {
        refusal = strata.refusal();
    }
    if (refusal && refusal->stratum) cells.push_back(*refusal);
    model_.SetRefusals(cells);
    stale_ = refusal.has_value();
    ShowRefusal(refusal);
    ShowDesign();
}

void StrataWindow::ShowRefusal(const std::optional<StrataRefusal>& refusal) {
    const char separator = context_.session->separator();
    // The total's field or the fixed cost's, where the refusal is of its value.
    const auto why = [&](bool fixedCost) {
        const bool its =
            refusal && refusal->value && (refusal->value == DesignValue::FixedCost) == fixedCost;
        return its ? vek::explore::StrataRefused(*refusal, separator) : QString();
    };
    MarkRefused(ui->totalEdit, why(false));
    MarkRefused(ui->fixedCostEdit, why(true));
    if (!refusal) return;
    StrataRefusal told = *refusal;
    told.text = model_.CellText(*refusal).toStdString();
    ui->sumLabel->setText(vek::explore::StrataToMend(told, separator));
}

void StrataWindow::ShowDesign() {
    model_.SetDesign(shown_, stale_);
    chart_->setOpacity(stale_ ? kStaleOpacity : 1.0);
    ui->sheet->setEnabled(!stale_);
    for (QPushButton* output :
         {ui->exportResults, ui->copyTable, ui->copyCommand, ui->pdfReport, ui->copySheet}) {
        output->setEnabled(shown_ && !stale_);
    }
    if (!stale_) ui->sumLabel->setText(SumText());
    if (!shown_) return;
    const vek::ScreenSession& main = *context_.session;
    ui->sheet->setPlainText(Shown(vek::planning::StratifiedSheet(*shown_, main)).trimmed());
    ui->chartView->setAccessibleDescription(
        vek::explore::ShowStrata(*chart_, *shown_, main.separator()));
}

QString StrataWindow::SumText() const {
    const char separator = context_.session->separator();
    const vek::planning::StratifiedDesign& design = *shown_;
    QString text = QStringLiteral("Total: n = %1 · E = %2 · %3 contactos · coste %4")
                       .arg(QString::number(design.total), Text(design.error, separator),
                            Text(design.contacts, separator), Text(design.cost, separator));
    if (design.unspent) {
        text += QStringLiteral(" · quedan %1 del presupuesto de %2")
                    .arg(Text(*design.unspent, separator), Text(*design.budget, separator));
    }
    return text;
}

// ---- Actions ------------------------------------------------------------------------------

void StrataWindow::Paste() {
    const QModelIndex at = ui->table->currentIndex();
    const int column =
        at.isValid() && at.column() < StrataTableModel::kInputColumns ? at.column() : 0;
    const StrataTableModel::Pasted pasted = model_.Paste(
        QGuiApplication::clipboard()->text().toStdString(), at.isValid() ? at.row() : 0, column);
    if (pasted.refusal) {
        context_.dialogs->message(
            this, vek::platform::MessageIcon::Warning, QStringLiteral("VEK"),
            QStringLiteral("No he podido pegar: ") + vek::explore::InputRefused(*pasted.refusal));
        return;
    }
    if (pasted.sizes) ChooseMethod(AllocationMethod::Given);
    Compute();
}

void StrataWindow::AddRow() {
    model_.AddRow();
    ui->table->setCurrentIndex(model_.index(model_.rowCount() - 1, 0));
    ui->table->setFocus();
}

void StrataWindow::RemoveRows() {
    QList<int> rows;
    for (const QModelIndex& index : ui->table->selectionModel()->selectedIndexes())
        rows << index.row();
    if (rows.isEmpty() && ui->table->currentIndex().isValid())
        rows << ui->table->currentIndex().row();
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const int row : rows)
        model_.RemoveRows(row, 1);
    Compute();
}

void StrataWindow::OpenStrata() {
    const auto path =
        context_.dialogs->openFileName(this, CsvRequest("VEK: Abrir estratos", "estratos.csv"));
    if (!path) return;
    const std::optional<QByteArray> bytes = vek::ReadBytes(*path);
    if (!bytes) {
        context_.dialogs->message(
            this, vek::platform::MessageIcon::Error, QStringLiteral("Error"),
            QStringLiteral("No he podido leer «") + *path + QStringLiteral("» "));
        return;
    }
    const char separator = context_.session->separator();
    vek::planning::CsvReader reader(std::string_view(bytes->constData(), bytes->size()),
                                    vek::planning::CsvDelimiter(separator));
    const auto read = vek::planning::ReadStrataTable(reader);
    if (const auto* refusal = std::get_if<vek::planning::InputRefusal>(&read)) {
        context_.dialogs->message(this, vek::platform::MessageIcon::Error, QStringLiteral("Error"),
                                  QStringLiteral("No he podido leer «") + *path +
                                      QStringLiteral("»: ") + vek::explore::InputRefused(*refusal));
        return;
    }
    const auto& table = std::get<vek::planning::StrataTable>(read);
    model_.SetTable(table);
    const bool sizes = std::find(table.columns.begin(), table.columns.end(),
                                 vek::planning::StrataColumn::n) != table.columns.end();
    if (sizes) {
        ChooseMethod(AllocationMethod::Given);
    } else if (Method() == AllocationMethod::Given) {
        ChooseMethod(AllocationMethod::Proportional);
    }
    shown_.reset();
    Compute();
}

QByteArray StrataWindow::StrataFile() const {
    const std::vector<vek::planning::StratumText> rows = model_.Strata();
    return QByteArray::fromStdString(vek::planning::StrataFileText(
        vek::planning::FilledColumns(rows, Method()), rows, context_.session->separator()));
}

QString StrataWindow::Command() const {
    std::string command = "vek-calc";
    for (const std::string& argument :
         vek::planning::StrataCalcArguments(*context_.session, Request()))
        command += " " + argument;
    return Shown(vek::planning::WithHereDocument(command, StrataFile().toStdString()));
}

QByteArray StrataWindow::ResultsCsv() const {
    if (!shown_) return {};
    return QByteArray::fromStdString(
        vek::planning::StrataCsv(*shown_, context_.session->separator()));
}

void StrataWindow::Save(const QString& path, const QByteArray& bytes) {
    if (vek::SaveBytes(path, bytes) != vek::SaveResult::Saved) {
        context_.dialogs->message(
            this, vek::platform::MessageIcon::Error, QStringLiteral("Error"),
            QStringLiteral("No he podido escribir «") + path + QStringLiteral("» "));
    }
}

void StrataWindow::SaveStrata() {
    if (const auto path = context_.dialogs->saveFileName(
            this, CsvRequest("VEK: Guardar estratos", "estratos.csv"))) {
        Save(*path, StrataFile());
    }
}

void StrataWindow::ExportResults() {
    if (const auto path = context_.dialogs->saveFileName(
            this, CsvRequest("VEK: Exportar resultados", "resultados.csv"))) {
        Save(*path, ResultsCsv());
    }
}

void StrataWindow::CopyTable() {
    auto* data = new QMimeData;
    data->setText(model_.TabSeparated());
    data->setHtml(model_.Html());
    QGuiApplication::clipboard()->setMimeData(data);
}

void StrataWindow::CopyCommand() {
    QGuiApplication::clipboard()->setText(Command());
}

void StrataWindow::CopySheet() {
    QGuiApplication::clipboard()->setText(ui->sheet->toPlainText() + QLatin1Char('\n'));
}

void StrataWindow::SaveReport() {
    const auto path = context_.dialogs->saveFileName(
        this, {QStringLiteral("VEK: Informe del diseño"),
               QString::fromUtf8(vek::explore::kReportFileName),
               QStringLiteral("Documentos PDF (*.pdf)|*.pdf"), QStringLiteral("pdf")});
    if (!path || !shown_) return;
    const vek::ScreenSession& main = *context_.session;
    const std::shared_ptr<const vek::planning::StratifiedDesign> design = shown_;
    vek::explore::DesignReport report;
    report.title = QStringLiteral("Diseño estratificado de la muestra");
    report.sheet = Shown(vek::planning::StratifiedSheet(*design, main));
    report.paragraph = Shown(vek::planning::StratifiedParagraph(*design, main));
    report.tableTitle = QStringLiteral("Estratos");
    report.table = model_.Lines();
    report.chart = [design, main](QChart& chart) {
        vek::explore::ShowStrata(chart, *design, main.separator());
        chart.setTitle(vek::explore::StrataChartTitle(*design, main));
    };
    report.command = Command();
    Save(*path, vek::explore::DesignPdf(report, QDate::currentDate()));
}
