// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a --sweep value, with ',' and with '.' as decimal separator. A range FROM:TO:STEP
// or a list A/B/C of numbers of a sweepable variable is accepted with 1 to 1,000,000 points
// (anything else is refused with a reason); a range starts at FROM, moves by STEP and goes as
// far towards TO as the steps allow, a list keeps its values in order. A small grid from the
// start-up screen computes every point without throwing, each row with a result or an error.
// An input with a newline is also read as two sweeps, the grid of both.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/quantity.h"
#include "planning/sweep.h"
#include "require.h"
#include "session/screen_session.h"

namespace {

using vek::Quantity;
using vek::planning::Sweep;
using vek::planning::Variable;

constexpr std::int64_t kSmallGrid = 50;
constexpr Variable kSweepable[] = {Variable::V, Variable::Z,    Variable::prob,
                                   Variable::E, Variable::n,    Variable::N,
                                   Variable::p, Variable::deff, Variable::response_rate};

std::vector<std::string_view> Split(std::string_view text, char at) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(at, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::optional<std::vector<Quantity>> Numbers(const std::vector<std::string_view>& parts,
                                             char separator) {
    std::vector<Quantity> numbers;
    for (const std::string_view part : parts) {
        const auto number = vek::QuantityFromText(part, separator);
        if (!number) return std::nullopt;
        numbers.push_back(*number);
    }
    return numbers;
}

// The indices whose points are checked: all of a short sweep, the ends and a spread of others
// of a long one.
std::vector<std::int64_t> Probes(std::int64_t size) {
    std::vector<std::int64_t> probes;
    if (size <= 1000) {
        for (std::int64_t i = 0; i < size; ++i)
            probes.push_back(i);
        return probes;
    }
    for (std::int64_t i = 0; i < 64; ++i)
        probes.push_back(i * (size - 1) / 63);
    return probes;
}

void CheckRange(const Sweep& sweep, Quantity from, Quantity to, Quantity step) {
    REQUIRE(sweep.at(0) == from);
    for (const std::int64_t i : Probes(sweep.size())) {
        REQUIRE(from <= sweep.at(i) && sweep.at(i) <= to);
        if (i + 1 < sweep.size()) {
            REQUIRE(sweep.at(i + 1).scaled() - sweep.at(i).scaled() == step.scaled());
        }
    }
    // No further step fits below TO: TO is the last point whenever the steps reach it.
    REQUIRE(to.scaled() - sweep.at(sweep.size() - 1).scaled() < step.scaled());
}

// The sweep of `text`, checked against what the text says; none where it is refused.
std::optional<Sweep> Parsed(std::string_view text, char separator) {
    const auto parsed = vek::planning::ParseSweep(text, separator);
    REQUIRE(parsed.sweep.has_value() != parsed.problem.has_value());

    const std::size_t equals = text.find('=');
    const auto variable = vek::planning::VariableNamed(text.substr(0, equals));
    const bool sweepable =
        equals != std::string_view::npos && variable &&
        std::find(std::begin(kSweepable), std::end(kSweepable), *variable) != std::end(kSweepable);
    if (!sweepable) {
        REQUIRE(!parsed.sweep);
        return std::nullopt;
    }
    const std::string_view values = text.substr(equals + 1);
    // A single value is a list of one.
    const bool list =
        values.find('/') != std::string_view::npos || values.find(':') == std::string_view::npos;
    const auto numbers = Numbers(Split(values, list ? '/' : ':'), separator);

    if (list) {
        REQUIRE(parsed.sweep.has_value() == numbers.has_value());
    } else if (!numbers || numbers->size() != 3) {
        REQUIRE(!parsed.sweep);
    } else {
        const Quantity from = (*numbers)[0], to = (*numbers)[1], step = (*numbers)[2];
        const bool valid =
            step.scaled() > 0 && from <= to &&
            (static_cast<std::uint64_t>(to.scaled()) - static_cast<std::uint64_t>(from.scaled())) /
                    static_cast<std::uint64_t>(step.scaled()) <
                static_cast<std::uint64_t>(vek::planning::kMaxSweepPoints);
        REQUIRE(parsed.sweep.has_value() == valid);
    }
    if (!parsed.sweep) return std::nullopt;

    const Sweep& sweep = *parsed.sweep;
    REQUIRE(sweep.variable() == *variable);
    REQUIRE(sweep.size() >= 1 && sweep.size() <= vek::planning::kMaxSweepPoints);
    if (list) {
        REQUIRE(sweep.size() == static_cast<std::int64_t>(numbers->size()));
        for (std::int64_t i = 0; i < sweep.size(); ++i)
            REQUIRE(sweep.at(i) == (*numbers)[static_cast<std::size_t>(i)]);
    } else {
        CheckRange(sweep, (*numbers)[0], (*numbers)[1], (*numbers)[2]);
    }
    return sweep;
}

void CheckGrid(const std::vector<Sweep>& sweeps, char separator) {
    const vek::ScreenSession base(separator);
    std::int64_t product = 1;
    for (const Sweep& sweep : sweeps)
        product *= sweep.size();
    REQUIRE(vek::planning::GridSize(sweeps) == product);
    if (product > kSmallGrid || vek::planning::GridProblem(base, sweeps)) return;
    for (std::int64_t index = 0; index < product; ++index) {
        try {
            const auto row = vek::planning::GridPoint(base, sweeps, index);
            REQUIRE(row.row == index + 1);
            REQUIRE(row.refusal.has_value() == row.result.empty());
            REQUIRE(row.failed != row.dependentValue.has_value());
        } catch (const std::exception& error) {
            std::fprintf(stderr, "GridPoint %lld threw: %s\n", static_cast<long long>(index),
                         error.what());
            vek::fuzz::Require(false, "GridPoint never throws");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = text.find('\n');
    for (const char separator : {',', '.'}) {
        if (const auto sweep = Parsed(text, separator)) CheckGrid({*sweep}, separator);
        if (newline == std::string_view::npos) continue;
        const auto first = Parsed(text.substr(0, newline), separator);
        const auto second = Parsed(text.substr(newline + 1), separator);
        if (first && second) CheckGrid({*first, *second}, separator);
    }
    return 0;
}
