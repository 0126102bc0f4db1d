// SPDX-License-Identifier: GPL-3.0-or-later
// The screen as the screen-state file keeps it: five quantities, the dependent-variable code
// and the population byte. Built from the session for "Guardar", applied by "Recuperar".
#pragma once

#include <cstdint>

#include "model/state.h"
#include "session/dependent.h"

namespace vek {

struct ScreenStateRecord {
    Quantity PopulationVariance;
    Quantity StandardDistance;
    Quantity PrecisionError;
    Quantity SampleSize;
    Quantity PopulationSize;
    std::uint8_t DependentVariable = 0;
    std::uint8_t finite = 0;  // 1 finite, 0 infinite; other values are possible in a file

    friend bool operator==(const ScreenStateRecord&, const ScreenStateRecord&) = default;
};

// Why a record cannot be restored. The save never writes such a record, so a file holding one
// was made by hand or damaged; restoring it would leave the screen in a state it never has.
enum class RestoreProblem {
    None,
    Unreadable,               // missing, not a regular file, or shorter than a record
    DependentCodeOutOfRange,  // not 1 … 5
    PopulationByteInvalid,    // neither 0 nor 1
    NDependentButInfinite,    // N can be dependent only for a finite population
};

RestoreProblem RestoreProblemOf(const ScreenStateRecord& record);

// The record of the current state.
ScreenStateRecord RecordOf(const ModelState& state, Population population);

// Writes the record's quantities and code into the model; prob is not part of the file.
void ApplyToModel(const ScreenStateRecord& record, ModelState& state);
Population PopulationOf(const ScreenStateRecord& record);

}  // namespace vek
