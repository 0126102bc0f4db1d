// SPDX-License-Identifier: GPL-3.0-or-later
// The exploring window's refresh on the user-interface thread: a 100 × 10 grid recomputed, its
// table model reset and its chart series replaced. The goal is one frame, 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include "explore/explore_window.h"
#include "platform/dialogs.h"

namespace {

void BM_ExploreRefresh(benchmark::State& run) {
    vek::ScreenSession session(',');
    ExploreContext context;
    context.session = &session;
    context.dialogs = &vek::platform::dialogs();
    context.useAsV = [](std::string_view) {};
    ExploreWindow window(context);
    // As typed by the user: 100 rows of E and 10 columns of prob.
    for (const auto& [name, values] :
         {std::pair{"rowValues", "0,001:0,1:0,001"}, std::pair{"columnValues", "0,01:0,1:0,01"}}) {
        auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name));
        edit->setText(QString::fromUtf8(values));
        emit edit->textEdited(edit->text());
    }
    if (!window.grid() || window.grid()->rows() != 100)
        run.SkipWithError("the grid is not 100 rows");
    for (auto _ : run)
        window.Refresh();
}
BENCHMARK(BM_ExploreRefresh)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
