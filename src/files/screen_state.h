// The screen-state file: one 48-byte little-endian record of the five quantities, the
// dependent-variable code and the population type.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "model/state.h"

namespace vek {

inline constexpr qsizetype kScreenStateSize = 48;

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

// The record of the current state; the padding is written as zeros.
ScreenStateRecord RecordOf(const ModelState& state, Population population);
QByteArray EncodeScreenState(const ScreenStateRecord& record);

// The record in the first 48 bytes; nullopt when there are fewer. Later bytes are ignored.
std::optional<ScreenStateRecord> DecodeScreenState(const QByteArray& bytes);

// Why a record that the save never writes cannot be restored (a code outside 1 … 5, a
// population byte other than 0 or 1, N dependent with an infinite population); empty when it
// can.
QString RestoreProblem(const ScreenStateRecord& record);

// Writes the record's quantities and code into the model; prob is not part of the file.
void ApplyToModel(const ScreenStateRecord& record, ModelState& state);
Population PopulationOf(const ScreenStateRecord& record);

}  // namespace vek
