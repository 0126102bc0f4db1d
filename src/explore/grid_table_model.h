// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window's grid as a table: one row per row value, one column per column value,
// each cell the dependent variable (or the contacts) as the screen would show it.
#pragma once

#include <QAbstractTableModel>

#include "planning/exploring.h"

class GridTableModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetGrid(const vek::planning::Grid& grid, const vek::planning::SweepText& rows,
                 const vek::planning::SweepText& columns, bool contacts);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The cell's text: the result, the contacts, or "Rechazado" where an entry was refused.
    QString CellText(int row, int column) const;
    // Rows and columns, tab-separated with a header row, as spreadsheets paste them.
    QString TabSeparated() const;

private:
    QString Heading(vek::planning::Variable variable, vek::Quantity value) const;

    vek::planning::Grid grid_;
    vek::planning::Variable rowVariable_ = vek::planning::Variable::E;
    vek::planning::Variable columnVariable_ = vek::planning::Variable::prob;
    bool contacts_ = false;
};
