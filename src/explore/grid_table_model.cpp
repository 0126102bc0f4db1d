// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/grid_table_model.h"

#include <QBrush>
#include <QColor>

namespace {

const QColor kNearest(255, 255, 160);

QString Shown(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void GridTableModel::SetGrid(const vek::planning::Grid& grid, const vek::planning::SweepText& rows,
                             const vek::planning::SweepText& columns, bool contacts) {
    beginResetModel();
    grid_ = grid;
    rowVariable_ = rows.variable;
    columnVariable_ = columns.variable;
    contacts_ = contacts;
    endResetModel();
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(grid_.rows());
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(grid_.columns());
}

QString GridTableModel::CellText(int row, int column) const {
    const vek::planning::ResultRow& cell = grid_.cell(row, column);
    if (cell.refusal) return QStringLiteral("Rechazado");
    return Shown(contacts_ && !cell.contacts.empty() ? cell.contacts : cell.result);
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return CellText(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            if (index.row() == grid_.nearestRow && index.column() == grid_.nearestColumn) {
                return QBrush(kNearest);
            }
            return {};
        case Qt::AccessibleDescriptionRole:
            if (index.row() == grid_.nearestRow && index.column() == grid_.nearestColumn) {
                return QStringLiteral("La más cercana a la pantalla principal");
            }
            return {};
        default:
            return {};
    }
}

QString GridTableModel::Heading(vek::planning::Variable variable, vek::Quantity value) const {
    return QString::fromLatin1(vek::planning::NameOf(variable).data()) + QStringLiteral(" = ") +
           Shown(vek::QuantityToText(value, grid_.separator));
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || grid_.sweeps.size() < 2) return {};
    if (orientation == Qt::Vertical) return Heading(rowVariable_, grid_.sweeps[0].at(section));
    return Heading(columnVariable_, grid_.sweeps[1].at(section));
}

QString GridTableModel::TabSeparated() const {
    QString text = QString::fromLatin1(vek::planning::NameOf(rowVariable_).data()) +
                   QStringLiteral(" \\ ") +
                   QString::fromLatin1(vek::planning::NameOf(columnVariable_).data());
    for (int column = 0; column < columnCount(); ++column)
        text += QLatin1Char('\t') + headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    text += QLatin1Char('\n');
    for (int row = 0; row < rowCount(); ++row) {
        text += Shown(vek::QuantityToText(grid_.sweeps[0].at(row), grid_.separator));
        for (int column = 0; column < columnCount(); ++column)
            text += QLatin1Char('\t') + CellText(row, column);
        text += QLatin1Char('\n');
    }
    return text;
}
