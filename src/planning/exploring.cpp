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

}  // namespace

SweepText DefaultRows(const ScreenSession& session) {
    const Field field = IsDependent(session, Field::E) ? Field::n : Field::E;
    const std::int64_t value = std::max<std::int64_t>(QuantityOf(session.state(), field).scaled(), 1);
    // n is counted in whole units.
    const std::int64_t smallest = field == Field::n ? Quantity::kScale : 1;
    const std::int64_t step = RoundStep(std::max<std::int64_t>(value * 3 / 2 / kAboutTenRows, 1), smallest);
    std::int64_t from = value - value / 2 / step * step;
    if (from <= 0) from += step;
    const std::int64_t to = value + value / step * step;
    const Variable variable = field == Field::n ? Variable::n : Variable::E;
    return {variable, Text(session, from) + ":" + Text(session, to) + ":" + Text(session, step)};
}

SweepText DefaultColumns(const ScreenSession& session) {
    if (IsDependent(session, Field::Z)) {
        const std::int64_t v = session.state().PopulationVariance.scaled();
        return {Variable::V, Text(session, v) + "/" + Text(session, std::max<std::int64_t>(v / 2, 1)) +
                                 "/" + Text(session, v * 2)};
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
        arguments.insert(arguments.end(), {"--dependent", std::string(SymbolOf(dependent.front()))});
    }
    // prob where it gives the stored Z back, as people think in confidence; Z otherwise.
    const Field pair = DistanceForProbability(state.ErrorProbability) == state.StandardDistance
                           ? Field::prob
                           : Field::Z;
    for (const Field field : {Field::V, pair, Field::E, Field::n}) {
        if (session.EditabilityOf(field) == Editability::Editable) arguments.push_back(typed(field));
    }
    if (design.designEffect != kNoDesignEffect) {
        arguments.insert(arguments.end(),
                         {"--deff", QuantityToText(design.designEffect, session.separator())});
    }
    if (design.responseRate != kFullResponse) {
        arguments.insert(arguments.end(), {"--response-rate",
                                           QuantityToText(design.responseRate, session.separator())});
    }
    return arguments;
}

}  // namespace vek::planning
