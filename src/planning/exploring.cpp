// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/exploring.h"

#include <algorithm>
#include <array>
#include <future>
#include <thread>

#include "model/pair.h"

namespace vek::planning {

namespace {

constexpr std::int64_t kAboutTenRows = 10;

bool IsDependent(const ScreenSession& session, Field field) {
    return session.EditabilityOf(field) == Editability::Dependent;
}

// The smallest of 1, 2, 5 × 10^k (in scaled units, at least one) not below `raw`.
std::int64_t RoundStep(std::int64_t raw, std::int64_t smallest) {
    for (std::int64_t power = smallest;; power *= 10) {
        for (const std::int64_t factor : {1, 2, 5}) {
            if (factor * power >= raw) return factor * power;
        }
    }
}

std::string Text(const ScreenSession& session, std::int64_t scaled) {
    return QuantityToText(Quantity::FromScaled(scaled), session.separator());
}

// Scaled values as texts with `between` between them: "0,1/0,05" or "FROM:TO:STEP".
std::string Joined(const ScreenSession& session, std::initializer_list<std::int64_t> scaled,
                   char between) {
    std::string text;
    for (const std::int64_t value : scaled) {
        if (!text.empty()) text += between;
        text += Text(session, value);
    }
    return text;
}

}  // namespace

SweepText ValuesAround(const ScreenSession& session, Variable variable) {
    switch (variable) {
        case Variable::prob:
            return {variable, Joined(session, {1000, 500, 100}, '/')};
        case Variable::deff:
            return {variable, Joined(session, {10000, 30000, 2500}, ':')};
        case Variable::response_rate:
            return {variable, Joined(session, {5000, 10000, 500}, ':')};
        case Variable::p:
            return {variable, Joined(session, {1000, 9000, 1000}, ':')};
        default:
            break;
    }
    const Field field = FieldOf(variable).value_or(Field::E);
    const std::int64_t value =
        std::max<std::int64_t>(QuantityOf(session.state(), field).scaled(), 1);
    // n and N are counted in whole units.
    const bool whole = field == Field::n || field == Field::N;
    const std::int64_t step = RoundStep(std::max<std::int64_t>(value * 3 / 2 / kAboutTenRows, 1),
                                        whole ? Quantity::kScale : 1);
    std::int64_t from = value - value / 2 / step * step;
    if (from <= 0) from += step;
    const std::int64_t to = value + value / step * step;
    return {variable, Joined(session, {from, to, step}, ':')};
}

SweepText DefaultRows(const ScreenSession& session) {
    return ValuesAround(session, IsDependent(session, Field::E) ? Variable::n : Variable::E);
}

SweepText DefaultColumns(const ScreenSession& session) {
    if (IsDependent(session, Field::Z)) {
        const std::int64_t v = session.state().PopulationVariance.scaled();
        return {Variable::V, Text(session, v) + "/" +
                                 Text(session, std::max<std::int64_t>(v / 2, 1)) + "/" +
                                 Text(session, v * 2)};
    }
    std::vector<std::int64_t> probabilities = {1000, 500, 100};
    const std::int64_t own = session.state().ErrorProbability.scaled();
    if (std::find(probabilities.begin(), probabilities.end(), own) == probabilities.end()) {
        probabilities.push_back(own);
        std::sort(probabilities.rbegin(), probabilities.rend());
    }
    std::string values;
    for (const std::int64_t probability : probabilities) {
        if (!values.empty()) values += '/';
        values += Text(session, probability);
    }
    return {Variable::prob, values};
}

std::string SweepArgument(const SweepText& sweep) {
    return std::string(NameOf(sweep.variable)) + "=" + sweep.values;
}

namespace {

// Cells computed between two looks at the stop request: a few milliseconds of work.
constexpr std::int64_t kCellsBetweenStops = 256;
// Below this, threads cost more than they save.
constexpr std::int64_t kCellsPerThread = 256;

std::int64_t NearestIndex(const Sweep& sweep, std::optional<Quantity> value) {
    if (!value) return 0;
    std::int64_t nearest = 0;
    for (std::int64_t i = 1; i < sweep.size(); ++i) {
        const auto distance = [&](std::int64_t index) {
            const long double d = sweep.at(index).value() - value->value();
            return d < 0 ? -d : d;
        };
        if (distance(i) < distance(nearest)) nearest = i;
    }
    return nearest;
}

GridCell CellOf(const ScreenSession& session, bool refused) {
    if (refused) return {GridCell::Outcome::Refused, {}, std::nullopt};
    if (session.ResultFailed()) return {GridCell::Outcome::Failed, {}, std::nullopt};
    return {GridCell::Outcome::Computed, QuantityOf(session.state(), FieldOf(session.dependent())),
            session.Contacts()};
}

// Cells [first, last) of the grid; false when stopped before the end.
bool ComputeCells(const Grid& grid, std::int64_t first, std::int64_t last,
                  const std::stop_token& stop, std::vector<GridCell>& cells) {
    for (std::int64_t index = first; index < last; ++index) {
        if ((index - first) % kCellsBetweenStops == 0 && stop.stop_requested()) return false;
        ScreenSession session = grid.base;
        const bool refused = EnterPoint(session, grid.sweeps, index).has_value();
        cells[static_cast<std::size_t>(index)] = CellOf(session, refused);
    }
    return true;
}

// NAME=TEXT for a field, its stored quantity as the field shows it.
std::string Typed(const ScreenSession& session, Field field) {
    return std::string(SymbolOf(field)) + "=" +
           QuantityToText(QuantityOf(session.state(), field), session.separator());
}

// prob where it gives the stored Z back, as people think in confidence; Z otherwise.
Field DistanceField(const ModelState& state) {
    return DistanceForProbability(state.ErrorProbability) == state.StandardDistance ? Field::prob
                                                                                    : Field::Z;
}

}  // namespace

GridPlan PlanGrid(const ScreenSession& base, const SweepText& rows, const SweepText& columns) {
    GridPlan plan;
    for (const auto& [text, axis] : {std::pair{&rows, Axis::Rows}, {&columns, Axis::Columns}}) {
        ParsedSweep parsed = ParseSweep(SweepArgument(*text), base.separator());
        if (!parsed.sweep) return {{}, std::move(parsed.problem), axis};
        plan.sweeps.push_back(std::move(*parsed.sweep));
    }
    if (std::optional<SweepProblem> problem = GridProblem(base, plan.sweeps)) {
        return {{}, std::move(problem), Axis::Both};
    }
    return plan;
}

std::optional<Quantity> CurrentValue(const ScreenSession& session, Variable variable) {
    switch (variable) {
        case Variable::deff:
            return session.design().designEffect;
        case Variable::response_rate:
            return session.design().responseRate;
        case Variable::p:
            return ProportionOfVariance(session.state().PopulationVariance);
        default:
            break;
    }
    const std::optional<Field> field = FieldOf(variable);
    if (!field) return std::nullopt;
    return QuantityOf(session.state(), *field);
}

std::optional<Quantity> Grid::plotted(std::int64_t row, std::int64_t column, bool contacts) const {
    const GridCell& shown = cell(row, column);
    if (shown.outcome != GridCell::Outcome::Computed) return std::nullopt;
    return contacts ? shown.contacts : shown.value;
}

Grid::Point Grid::PointAt(std::int64_t row, std::int64_t column) const {
    Point point{base, std::nullopt};
    point.refusal = EnterPoint(point.session, sweeps, row * columns() + column);
    return point;
}

std::optional<Grid> ComputeGrid(const ScreenSession& base, std::vector<Sweep> sweeps,
                                std::stop_token stop) {
    Grid grid{base, std::move(sweeps), {}};
    const std::int64_t size = GridSize(grid.sweeps);
    grid.cells.resize(static_cast<std::size_t>(size));
    const std::int64_t threads = std::clamp<std::int64_t>(
        size / kCellsPerThread, 1, std::max(1U, std::thread::hardware_concurrency()));
    std::vector<std::future<bool>> parts;
    for (std::int64_t part = 0; part < threads; ++part) {
        parts.push_back(std::async(std::launch::async, [&, part] {
            return ComputeCells(grid, size * part / threads, size * (part + 1) / threads, stop,
                                grid.cells);
        }));
    }
    bool complete = true;
    for (std::future<bool>& part : parts)
        complete = part.get() && complete;
    if (!complete) return std::nullopt;
    grid.nearestRow = NearestIndex(grid.sweeps[0], CurrentValue(base, grid.sweeps[0].variable()));
    grid.nearestColumn =
        NearestIndex(grid.sweeps[1], CurrentValue(base, grid.sweeps[1].variable()));
    return grid;
}

std::optional<Exploration> Explore(const ScreenSession& screen, const Design& design,
                                   std::vector<Sweep> sweeps, std::stop_token stop) {
    ScreenSession simple = screen;
    simple.SetDesign({});
    simple.RecalculateDependent();
    ScreenSession base = screen;
    base.SetDesign(design);
    ScreenSession designed = base;
    designed.RecalculateDependent();
    std::optional<Grid> grid = ComputeGrid(base, std::move(sweeps), std::move(stop));
    if (!grid) return std::nullopt;
    return Exploration{simple, designed, std::move(*grid)};
}

std::vector<std::string> CalcArguments(const ScreenSession& session, const Design& design) {
    const ModelState& state = session.state();
    const auto typed = [&](Field field) { return Typed(session, field); };
    std::vector<std::string> arguments = {"--separator", std::string(1, session.separator())};
    const bool finite = session.population() == Population::Finite;
    if (finite) {
        arguments.insert(arguments.end(), {"--finite", "--dependent", "n", typed(Field::N)});
    }
    if (!(finite && session.dependent() == Dependent::n)) {
        arguments.insert(arguments.end(),
                         {"--dependent", std::string(SymbolOf(FieldOf(session.dependent())))});
    }
    for (const Field field : {Field::V, DistanceField(state), Field::E, Field::n}) {
        if (session.EditabilityOf(field) == Editability::Editable)
            arguments.push_back(typed(field));
    }
    const auto text = [&](Quantity value) { return QuantityToText(value, session.separator()); };
    if (design.clusters) {
        arguments.insert(arguments.end(), {"--icc", text(design.clusters->correlation),
                                           "--cluster-size", text(design.clusters->size)});
    } else if (design.designEffect != kNoDesignEffect) {
        arguments.insert(arguments.end(), {"--deff", text(design.designEffect)});
    }
    if (design.responseRate != kFullResponse) {
        arguments.insert(arguments.end(), {"--response-rate", text(design.responseRate)});
    }
    return arguments;
}

std::vector<std::string> StrataCalcArguments(const ScreenSession& screen,
                                             const StrataRequest& request) {
    std::vector<std::string> arguments = {"--separator",
                                          std::string(1, screen.separator()),
                                          Typed(screen, DistanceField(screen.state())),
                                          "--strata",
                                          "-",
                                          "--allocation",
                                          std::string(NameOf(request.method))};
    const std::pair<const char*, const std::optional<std::string>&> values[] = {
        {"--total-n", request.totalN},
        {"--target-E", request.targetError},
        {"--budget", request.budget},
        {"--fixed-cost", request.fixedCost},
    };
    for (const auto& [option, value] : values) {
        if (value) arguments.insert(arguments.end(), {option, *value});
    }
    return arguments;
}

}  // namespace vek::planning
