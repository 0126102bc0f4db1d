// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/grid_table_model.h"

#include <QBrush>
#include <QColor>

#include "explore/spanish.h"
#include "planning/table.h"
#include "platform/shown.h"

using vek::platform::Shown;

namespace {

using vek::planning::GridCell;

const QColor kNearest(255, 255, 160);

QString Name(vek::planning::Variable variable) {
    const std::string_view name = vek::planning::NameOf(variable);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

void GridTableModel::SetGrid(std::shared_ptr<const vek::planning::Grid> grid, bool contacts) {
    beginResetModel();
    grid_ = std::move(grid);
    contacts_ = contacts;
    endResetModel();
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !grid_ ? 0 : static_cast<int>(grid_->rows());
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !grid_ ? 0 : static_cast<int>(grid_->columns());
}

QString GridTableModel::CellText(int row, int column) const {
    const GridCell& cell = grid_->cell(row, column);
    switch (cell.outcome) {
        case GridCell::Outcome::Refused:
            return QStringLiteral("Rechazado");
        case GridCell::Outcome::Failed: {
            // The message is not kept in the cell: the point is computed again.
            const vek::ScreenSession point = grid_->PointAt(row, column).session;
            return Shown(point.text(vek::FieldOf(point.dependent())));
        }
        case GridCell::Outcome::Computed:
            break;
    }
    const std::optional<vek::Quantity> shown = contacts_ ? cell.contacts : cell.value;
    return shown ? Shown(vek::QuantityToText(*shown, grid_->base.separator()))
                 : QStringLiteral("—");
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !grid_) return {};
    const bool nearest = index.row() == grid_->nearestRow && index.column() == grid_->nearestColumn;
    switch (role) {
        case Qt::DisplayRole:
            return CellText(index.row(), index.column());
        case Qt::ToolTipRole:
            if (grid_->cell(index.row(), index.column()).outcome == GridCell::Outcome::Refused) {
                const auto refusal = grid_->PointAt(index.row(), index.column()).refusal;
                return vek::explore::Refused(*refusal, grid_->base.separator());
            }
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return nearest ? QVariant(QBrush(kNearest)) : QVariant();
        case Qt::AccessibleDescriptionRole:
            return nearest ? QVariant(QStringLiteral("La más cercana a la pantalla principal"))
                           : QVariant();
        default:
            return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || !grid_) return {};
    const vek::planning::Sweep& sweep = grid_->sweeps[orientation == Qt::Vertical ? 0 : 1];
    return vek::explore::ValueLabel(sweep.variable(), sweep.at(section), grid_->base.separator());
}

QList<QStringList> GridTableModel::Lines() const {
    QList<QStringList> lines;
    if (!grid_) return lines;
    QStringList headings = {Name(grid_->sweeps[0].variable()) + QStringLiteral(" \\ ") +
                            Name(grid_->sweeps[1].variable())};
    for (int column = 0; column < columnCount(); ++column)
        headings << headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << headings;
    for (int row = 0; row < rowCount(); ++row) {
        QStringList line = {headerData(row, Qt::Vertical, Qt::DisplayRole).toString()};
        for (int column = 0; column < columnCount(); ++column)
            line << CellText(row, column);
        lines << line;
    }
    return lines;
}

QString GridTableModel::TabSeparated() const {
    QString text;
    for (const QStringList& line : Lines())
        text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QByteArray GridTableModel::Csv() const {
    if (!grid_) return {};
    const char delimiter = vek::planning::CsvDelimiter(grid_->base.separator());
    std::string csv;
    for (const QStringList& line : Lines()) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (i > 0) csv += delimiter;
            vek::planning::AppendCsvField(csv, line[i].toStdString(), delimiter);
        }
        csv += '\n';
    }
    return QByteArray::fromStdString(csv);
}
