// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window's refresh. A keystroke's work on the user-interface thread must fit in a
// frame (16 ms) whatever the grid, the grid itself being computed on other threads; a small grid
// must be computed and shown within a frame too.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QThreadPool>
#include <chrono>

#include "explore/explore_window.h"
#include "platform/dialogs.h"

namespace {

using Clock = std::chrono::steady_clock;

// The window over a screen session, its axes typed by the user.
class Explorer {
public:
    Explorer(const char* rows, const char* columns) : session_(',') {
        context_.session = &session_;
        context_.dialogs = &vek::platform::dialogs();
        context_.useAsV = [](std::string_view) {};
        window_ = std::make_unique<ExploreWindow>(context_);
        Type("rowValues", rows);
        Type("columnValues", columns);
        Settle();
    }

    // A keystroke into a field: what the user-interface thread does at once.
    void Type(const char* field, const char* text) {
        auto* edit = window_->findChild<QLineEdit*>(QString::fromLatin1(field));
        edit->setText(QString::fromUtf8(text));
        emit edit->textEdited(edit->text());
    }

    // Waits for the computation and shows it.
    static void Settle() {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }

    std::int64_t cells() const {
        const auto& table = window_->table();
        return static_cast<std::int64_t>(table.rowCount()) * table.columnCount();
    }

private:
    vek::ScreenSession session_;
    ExploreContext context_;
    std::unique_ptr<ExploreWindow> window_;
};

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

constexpr const char* kThousandRows = "0,001:1:0,001";         // E
constexpr const char* kThousandColumns = "0,0001:0,1:0,0001";  // prob
constexpr const char* kHundredRows = "0,001:0,1:0,001";
constexpr const char* kTenColumns = "0,01:0,1:0,01";
// Response rates typed in turn, each a new state.
constexpr const char* kRates[] = {"70", "71", "72", "73"};

// Each keystroke into a field of a 1000 x 1000 grid: the UI thread's work, the computation of
// the previous keystroke being stopped and a new one started.
void BM_KeystrokeOnAMillionCells(benchmark::State& run) {
    Explorer explorer(kThousandRows, kThousandColumns);
    if (explorer.cells() != 1'000'000) run.SkipWithError("the grid is not 1000 x 1000");
    std::size_t next = 0;
    for (auto _ : run)
        explorer.Type("responseEdit", kRates[next++ % std::size(kRates)]);
    Explorer::Settle();
}
BENCHMARK(BM_KeystrokeOnAMillionCells)->Unit(benchmark::kMillisecond);

// The UI thread's work when a 1000 x 1000 computation ends: the table, chart, summary and
// paragraph shown.
void BM_ShowAMillionCells(benchmark::State& run) {
    Explorer explorer(kThousandRows, kThousandColumns);
    std::size_t next = 0;
    for (auto _ : run) {
        explorer.Type("responseEdit", kRates[next++ % std::size(kRates)]);
        QThreadPool::globalInstance()->waitForDone();
        const Clock::time_point start = Clock::now();
        QCoreApplication::processEvents();
        run.SetIterationTime(Seconds(Clock::now() - start));
    }
}
BENCHMARK(BM_ShowAMillionCells)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// A keystroke into a field of a 100 x 10 grid, until the new grid is shown.
void BM_RefreshAHundredByTen(benchmark::State& run) {
    Explorer explorer(kHundredRows, kTenColumns);
    if (explorer.cells() != 1000) run.SkipWithError("the grid is not 100 x 10");
    std::size_t next = 0;
    for (auto _ : run) {
        explorer.Type("responseEdit", kRates[next++ % std::size(kRates)]);
        Explorer::Settle();
    }
}
BENCHMARK(BM_RefreshAHundredByTen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
