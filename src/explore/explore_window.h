// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window: how the dependent variable moves when the others move, under a design
// effect and a response rate, as a table, a chart and a paragraph for the protocol. It follows
// the main screen live and writes into it only through "Usar como V".
//
// Every number it shows comes from one computation of its state (the main screen, the design,
// the axes), run off the user-interface thread: typing never waits for a grid of a million cells.
// Until a newer computation ends, the views keep the last one; while an input is refused they
// keep it greyed, and one message tells why.
#pragma once

#include <QFutureWatcher>
#include <QHash>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <stop_token>

#include "explore/concept_notes.h"
#include "explore/explore.h"
#include "explore/grid_table_model.h"
#include "planning/exploring.h"

class ConceptWindow;
class QChart;

namespace Ui {
class ExploreWindow;
}

// What one computation gives the views.
struct ExploreOutcome {
    std::uint64_t generation = 0;
    // None where the computation was stopped or failed.
    std::shared_ptr<const vek::planning::Exploration> exploration;
    bool negativeVariance = false;  // the main screen's V, from a file, is negative
    int widestValue = 0;            // the characters of the longest cell text
    int widestContacts = 0;
    bool anyFailed = false;  // a cell shows a failure's message or "Rechazado"
};

class ExploreWindow final : public ExploreView {
public:
    explicit ExploreWindow(ExploreContext context, QWidget* parent = nullptr);
    ~ExploreWindow() override;

    void Refresh() override;

    // What is shown, for tests and the benchmark.
    const GridTableModel& table() const { return model_; }
    bool computing() const { return watcher_.isRunning(); }
    // The long form, one row per cell, as vek-calc --sweep writes it.
    QByteArray DataCsv() const;
    // The chart for a document, 1600 × 1000 pixels.
    QByteArray ChartImage(bool svg) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The state a computation is of; an unchanged state is not computed again.
    struct Request {
        vek::ModelState state;
        vek::Population population = vek::Population::Infinite;
        char separator = ',';
        vek::Design design;
        vek::planning::Variable rows = vek::planning::Variable::E;
        std::string rowValues;
        vek::planning::Variable columns = vek::planning::Variable::prob;
        std::string columnValues;
        friend bool operator==(const Request&, const Request&) = default;
    };

    void ConnectHandlers();
    // The variables the axes may take: those that can be typed into the main screen.
    void OfferAxes(const vek::ScreenSession& main);
    void ChooseAxes(const vek::planning::SweepText& rows, const vek::planning::SweepText& columns);
    void AxisChosen(bool rows);
    // Each reads its inputs through planning and keeps the last valid ones; the Spanish message
    // of the first refused input, or empty.
    QString ReadDesign();
    QString ReadProportion(const vek::ScreenSession& main);
    QString ReadAxes(const vek::ScreenSession& main);

    void Compute(const vek::ScreenSession& main);
    void Computed(const ExploreOutcome& outcome);
    void ShowExploration();
    void ShowGrid();
    void ShowChart();
    void FitColumns();
    void FitTableWidth();
    // The message and the greyed views.
    void ShowState();
    void ShowStale(bool stale);
    void ShowBusy(bool busy);

    void OpenNote(vek::explore::Concept topic);
    void UseAsV();
    void ExportTable();
    void ExportData();
    void ExportChart();
    void CopyTable();
    void CopyParagraph();
    void CopySheet();
    QString Command() const;
    void CopyCommand();
    void OpenStrata();
    void SaveReport();
    void Save(const QString& path, const QByteArray& bytes);
    template <class Handler>
    void Guarded(Handler handler);

    std::unique_ptr<Ui::ExploreWindow> ui;
    ExploreContext context_;
    GridTableModel model_;
    QChart* chart_ = nullptr;

    // The last valid inputs.
    vek::Design design_;
    vek::planning::SweepText rows_{vek::planning::Variable::E, {}};
    vek::planning::SweepText columns_{vek::planning::Variable::prob, {}};
    // The axes follow the main screen until the user changes them; a new dependent variable
    // starts them afresh.
    bool axesEdited_ = false;
    std::optional<vek::Dependent> axesDependent_;
    std::vector<vek::planning::Variable> offered_;
    bool splitterMoved_ = false;
    QString refused_;             // the first refused input, in Spanish
    bool inputsRefused_ = false;  // a design input or an axis is refused
    bool negativeVariance_ = false;

    // The computation under way and the one shown; a result of an older generation is dropped.
    QFutureWatcher<ExploreOutcome> watcher_;
    std::stop_source stop_;
    std::uint64_t generation_ = 0;
    std::optional<Request> requested_;
    QTimer busyTimer_;
    ExploreOutcome shown_;

    QHash<QObject*, vek::explore::Concept> conceptLabels_;
    std::map<vek::explore::Concept, ConceptWindow*> notes_;
};
