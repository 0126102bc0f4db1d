// SPDX-License-Identifier: GPL-3.0-or-later
// The strata window's table: the strata as typed, a row each, and each stratum's result beside
// them. Input cells keep their text as typed, the response rate as a percentage; a cell that
// planning refuses is red with the reason as its tooltip. The results are those of the last valid
// design, greyed while any cell is refused.
#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "planning/input_refusal.h"
#include "planning/strata_file.h"

class StrataTableModel final : public QAbstractTableModel {
public:
    // The input columns in kStrataColumns' order, then the results.
    static constexpr int kInputColumns = static_cast<int>(vek::planning::kStrataColumns.size());
    enum ResultColumn { ResultN = kInputColumns, ResultShare, ResultError, ResultContacts };
    static constexpr int kColumns = ResultContacts + 1;
    static constexpr int kSizesColumn = static_cast<int>(vek::planning::StrataColumn::n);

    explicit StrataTableModel(char separator, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void SetSeparator(char separator) { separator_ = separator; }
    // Called after each cell the user edits.
    void OnEdited(std::function<void()> edited) { edited_ = std::move(edited); }
    void AddRow();
    void RemoveRows(int first, int count);

    // The strata as planning reads them: the rows that hold any text, in order, the response
    // rate as a strata file holds a percentage; and the table row of each.
    std::vector<vek::planning::StratumText> Strata() const;
    int RowOfStratum(std::size_t stratum) const;

    // The refused cells (planning's stratum indices) and the design to show; a stale design is
    // the last valid one, greyed.
    void SetRefusals(const std::vector<vek::planning::StrataRefusal>& refusals);
    void SetDesign(std::shared_ptr<const vek::planning::StratifiedDesign> design, bool stale);
    // The text a refused cell holds in the table, for the refusal's wording.
    QString CellText(const vek::planning::StrataRefusal& refusal) const;

    struct Pasted {
        std::optional<vek::planning::InputRefusal> refusal;  // nothing pasted then
        bool sizes = false;  // a column n was filled: the strata are given their sizes
    };
    // Tab-separated rows as spreadsheets copy them, from the cell at `row` and `column`, adding
    // rows as needed. A first row of column names (the window's titles or the strata file's)
    // places each column; the digits may be grouped.
    Pasted Paste(std::string_view text, int row, int column);
    // The rows of a strata file, replacing every row.
    void SetTable(const vek::planning::StrataTable& table);

    // Whether the column n shows, with the method "Fijada".
    void ShowSizes(bool shown) { sizesShown_ = shown; }
    // The table as shown, its header first, blank rows left out, then the total's row.
    QList<QStringList> Lines() const;
    QString TabSeparated() const;
    QString Html() const;

private:
    // Each row's stratum, counting the rows that hold any text; none for a blank row.
    void Reindex();
    QString ResultText(int row, int column) const;
    QList<int> ShownColumns() const;
    std::string Typed(std::string_view text, vek::planning::StrataColumn column,
                      bool fileRate) const;
    void Grow(int rows);

    char separator_;
    std::function<void()> edited_;
    std::vector<vek::planning::StratumText> rows_;
    std::vector<std::optional<std::size_t>> strata_;
    std::vector<int> stratumRows_;
    std::map<std::pair<int, int>, QString> refused_;  // the reason of each red cell
    std::shared_ptr<const vek::planning::StratifiedDesign> design_;
    bool stale_ = false;
    bool sizesShown_ = false;
};
