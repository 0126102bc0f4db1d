// SPDX-License-Identifier: GPL-3.0-or-later
// What leaving a field of the main screen does to the model: the field rules.
#pragma once

#include <string_view>

#include "model/recalc.h"
#include "model/state.h"

namespace vek {

inline constexpr std::string_view kNotANumberText = "Incorrecto";

enum class EntryOutcome {
    Accepted,    // the typed value is stored
    Refused,     // the field's rule refused it: the previous value is stored back
    NotANumber,  // not a number: the quantity keeps its value
    Corrected,   // Z or prob brought into range
};

struct FieldExit {
    EntryOutcome outcome;
    FieldTexts texts;  // the field left first, then its partner (Z and prob)
};

// The V field's rule, V > 0, which a stratum's V keeps too.
bool IsPopulationVariance(Quantity variance);

// Reads `text` into the quantity of `field`, applies the field's rule and returns what the
// field (and, for Z and prob, its partner) must show. Does not recalculate.
FieldExit LeaveField(ModelState& state, Field field, std::string_view text, Population population,
                     char separator);

}  // namespace vek
