// SPDX-License-Identifier: GPL-3.0-or-later
// Stratified allocation on 10 000 strata: a total of 10 000 000 by each method (goal ≤ 50 ms),
// and the whole design for a target E, whose search allocates many totals (goal ≤ 100 ms).
#include <benchmark/benchmark.h>

#include <random>

#include "planning/allocation.h"
#include "planning/stratified.h"

namespace {

using vek::planning::AllocationMethod;

constexpr std::int64_t kStrata = 10'000;
constexpr std::int64_t kTotal = 10'000'000;

// Σ N_h is about 20 000 000, so the total takes about half of every stratum.
std::vector<vek::planning::Stratum> ManyStrata() {
    std::mt19937 random(2024);
    std::uniform_int_distribution<std::int64_t> size(200, 3800);
    std::uniform_int_distribution<std::int64_t> scaled(100, 2500);
    std::vector<vek::planning::Stratum> strata(kStrata);
    for (std::size_t h = 0; h < strata.size(); ++h) {
        vek::planning::Stratum& stratum = strata[h];
        stratum.name = std::to_string(h);
        stratum.size = size(random);
        stratum.variance = vek::Quantity::FromScaled(scaled(random));
        stratum.deviation = vek::StandardDeviationOf(stratum.variance, stratum.designEffect);
        stratum.cost = vek::Quantity::FromScaled(scaled(random) * 10);
        stratum.maximum = stratum.size;
        stratum.minimum = 2;
    }
    return strata;
}

void BM_AllocateTotal(benchmark::State& run) {
    const auto method = static_cast<AllocationMethod>(run.range(0));
    const std::vector<vek::planning::Stratum> strata = ManyStrata();
    for (auto _ : run) {
        const vek::planning::Allocator allocator(strata, method);
        benchmark::DoNotOptimize(allocator.At(kTotal));
    }
    run.SetLabel(std::string(vek::planning::NameOf(method)));
}
BENCHMARK(BM_AllocateTotal)
    ->DenseRange(static_cast<int>(AllocationMethod::Proportional),
                 static_cast<int>(AllocationMethod::Optimal))
    ->Unit(benchmark::kMillisecond);

// E 0,0001 is reached near the middle of the totals (about 10 000 000); the results of every
// stratum are included.
void BM_PlanForTargetError(benchmark::State& run) {
    const auto method = static_cast<AllocationMethod>(run.range(0));
    const std::vector<vek::planning::Stratum> strata = ManyStrata();
    const vek::ScreenSession screen(',');
    std::int64_t total = 0;
    for (auto _ : run) {
        auto design =
            vek::planning::PlanStrata(strata, {.method = method, .targetError = "0,0001"}, screen);
        total = design ? design->total : -1;
        benchmark::DoNotOptimize(design);
    }
    run.SetLabel(std::string(vek::planning::NameOf(method)) + ", T " + std::to_string(total));
}
BENCHMARK(BM_PlanForTargetError)
    ->DenseRange(static_cast<int>(AllocationMethod::Proportional),
                 static_cast<int>(AllocationMethod::Optimal))
    ->Unit(benchmark::kMillisecond);

}  // namespace
