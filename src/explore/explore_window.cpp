// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/explore_window.h"

#include <QBuffer>
#include <QChart>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <exception>
#include <utility>

#include "cli/english.h"
#include "explore/grid_chart.h"
#include "files/save_file.h"
#include "planning/paragraph.h"
#include "platform/dialogs.h"
#include "ui_explore_window.h"

using vek::Quantity;
using vek::planning::Variable;

namespace {

constexpr Variable kChoices[] = {Variable::V, Variable::Z,    Variable::prob,
                                 Variable::E, Variable::n,    Variable::N,
                                 Variable::p, Variable::deff, Variable::response_rate};
constexpr std::int64_t kHundredPercent = 100;

QString Shown(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Typed(const QLineEdit* edit) {
    return edit->text().trimmed().toStdString();
}

QString NotANumber(const QLineEdit* edit, char separator) {
    return QStringLiteral("«%1» no es un número (separador decimal «%2»).")
        .arg(edit->text(), QChar::fromLatin1(separator));
}

vek::platform::FileDialogRequest TableExportRequest() {
    return {QStringLiteral("VEK: Exportar tabla"), QStringLiteral("tabla.csv"),
            QStringLiteral("Archivos CSV (*.csv)|*.csv|Todos los archivos|*.*"),
            QStringLiteral("csv")};
}

vek::platform::FileDialogRequest ChartExportRequest() {
    return {QStringLiteral("VEK: Exportar gráfico"), QStringLiteral("grafico.png"),
            QStringLiteral("Imágenes PNG (*.png)|*.png|Imágenes SVG (*.svg)|*.svg"),
            QStringLiteral("png")};
}

}  // namespace

ExploreWindow::ExploreWindow(ExploreContext context, QWidget* parent)
    : ExploreView(parent), ui(std::make_unique<Ui::ExploreWindow>()), context_(std::move(context)) {
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    ui->chartView->setChart(chart_);
    ui->chartView->setRenderHint(QPainter::Antialiasing);
    ui->table->setModel(&model_);
    ui->splitter->setSizes({380, 520});
    FillVariableChoices();
    ConnectHandlers();
    Refresh();
}

ExploreWindow::~ExploreWindow() = default;

template <class Handler>
void ExploreWindow::Guarded(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        context_.dialogs->message(this, vek::platform::MessageIcon::Error, QStringLiteral("VEK"),
                                  QString::fromUtf8(error.what()));
    }
}

void ExploreWindow::FillVariableChoices() {
    for (QComboBox* choice : {ui->rowVariable, ui->columnVariable}) {
        for (const Variable variable : kChoices)
            choice->addItem(TitleOf(variable), static_cast<int>(variable));
    }
}

void ExploreWindow::ConnectHandlers() {
    const auto refresh = [this] { Guarded([this] { Refresh(); }); };
    for (QLineEdit* edit :
         {ui->proportionEdit, ui->deffEdit, ui->iccEdit, ui->clusterEdit, ui->responseEdit}) {
        connect(edit, &QLineEdit::textChanged, this, refresh);
    }
    for (QLineEdit* edit : {ui->rowValues, ui->columnValues}) {
        connect(edit, &QLineEdit::textEdited, this, [this, refresh] {
            axesEdited_ = true;
            refresh();
        });
    }
    connect(ui->rowVariable, &QComboBox::activated, this, [this] { AxisChosen(true); });
    connect(ui->columnVariable, &QComboBox::activated, this, [this] { AxisChosen(false); });
    connect(ui->deffDirect, &QRadioButton::toggled, this, refresh);
    connect(ui->showContacts, &QCheckBox::toggled, this, refresh);
    connect(ui->logScale, &QCheckBox::toggled, this, [this] { Guarded([this] { ShowGrid(); }); });
    connect(ui->useAsVButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { UseAsV(); }); });
    connect(ui->exportTable, &QPushButton::clicked, this,
            [this] { Guarded([this] { ExportTable(); }); });
    connect(ui->exportChart, &QPushButton::clicked, this,
            [this] { Guarded([this] { ExportChart(); }); });
    connect(ui->copyTable, &QPushButton::clicked, this,
            [this] { Guarded([this] { CopyTable(); }); });
    connect(ui->copyParagraph, &QPushButton::clicked, this,
            [this] { Guarded([this] { CopyParagraph(); }); });
}

// ---- Following the main screen -------------------------------------------------------------

void ExploreWindow::Refresh() {
    if (refreshing_) return;
    refreshing_ = true;
    const vek::ScreenSession& main = *context_.session;
    ui->useAsVButton->setEnabled(main.EditabilityOf(vek::Field::V) == vek::Editability::Editable);
    if (axesDependent_ != main.state().DependentVariable) {
        axesDependent_ = main.state().DependentVariable;
        axesEdited_ = false;
    }
    if (!axesEdited_)
        ChooseAxes(vek::planning::DefaultRows(main), vek::planning::DefaultColumns(main));

    QString message = ReadDesign();
    vek::ScreenSession base = main;
    base.SetDesign(design_);
    vek::ScreenSession designed = base;
    try {
        designed.RecalculateDependent();
    } catch (const vek::InvalidFloatingPointOperation&) {
        message = QStringLiteral("La varianza de la pantalla principal es negativa.");
        grid_.reset();
    }
    if (message.isEmpty()) message = ReadAxes(base);
    ui->messageLabel->setText(message);
    ShowSummary(main, designed);
    ShowGrid();
    ui->paragraph->setPlainText(Shown(vek::planning::ProtocolParagraph(designed)));
    refreshing_ = false;
}

