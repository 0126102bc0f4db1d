// SPDX-License-Identifier: GPL-3.0-or-later
// The strata window: the strata of a stratified design as a table that takes a spreadsheet's
// paste, the method and what fixes the total, and each stratum's n, share, error and contacts,
// as a table, a chart and the technical sheet. It reads the main screen's Z and follows it.
//
// Every number it shows comes from one design, planned by planning from the table as it stands,
// exactly as vek-calc --strata plans the same strata. While a cell or the total is refused, the
// results keep the last valid design, greyed, and the sum row says what to mend.
#pragma once

#include <memory>
#include <optional>

#include "explore/explore.h"
#include "explore/strata_table_model.h"

class QChart;

namespace Ui {
class StrataWindow;
}

class StrataWindow final : public ExploreView {
public:
    explicit StrataWindow(ExploreContext context, QWidget* parent = nullptr);
    ~StrataWindow() override;

    void Refresh() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectHandlers();
    vek::planning::AllocationMethod Method() const;
    void ChooseMethod(vek::planning::AllocationMethod method);
    std::optional<vek::planning::DesignValue> FixedBy() const;
    vek::planning::StrataRequest Request() const;
    void ShowChoices();

    // Plans the design of the table as it stands and shows it, or what to mend.
    void Compute();
    void ShowDesign();
    void ShowRefusal(const std::optional<vek::planning::StrataRefusal>& refusal);
    QString SumText() const;
    // The design shown, as vek-calc --strata prints it.
    QByteArray ResultsCsv() const;
    // The strata file of the table, and the command that reproduces the results with it.
    QByteArray StrataFile() const;
    QString Command() const;

    void Paste();
    void AddRow();
    void RemoveRows();
    void OpenStrata();
    void SaveStrata();
    void ExportResults();
    void CopyTable();
    void CopyCommand();
    void CopySheet();
    void SaveReport();
    void Save(const QString& path, const QByteArray& bytes);
    template <class Handler>
    void Guarded(Handler handler);

    std::unique_ptr<Ui::StrataWindow> ui;
    ExploreContext context_;
    StrataTableModel model_;
    QChart* chart_ = nullptr;
    // The last valid design, and whether what the table holds now is refused.
    std::shared_ptr<const vek::planning::StratifiedDesign> shown_;
    bool stale_ = false;
};
