// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string_view>

#include "model/normal.h"
#include "model/quantity.h"
#include "model/recalc.h"

namespace {

void BM_QuantityFromText(benchmark::State& run, std::string_view text) {
    for (auto _ : run)
        benchmark::DoNotOptimize(vek::QuantityFromText(text, ','));
}
BENCHMARK_CAPTURE(BM_QuantityFromText, short, std::string_view("0,25"));
BENCHMARK_CAPTURE(BM_QuantityFromText, rounded, std::string_view("-1,23456e3"));
BENCHMARK_CAPTURE(BM_QuantityFromText, largest, std::string_view("922337203685477,5807"));

// 0.9999 walks the longest way through every decimal order.
void BM_ProbabilityToZ(benchmark::State& run) {
    const double probabilities[] = {0.0001, 0.05, 0.5, 0.9999};
    const double p = probabilities[run.range(0)];
    for (auto _ : run)
        benchmark::DoNotOptimize(vek::ProbabilityToZ(p));
}
BENCHMARK(BM_ProbabilityToZ)->DenseRange(0, 3);

// The state is rebuilt in every iteration so each call starts from the start-up values.
void BM_RecalculateDependent(benchmark::State& run) {
    const auto code = static_cast<std::uint8_t>(run.range(0));
    const auto population = run.range(1) != 0 ? vek::Population::Finite : vek::Population::Infinite;
    for (auto _ : run) {
        vek::ModelState state;
        state.DependentVariable = code;
        if (code == 5) state.SampleSize = vek::Quantity::FromScaled(9650000);
        benchmark::DoNotOptimize(vek::RecalculateDependent(state, population, ','));
    }
}
BENCHMARK(BM_RecalculateDependent)
    ->ArgNames({"code", "finite"})
    ->ArgsProduct({{1, 2, 3, 4}, {0, 1}})
    ->Args({5, 1});

}  // namespace
