// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window: how the dependent variable moves when the others move, under a design
// effect and a response rate, as a table, a chart and a paragraph for the protocol. It follows
// the main screen live and writes into it only through "Usar como V".
#pragma once

#include <memory>
#include <optional>

#include "explore/explore.h"
#include "explore/grid_table_model.h"
#include "planning/exploring.h"

class QChart;

namespace Ui {
class ExploreWindow;
}

class ExploreWindow final : public ExploreView {
public:
    ExploreWindow(ExploreContext context, QWidget* parent = nullptr);
    ~ExploreWindow() override;

    void Refresh() override;
    vek::Design design() const override { return design_; }

    // What is shown, for tests and the exports.
    const GridTableModel& table() const { return model_; }
    const std::optional<vek::planning::Grid>& grid() const { return grid_; }
    // The long form, one row per cell, as vek-calc --sweep writes it.
    QByteArray TableCsv() const;
    QByteArray ChartImage(bool svg) const;

private:
    void ConnectHandlers();
    void FillVariableChoices();
    // Reads the design inputs; the Spanish message for the first bad one, or empty.
    QString ReadDesign();
    QString ReadAxes(const vek::ScreenSession& base);
    void ShowSummary(const vek::ScreenSession& main, const vek::ScreenSession& designed);
    void ShowGrid();
    void ChooseAxes(const vek::planning::SweepText& rows, const vek::planning::SweepText& columns);
    void AxisChosen(bool rows);

    void UseAsV();
    void ExportTable();
    void ExportChart();
    void CopyTable();
    void CopyParagraph();
    void Save(const QString& path, const QByteArray& bytes);
    template <class Handler>
    void Guarded(Handler handler);

    std::unique_ptr<Ui::ExploreWindow> ui;
    ExploreContext context_;
    GridTableModel model_;
    QChart* chart_ = nullptr;
    vek::Design design_;
    vek::planning::SweepText rows_{vek::planning::Variable::E, {}};
    vek::planning::SweepText columns_{vek::planning::Variable::prob, {}};
    std::optional<vek::planning::Grid> grid_;
    // The axes follow the main screen until the user changes them; a new dependent variable
    // starts them afresh.
    bool axesEdited_ = false;
    std::optional<vek::Dependent> axesDependent_;
    bool refreshing_ = false;
};