QString ExploreWindow::ReadDesign() {
    design_ = {};
    const char separator = context_.session->separator();
    const auto read = [separator](const QLineEdit* edit) {
        return vek::QuantityFromText(Typed(edit), separator);
    };
    if (!ui->proportionEdit->text().trimmed().isEmpty()) {
        const auto p = read(ui->proportionEdit);
        if (!p) return NotANumber(ui->proportionEdit, separator);
        if (!vek::VarianceOfProportion(*p)) {
            return QStringLiteral("La proporción esperada debe estar entre 0 y 1, sin incluirlos.");
        }
    }
    vek::Design design;
    if (ui->deffDirect->isChecked()) {
        const auto d = read(ui->deffEdit);
        if (!d) return NotANumber(ui->deffEdit, separator);
        if (!vek::IsDesignEffect(*d))
            return QStringLiteral("El efecto de diseño debe ser mayor que 0.");
        design.designEffect = *d;
    } else {
        const auto icc = read(ui->iccEdit);
        if (!icc) return NotANumber(ui->iccEdit, separator);
        const auto size = read(ui->clusterEdit);
        if (!size) return NotANumber(ui->clusterEdit, separator);
        const auto d = vek::DesignEffectOfClusters(*icc, *size);
        if (!d) {
            return QStringLiteral(
                "La correlación intraclase debe estar entre 0 y 1, y el tamaño medio del "
                "conglomerado ser al menos 1.");
        }
        design.designEffect = *d;
    }
    const auto percent = read(ui->responseEdit);
    if (!percent) return NotANumber(ui->responseEdit, separator);
    const Quantity rate = vek::Rounded(percent->value() / kHundredPercent);
    if (percent->value() > kHundredPercent || !vek::IsResponseRate(rate)) {
        return QStringLiteral("La tasa de respuesta debe ser mayor que 0 % y no pasar del 100 %.");
    }
    design.responseRate = rate;
    design_ = design;
    return {};
}

QString ExploreWindow::ReadAxes(const vek::ScreenSession& base) {
    rows_ = {static_cast<Variable>(ui->rowVariable->currentData().toInt()), Typed(ui->rowValues)};
    columns_ = {static_cast<Variable>(ui->columnVariable->currentData().toInt()),
                Typed(ui->columnValues)};
    for (const auto* axis : {&rows_, &columns_}) {
        if (!vek::planning::ParseSweep(vek::planning::SweepArgument(*axis), base.separator())
                 .sweep) {
            grid_.reset();
            return QStringLiteral(
                       "Los valores de %1 deben ser DESDE:HASTA:PASO o A/B/C, con «%2» "
                       "como separador decimal.")
                .arg(axis == &rows_ ? QStringLiteral("las filas") : QStringLiteral("las columnas"),
                     QChar::fromLatin1(base.separator()));
        }
    }
    vek::planning::GridResult result = vek::planning::ComputeGrid(base, rows_, columns_);
    grid_ = std::move(result.grid);
    if (grid_) return {};
    return QStringLiteral(
        "Filas y columnas deben ser dos variables independientes distintas (ni Z con prob, ni p "
        "con V, ni N en una población infinita), con un millón de celdas como mucho.");
}

void ExploreWindow::ShowSummary(const vek::ScreenSession& main,
                                const vek::ScreenSession& designed) {
    const auto dependent = vek::DependentFields(main.state().DependentVariable);
    if (dependent.empty()) return;
    const std::optional<Quantity> contacts = designed.Contacts();
    ui->summaryLabel->setText(
        QStringLiteral("%1: %2 por muestreo aleatorio simple; %3 con el diseño; contactos "
                       "necesarios: %4.")
            .arg(QString::fromLatin1(vek::SymbolOf(dependent.front()).data()),
                 Shown(main.ResultText()), Shown(designed.ResultText()),
                 contacts ? Shown(vek::QuantityToText(*contacts, main.separator()))
                          : QStringLiteral("—")));
}

void ExploreWindow::ShowGrid() {
    if (!grid_) {
        model_.SetGrid({}, rows_, columns_, false);
        chart_->removeAllSeries();
        return;
    }
    const bool contacts = ui->showContacts->isChecked();
    model_.SetGrid(*grid_, rows_, columns_, contacts);
    ui->logScale->setEnabled(SpansOrdersOfMagnitude(*grid_, contacts));
    const bool logarithmic = ui->logScale->isEnabled() && ui->logScale->isChecked();
    ui->chartView->setAccessibleDescription(
        ::ShowGrid(*chart_, {&*grid_, rows_, columns_, contacts, logarithmic}));
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
    Guarded([this] { Refresh(); });
}

// ---- Actions -------------------------------------------------------------------------------

void ExploreWindow::UseAsV() {
    context_.useAsV(Typed(ui->proportionEdit));
}

QByteArray ExploreWindow::TableCsv() const {
    const char separator = context_.session->separator();
    std::string csv = vek::planning::CsvHeader(separator);
    if (grid_) {
        for (const vek::planning::ResultRow& cell : grid_->cells)
            vek::planning::AppendCsv(csv, cell, separator, vek::cli::InEnglish);
    }
    return QByteArray::fromStdString(csv);
}

QByteArray ExploreWindow::ChartImage(bool svg) const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(ui->chartView->size());
        generator.setViewBox(ui->chartView->rect());
        generator.setTitle(windowTitle());
        QPainter painter(&generator);
        ui->chartView->render(&painter);
    } else {
        ui->chartView->grab().save(&buffer, "PNG");
    }
    return buffer.data();
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
        Save(*path, TableCsv());
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
