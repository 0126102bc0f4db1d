// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a screen-state file: decoded, checked, applied to a model state and recalculated
// as a restore does. The record must survive encoding; a record the restore accepts ends with
// its dependent variable recomputed and everything else as the file said; a negative V is the
// one clean refusal of the recalculation.
#include <QByteArray>
#include <cstdint>
#include <vector>

#include "files/screen_state.h"
#include "model/recalc.h"
#include "require.h"

namespace {

bool IsDependent(std::uint8_t code, vek::Field field) {
    for (const vek::Field dependent : vek::DependentFields(code)) {
        if (dependent == field) return true;
    }
    return false;
}

// A number in a dependent field is the stored quantity, except where the range check clamped
// the quantity and left the computed text: n below 1 is kept as 1, E at or below 0 as 0.0001.
bool ShowsStored(vek::Quantity shown, vek::Quantity stored, vek::Field field) {
    const auto one = vek::Quantity::FromScaled(vek::Quantity::kScale);
    const auto smallestError = vek::Quantity::FromScaled(1);
    if (shown == stored) return true;
    if (field == vek::Field::n) return stored == one && shown < one;
    if (field == vek::Field::E) return stored == smallestError && shown <= vek::Quantity();
    return false;
}

// Only the dependent field (with prob when Z is dependent) may differ from the restored state,
// and a field text that is a number is the text of the stored quantity.
void CheckRecalculation(const vek::ModelState& restored, vek::Population population,
                        char separator) {
    vek::ModelState state = restored;
    vek::FieldTexts texts;
    try {
        texts = vek::RecalculateDependent(state, population, separator);
    } catch (const vek::InvalidFloatingPointOperation&) {
        REQUIRE(restored.PopulationVariance.scaled() < 0);
        REQUIRE(state == restored);
        return;
    }
    REQUIRE(state.DependentVariable == restored.DependentVariable);
    for (const vek::Field field : vek::kFields) {
        if (!IsDependent(restored.DependentVariable, field)) {
            REQUIRE(vek::QuantityOf(state, field) == vek::QuantityOf(restored, field));
        }
    }
    for (const vek::FieldText& text : texts) {
        REQUIRE(IsDependent(restored.DependentVariable, text.field));
        if (const auto shown = vek::QuantityFromText(text.text, separator)) {
            REQUIRE(ShowsStored(*shown, vek::QuantityOf(state, text.field), text.field));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto record = vek::DecodeScreenState(bytes);
    REQUIRE(record.has_value() == (bytes.size() >= vek::kScreenStateSize));
    if (!record) return 0;

    const QByteArray encoded = vek::EncodeScreenState(*record);
    REQUIRE(encoded.size() == vek::kScreenStateSize);
    REQUIRE(encoded.left(42) == bytes.left(42));
    REQUIRE(vek::DecodeScreenState(encoded) == record);

    if (vek::RestoreProblemOf(*record) != vek::RestoreProblem::None) return 0;
    vek::ModelState restored;
    vek::ApplyToModel(*record, restored);
    REQUIRE(vek::RecordOf(restored, vek::PopulationOf(*record)) == *record);
    CheckRecalculation(restored, vek::PopulationOf(*record), ',');
    CheckRecalculation(restored, vek::PopulationOf(*record), '.');
    return 0;
}
