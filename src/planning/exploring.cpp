// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/exploring.h"

#include <algorithm>
#include <array>

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

}  // namespace

std::optional<Quantity> CurrentValue(const ScreenSession& session, Variable variable) {
    if (variable == Variable::deff) return session.design().designEffect;
    if (variable == Variable::response_rate) return session.design().responseRate;
    if (variable == Variable::p) return std::nullopt;
    const std::optional<Field> field = FieldOf(variable);
    if (!field) return std::nullopt;
    return QuantityOf(session.state(), *field);
}

std::optional<Quantity> Grid::plotted(std::int64_t row, std::int64_t column, bool contacts) const {
    const ResultRow& shown = cell(row, column);
    if (Failed(shown)) return std::nullopt;
    if (contacts) return QuantityFromText(shown.contacts, separator);
    const std::optional<Variable> dependent = VariableNamed(shown.dependent);
    if (!dependent) return std::nullopt;
    return QuantityFromText(shown.values[*FieldOf(*dependent)], separator);
}

GridResult ComputeGrid(const ScreenSession& base, const SweepText& rows, const SweepText& columns) {
    Grid grid;
    grid.separator = base.separator();
    for (const SweepText* text : {&rows, &columns}) {
        ParsedSweep argument = ParseSweep(SweepArgument(*text), base.separator());
        if (!argument.sweep) return {std::nullopt, argument.problem};
        grid.sweeps.push_back(std::move(*argument.sweep));
    }
    if (std::optional<SweepProblem> problem = GridProblem(base, grid.sweeps)) {
        return {std::nullopt, std::move(problem)};
    }
    const std::int64_t size = GridSize(grid.sweeps);
    grid.cells.reserve(static_cast<std::size_t>(size));
    for (std::int64_t index = 0; index < size; ++index)
        grid.cells.push_back(GridPoint(base, grid.sweeps, index));
    grid.nearestRow = NearestIndex(grid.sweeps[0], CurrentValue(base, rows.variable));
    grid.nearestColumn = NearestIndex(grid.sweeps[1], CurrentValue(base, columns.variable));
    return {std::move(grid), {}};
}

std::vector<std::string> CalcArguments(const ScreenSession& session, const Design& design) {
    const ModelState& state = session.state();
    const auto typed = [&](Field field) {
        return std::string(SymbolOf(field)) + "=" +
               QuantityToText(QuantityOf(state, field), session.separator());
    };
    std::vector<std::string> arguments = {"--separator", std::string(1, session.separator())};
    if (session.population() == Population::Finite) {
        arguments.insert(arguments.end(), {"--finite", "--dependent", "n", typed(Field::N)});
    }
    const auto dependent = DependentFields(state.DependentVariable);
    if (!dependent.empty()) {
        arguments.insert(arguments.end(),
                         {"--dependent", std::string(SymbolOf(dependent.front()))});
    }
    // prob where it gives the stored Z back, as people think in confidence; Z otherwise.
    const Field pair = DistanceForProbability(state.ErrorProbability) == state.StandardDistance
                           ? Field::prob
                           : Field::Z;
    for (const Field field : {Field::V, pair, Field::E, Field::n}) {
        if (session.EditabilityOf(field) == Editability::Editable)
            arguments.push_back(typed(field));
    }
    if (design.designEffect != kNoDesignEffect) {
        arguments.insert(arguments.end(),
                         {"--deff", QuantityToText(design.designEffect, session.separator())});
    }
    if (design.responseRate != kFullResponse) {
        arguments.insert(arguments.end(), {"--response-rate", QuantityToText(design.responseRate,
                                                                             session.separator())});
    }
    return arguments;
}

}  // namespace vek::planning
