// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window's grid as a table: one row per row value, one column per column value,
// each cell the dependent variable (or the contacts) as the screen would show it.
#pragma once

#include <QAbstractTableModel>
#include <memory>

#include "planning/exploring.h"

class GridTableModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shared, not copied: a grid may hold a million cells.
    void SetGrid(std::shared_ptr<const vek::planning::Grid> grid, bool contacts);
    const vek::planning::Grid* grid() const { return grid_.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The cell's text: the result, the contacts, the failed result's message, or "Rechazado"
    // where an entry was refused.
    QString CellText(int row, int column) const;
    // The grid as shown, with its headings: tab-separated, as spreadsheets paste it, or CSV in
    // the decimal separator's dialect.
    QString TabSeparated() const;
    QByteArray Csv() const;
    // The corner, then the column headings; each row heading, then its cells.
    QList<QStringList> Lines() const;

private:
    std::shared_ptr<const vek::planning::Grid> grid_;
    bool contacts_ = false;
};
