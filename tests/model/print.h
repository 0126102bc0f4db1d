// SPDX-License-Identifier: GPL-3.0-or-later
// Readable failure messages for the model's records.
#pragma once

#include <ostream>

#include "model/recalc.h"

namespace vek {

inline void PrintTo(const FieldText& shown, std::ostream* out) {
    *out << "Edit" << static_cast<int>(shown.field) << " \"" << shown.text << '"';
}

inline void PrintTo(const ModelState& state, std::ostream* out) {
    for (const Field field : {Field::V, Field::Z, Field::prob, Field::E, Field::n, Field::N}) {
        *out << QuantityToText(QuantityOf(state, field), '.') << ' ';
    }
    *out << "dependent " << static_cast<int>(state.DependentVariable);
}

}  // namespace vek
