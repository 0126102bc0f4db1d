// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a strata design: a first line "METHOD TOTAL [FIXED]" names the method and fixes
// the total (TOTAL is nT for a total n, eE for a target E, cC for a budget, nothing for given),
// and the rest is the strata file, read from memory with ';' between fields and ',' as decimal
// separator, or with ',' and '.' when the first line starts with '.'. Whatever the reader, the
// strata or the design refuse is a typed refusal, and nothing escapes. A design that is planned
// keeps every property the rule promises:
// - its sizes sum to the total and each lies within its stratum's bounds;
// - moving one unit between any two strata never lowers Σ a_h² / n_h;
// - with a budget the cost stays within it, and the next unit of the sequence would not fit;
// - with a target E the error reaches it, and the total before does not;
// - the allocation equals the rule applied one unit at a time, where that is short enough.
// Whatever the design, the strata written back as a file read as the same strata, and the cells
// a table marks begin with the refusal of the first refused row.
#include <cstdint>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "planning/allocation.h"
#include "planning/strata_file.h"
#include "planning/table.h"
#include "require.h"

namespace {

using vek::Quantity;
using vek::planning::AllocationMethod;
using vek::planning::StrataProblem;

constexpr vek::planning::CsvLimits kLimits{.blockBytes = 256, .recordBytes = 1024};
constexpr std::int64_t kLongestWalk = 4000;  // units × strata checked unit by unit

struct Request {
    vek::planning::StrataRequest typed;
    char separator = ',';
};

// "METHOD [nT|eE|cC] [FIXED]"; none for a line that names no method.
std::optional<Request> RequestOf(std::string_view line) {
    Request request;
    if (line.starts_with('.')) {
        request.separator = '.';
        line.remove_prefix(1);
    }
    std::istringstream words{std::string(line)};
    std::string method;
    std::string total;
    std::string fixed;
    words >> method >> total >> fixed;
    const auto named = vek::planning::AllocationMethodNamed(method);
    if (!named) return std::nullopt;
    request.typed.method = *named;
    if (total.size() > 1) {
        const std::string value = total.substr(1);
        if (total[0] == 'n') request.typed.totalN = value;
        if (total[0] == 'e') request.typed.targetError = value;
        if (total[0] == 'c') request.typed.budget = value;
    }
    if (!fixed.empty()) request.typed.fixedCost = fixed;
    return request;
}

long double Objective(long double weight, std::int64_t n) {
    return weight / static_cast<long double>(n);
}

// Moving a unit from i to j changes Σ a²/n by what i loses less what j gains; neither may be
// bigger than rounding noise below 0.
void CheckNoBetterNeighbour(const vek::planning::StratifiedDesign& design) {
    const std::size_t strata = design.strata.size();
    for (std::size_t i = 0; i < strata; ++i) {
        const vek::planning::Stratum& from = design.strata[i];
        const std::int64_t nFrom = design.results[i].n;
        if (nFrom == from.minimum) continue;
        const long double weightFrom = WeightSquared(design.method, from);
        const long double loss = Objective(weightFrom, nFrom - 1) - Objective(weightFrom, nFrom);
        for (std::size_t j = 0; j < strata; ++j) {
            const vek::planning::Stratum& to = design.strata[j];
            const std::int64_t nTo = design.results[j].n;
            if (j == i || nTo == to.maximum) continue;
            const long double weightTo = WeightSquared(design.method, to);
            const long double gain = Objective(weightTo, nTo) - Objective(weightTo, nTo + 1);
            REQUIRE(loss - gain >= -1e-15L * (loss + gain));
        }
    }
}

std::vector<std::int64_t> SizesOf(const vek::planning::StratifiedDesign& design) {
    std::vector<std::int64_t> n;
    for (const auto& result : design.results)
        n.push_back(result.n);
    return n;
}

void CheckDesign(const vek::planning::StratifiedDesign& design, const Request& request,
                 const vek::ScreenSession& screen) {
    const std::vector<std::int64_t> n = SizesOf(design);
    std::int64_t total = 0;
    for (std::size_t h = 0; h < n.size(); ++h) {
        REQUIRE(design.strata[h].minimum <= n[h] && n[h] <= design.strata[h].maximum);
        total += n[h];
    }
    REQUIRE(total == design.total);
    if (design.method == AllocationMethod::Given) return;
    CheckNoBetterNeighbour(design);
    const vek::planning::Allocator allocator(design.strata, design.method);
    const std::int64_t units = total - allocator.smallest();
    if (units * static_cast<std::int64_t>(n.size()) <= kLongestWalk) {
        REQUIRE(n == AllocateUnitByUnit(design.strata, design.method, total));
    }
    if (design.budget) {
        REQUIRE(design.cost <= *design.budget);
        if (total < allocator.largest()) {
            // The sequence's next unit goes to the one stratum that grows; its cost must not fit.
            const std::vector<std::int64_t> next = allocator.At(total + 1);
            std::int64_t unitCost = 0;
            for (std::size_t h = 0; h < next.size(); ++h) {
                if (next[h] != n[h]) unitCost = design.strata[h].cost.scaled();
            }
            std::int64_t costAfter = 0;
            REQUIRE(__builtin_add_overflow(design.cost.scaled(), unitCost, &costAfter) ||
                    costAfter > design.budget->scaled());
        }
    }
    if (request.typed.targetError) {
        const Quantity target =
            *vek::QuantityFromText(*request.typed.targetError, request.separator);
        const Quantity distance = screen.state().StandardDistance;
        REQUIRE(design.error <= target);
        if (total > allocator.smallest()) {
            REQUIRE(StratifiedError(design.strata, allocator.At(total - 1), distance) > target);
        }
    }
}

void CheckWrittenBack(const vek::planning::StrataTable& table, char separator) {
    const std::string written = vek::planning::StrataFileText(table.columns, table.rows, separator);
    vek::planning::CsvReader reader(written, vek::planning::CsvDelimiter(separator));
    const auto read = vek::planning::ReadStrataTable(reader);
    const auto* again = std::get_if<vek::planning::StrataTable>(&read);
    REQUIRE(again != nullptr && again->columns == table.columns &&
            again->rows.size() == table.rows.size());
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        for (const vek::planning::StrataColumn column : table.columns)
            REQUIRE(again->rows[row][column] == table.rows[row][column]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t lineEnd = bytes.find('\n');
    if (lineEnd == std::string_view::npos) return 0;
    const std::optional<Request> request = RequestOf(bytes.substr(0, lineEnd));
    if (!request) return 0;
    const std::string_view file = bytes.substr(lineEnd + 1);
    vek::planning::CsvReader reader(file, vek::planning::CsvDelimiter(request->separator), kLimits);
    auto read = vek::planning::ReadStrataTable(reader);
    const auto* table = std::get_if<vek::planning::StrataTable>(&read);
    if (table == nullptr) return 0;
    REQUIRE(table->lines.size() == table->rows.size());
    CheckWrittenBack(*table, request->separator);
    auto strata = vek::planning::StrataOf(table->columns, table->rows, request->separator,
                                          request->typed.method);
    const auto cells =
        vek::planning::RefusedCells(table->rows, request->separator, request->typed.method);
    if (!strata) {
        const auto& refusal = strata.refusal();
        REQUIRE(!refusal.stratum || *refusal.stratum <= table->rows.size());
        const bool row = refusal.stratum && refusal.problem != StrataProblem::TooManyStrata;
        REQUIRE(!row || (!cells.empty() && cells.front() == refusal));
        return 0;
    }
    REQUIRE(cells.empty());
    const vek::ScreenSession screen(request->separator);
    const auto design = vek::planning::PlanStrata(std::move(*strata), request->typed, screen);
    if (design) CheckDesign(*design, *request, screen);
    return 0;
}
