// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/sweep.h"

#include <algorithm>
#include <tuple>

namespace vek::planning {

namespace {

constexpr Variable kSweepable[] = {Variable::V, Variable::Z,    Variable::prob,
                                   Variable::E, Variable::n,    Variable::N,
                                   Variable::p, Variable::deff, Variable::response_rate};

bool IsSweepable(Variable variable) {
    return std::find(std::begin(kSweepable), std::end(kSweepable), variable) !=
           std::end(kSweepable);
}

ParsedSweep Problem(std::string problem) {
    return {std::nullopt, std::move(problem)};
}

ParsedSweep NotANumber(std::string_view text, char separator) {
    std::string problem = "'";
    problem.append(text).append("' is not a number (decimal separator '");
    problem.push_back(separator);
    return Problem(problem.append("')"));
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

ParsedSweep ParseRange(Variable variable, std::string_view values, char separator) {
    const std::vector<std::string_view> parts = Split(values, ':');
    if (parts.size() != 3) return Problem("a range is FROM:TO:STEP");
    std::optional<Quantity> bounds[3];
    for (std::size_t i = 0; i < 3; ++i) {
        bounds[i] = QuantityFromText(parts[i], separator);
        if (!bounds[i]) {
            return NotANumber(parts[i], separator);
        }
    }
    const auto [from, to, step] = std::tuple{*bounds[0], *bounds[1], *bounds[2]};
    if (step.scaled() <= 0) return Problem("STEP must be greater than 0");
    if (to < from) return Problem("TO must not be below FROM");
    // Counted on the scaled integers, so no rounding decides whether TO is reached; TO ≥ FROM,
    // so their difference fits unsigned.
    const std::uint64_t span =
        static_cast<std::uint64_t>(to.scaled()) - static_cast<std::uint64_t>(from.scaled());
    const std::uint64_t count = span / static_cast<std::uint64_t>(step.scaled()) + 1;
    if (count > static_cast<std::uint64_t>(kMaxSweepPoints)) {
        return Problem("more than " + std::to_string(kMaxSweepPoints) + " points");
    }
    return {Sweep::Range(variable, from, step, static_cast<std::int64_t>(count)), {}};
}

ParsedSweep ParseList(Variable variable, std::string_view values, char separator) {
    std::vector<Quantity> list;
    for (const std::string_view part : Split(values, '/')) {
        const std::optional<Quantity> value = QuantityFromText(part, separator);
        if (!value) {
            return NotANumber(part, separator);
        }
        list.push_back(*value);
    }
    if (list.size() > static_cast<std::size_t>(kMaxSweepPoints)) {
        return Problem("more than " + std::to_string(kMaxSweepPoints) + " points");
    }
    return {Sweep::List(variable, std::move(list)), {}};
}

bool Swept(std::span<const Sweep> sweeps, Variable variable) {
    return std::any_of(sweeps.begin(), sweeps.end(),
                       [variable](const Sweep& sweep) { return sweep.variable() == variable; });
}

}  // namespace

Sweep Sweep::Range(Variable variable, Quantity from, Quantity step, std::int64_t count) {
    Sweep sweep;
    sweep.variable_ = variable;
    sweep.from_ = from;
    sweep.step_ = step;
    sweep.count_ = count;
    return sweep;
}

Sweep Sweep::List(Variable variable, std::vector<Quantity> values) {
    Sweep sweep;
    sweep.variable_ = variable;
    sweep.count_ = static_cast<std::int64_t>(values.size());
    sweep.values_ = std::move(values);
    return sweep;
}

Quantity Sweep::at(std::int64_t index) const {
    if (!values_.empty()) return values_[static_cast<std::size_t>(index)];
    return Quantity::FromScaled(from_.scaled() + index * step_.scaled());
}

ParsedSweep ParseSweep(std::string_view argument, char separator) {
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const std::optional<Variable> variable = VariableNamed(name);
    if (equals == std::string_view::npos || !variable || !IsSweepable(*variable)) {
        std::string problem = "'";
        problem.append(argument).append(
            "' is not VAR=FROM:TO:STEP or VAR=A/B/... with VAR one of V, Z, prob, E, n, N, p, "
            "deff or response_rate");
        return Problem(problem);
    }
    const std::string_view values = argument.substr(equals + 1);
    if (values.find('/') != std::string_view::npos) return ParseList(*variable, values, separator);
    return ParseRange(*variable, values, separator);
}

std::int64_t GridSize(std::span<const Sweep> sweeps) {
    std::int64_t size = 1;
    for (const Sweep& sweep : sweeps)
        size *= sweep.size();
    return size;
}

std::optional<std::string> GridProblem(const ScreenSession& base, std::span<const Sweep> sweeps) {
    if (sweeps.size() == 2 && sweeps[0].variable() == sweeps[1].variable()) {
        return std::string(NameOf(sweeps[0].variable())) + " is swept twice";
    }
    if (Swept(sweeps, Variable::Z) && Swept(sweeps, Variable::prob)) {
        return std::string("Z and prob are one pair: sweep one of them");
    }
    if (Swept(sweeps, Variable::p) && Swept(sweeps, Variable::V)) {
        return std::string("p sets V: sweep one of them");
    }
    for (const Sweep& sweep : sweeps) {
        if (std::optional<std::string> why = WhyNotEnterable(base, sweep.variable())) {
            return "cannot sweep " + std::string(NameOf(sweep.variable())) + ": " + *why;
        }
    }
    if (GridSize(sweeps) > kMaxSweepPoints) {
        return "more than " + std::to_string(kMaxSweepPoints) + " points";
    }
    return std::nullopt;
}

ResultRow GridPoint(const ScreenSession& base, std::span<const Sweep> sweeps, std::int64_t index) {
    ScreenSession session = base;
    std::int64_t stride = GridSize(sweeps);
    for (const Sweep& sweep : sweeps) {
        stride /= sweep.size();
        const Quantity value = sweep.at(index / stride % sweep.size());
        const Entry entry =
            Enter(session, sweep.variable(), QuantityToText(value, session.separator()));
        if (entry.result == EntryResult::Failed) return RowOf(session, index + 1, entry.message);
    }
    session.RecalculateDependent();
    return RowOf(session, index + 1);
}

}  // namespace vek::planning
