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

ParsedSweep Problem(SweepFault fault, std::optional<Variable> variable = std::nullopt,
                    std::string_view text = {}) {
    return {std::nullopt, SweepProblem{fault, variable, std::string(text)}};
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
    if (parts.size() != 3) return Problem(SweepFault::NotARange, variable);
    std::optional<Quantity> bounds[3];
    for (std::size_t i = 0; i < 3; ++i) {
        bounds[i] = QuantityFromText(parts[i], separator);
        if (!bounds[i]) return Problem(SweepFault::NotANumber, variable, parts[i]);
    }
    const auto [from, to, step] = std::tuple{*bounds[0], *bounds[1], *bounds[2]};
    if (step.scaled() <= 0) return Problem(SweepFault::StepNotPositive, variable);
    if (to < from) return Problem(SweepFault::ToBelowFrom, variable);
    // Counted on the scaled integers, so no rounding decides whether TO is reached; TO ≥ FROM,
    // so their difference fits unsigned.
    const std::uint64_t span =
        static_cast<std::uint64_t>(to.scaled()) - static_cast<std::uint64_t>(from.scaled());
    const std::uint64_t count = span / static_cast<std::uint64_t>(step.scaled()) + 1;
    if (count > static_cast<std::uint64_t>(kMaxSweepPoints)) {
        return Problem(SweepFault::TooManyPoints, variable);
    }
    return {Sweep::Range(variable, from, step, static_cast<std::int64_t>(count)), {}};
}

ParsedSweep ParseList(Variable variable, std::string_view values, char separator) {
    std::vector<Quantity> list;
    for (const std::string_view part : Split(values, '/')) {
        const std::optional<Quantity> value = QuantityFromText(part, separator);
        if (!value) return Problem(SweepFault::NotANumber, variable, part);
        list.push_back(*value);
    }
    if (list.size() > static_cast<std::size_t>(kMaxSweepPoints)) {
        return Problem(SweepFault::TooManyPoints, variable);
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
        return Problem(SweepFault::NotASweep, std::nullopt, argument);
    }
    const std::string_view values = argument.substr(equals + 1);
    if (values.find('/') == std::string_view::npos && values.find(':') != std::string_view::npos) {
        return ParseRange(*variable, values, separator);
    }
    return ParseList(*variable, values, separator);
}

std::int64_t GridSize(std::span<const Sweep> sweeps) {
    std::int64_t size = 1;
    for (const Sweep& sweep : sweeps)
        size *= sweep.size();
    return size;
}

std::optional<SweepProblem> GridProblem(const ScreenSession& base, std::span<const Sweep> sweeps) {
    if (sweeps.size() == 2 && sweeps[0].variable() == sweeps[1].variable()) {
        return SweepProblem{SweepFault::SweptTwice, sweeps[0].variable(), {}};
    }
    if (Swept(sweeps, Variable::Z) && Swept(sweeps, Variable::prob)) {
        return SweepProblem{SweepFault::ZWithProb, std::nullopt, {}};
    }
    if (Swept(sweeps, Variable::p) && Swept(sweeps, Variable::V)) {
        return SweepProblem{SweepFault::PWithV, std::nullopt, {}};
    }
    for (const Sweep& sweep : sweeps) {
        if (const std::optional<Reason> why = WhyNotEnterable(base, sweep.variable())) {
            return SweepProblem{
                *why == Reason::Dependent ? SweepFault::Dependent : SweepFault::InfinitePopulation,
                sweep.variable(),
                {}};
        }
    }
    if (GridSize(sweeps) > kMaxSweepPoints) {
        return SweepProblem{SweepFault::TooManyPoints, std::nullopt, {}};
    }
    return std::nullopt;
}

std::optional<Refusal> EnterPoint(ScreenSession& session, std::span<const Sweep> sweeps,
                                  std::int64_t index) {
    std::int64_t stride = GridSize(sweeps);
    for (const Sweep& sweep : sweeps) {
        stride /= sweep.size();
        const Quantity value = sweep.at(index / stride % sweep.size());
        Entry entry = Enter(session, sweep.variable(), QuantityToText(value, session.separator()));
        if (entry.result == EntryResult::Failed) return std::move(entry.refusal);
    }
    session.RecalculateDependent();
    return std::nullopt;
}

ResultRow GridPoint(const ScreenSession& base, std::span<const Sweep> sweeps, std::int64_t index) {
    ScreenSession session = base;
    std::optional<Refusal> refusal = EnterPoint(session, sweeps, index);
    return RowOf(session, index + 1, std::move(refusal));
}

}  // namespace vek::planning
