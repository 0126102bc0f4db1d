// SPDX-License-Identifier: GPL-3.0-or-later
// The dependent variable as everything above the model names it. The model keeps the byte the
// screen stores and the screen-state file holds, where a code outside 1 … 5 selects nothing;
// DependentOf is the one conversion from that byte.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "model/state.h"

namespace vek {

enum class Dependent : std::uint8_t { V = 1, Z = 2, E = 3, n = 4, N = 5 };

inline constexpr std::array<Dependent, 5> kDependents = {Dependent::V, Dependent::Z, Dependent::E,
                                                         Dependent::n, Dependent::N};

constexpr std::optional<Dependent> DependentOf(std::uint8_t code) {
    if (code < kFirstDependentCode || code > kLastDependentCode) return std::nullopt;
    return static_cast<Dependent>(code);
}

constexpr std::uint8_t CodeOf(Dependent dependent) {
    return static_cast<std::uint8_t>(dependent);
}

// The field that shows it, numbered by the same code; prob shows Z's with it.
constexpr Field FieldOf(Dependent dependent) {
    return static_cast<Field>(CodeOf(dependent));
}

inline std::span<const Field> FieldsOf(Dependent dependent) {
    return DependentFields(CodeOf(dependent));
}

}  // namespace vek
