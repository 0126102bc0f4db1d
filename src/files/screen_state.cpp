#include "files/screen_state.h"

#include <QtEndian>

namespace vek {
namespace {

constexpr qsizetype kCodeOffset = 40;
constexpr qsizetype kPopulationOffset = 41;
constexpr qsizetype kQuantitySize = 8;

void PutQuantity(QByteArray& bytes, qsizetype offset, Quantity q) {
    qToLittleEndian<std::int64_t>(q.scaled(), bytes.data() + offset);
}

Quantity QuantityAt(const QByteArray& bytes, qsizetype offset) {
    return Quantity::FromScaled(qFromLittleEndian<std::int64_t>(bytes.constData() + offset));
}

}  // namespace

ScreenStateRecord RecordOf(const ModelState& state, Population population) {
    return {state.PopulationVariance,
            state.StandardDistance,
            state.PrecisionError,
            state.SampleSize,
            state.PopulationSize,
            state.DependentVariable,
            std::uint8_t{population == Population::Finite}};
}

QByteArray EncodeScreenState(const ScreenStateRecord& record) {
    QByteArray bytes(kScreenStateSize, '\0');
    PutQuantity(bytes, 0 * kQuantitySize, record.PopulationVariance);
    PutQuantity(bytes, 1 * kQuantitySize, record.StandardDistance);
    PutQuantity(bytes, 2 * kQuantitySize, record.PrecisionError);
    PutQuantity(bytes, 3 * kQuantitySize, record.SampleSize);
    PutQuantity(bytes, 4 * kQuantitySize, record.PopulationSize);
    bytes[kCodeOffset] = static_cast<char>(record.DependentVariable);
    bytes[kPopulationOffset] = static_cast<char>(record.finite);
    return bytes;
}

std::optional<ScreenStateRecord> DecodeScreenState(const QByteArray& bytes) {
    if (bytes.size() < kScreenStateSize) return std::nullopt;
    return ScreenStateRecord{QuantityAt(bytes, 0 * kQuantitySize),
                             QuantityAt(bytes, 1 * kQuantitySize),
                             QuantityAt(bytes, 2 * kQuantitySize),
                             QuantityAt(bytes, 3 * kQuantitySize),
                             QuantityAt(bytes, 4 * kQuantitySize),
                             static_cast<std::uint8_t>(bytes[kCodeOffset]),
                             static_cast<std::uint8_t>(bytes[kPopulationOffset])};
}

QString RestoreProblem(const ScreenStateRecord& record) {
    if (record.DependentVariable < kFirstDependentCode ||
        record.DependentVariable > kLastDependentCode) {
        return QStringLiteral(
                   "El código de la variable dependiente es %1; debe estar entre %2 y %3.")
            .arg(record.DependentVariable)
            .arg(kFirstDependentCode)
            .arg(kLastDependentCode);
    }
    if (record.finite > 1) {
        return QStringLiteral("El tipo de población es %1; debe ser 0 (infinita) o 1 (finita).")
            .arg(record.finite);
    }
    if (record.finite == 0 && record.DependentVariable == static_cast<std::uint8_t>(Field::N)) {
        return QStringLiteral(
            "El tamaño de la población (N) no puede ser la variable dependiente de una población "
            "infinita.");
    }
    return {};
}

void ApplyToModel(const ScreenStateRecord& record, ModelState& state) {
    state.PopulationVariance = record.PopulationVariance;
    state.StandardDistance = record.StandardDistance;
    state.PrecisionError = record.PrecisionError;
    state.SampleSize = record.SampleSize;
    state.PopulationSize = record.PopulationSize;
    state.DependentVariable = record.DependentVariable;
}

Population PopulationOf(const ScreenStateRecord& record) {
    return record.finite == 1 ? Population::Finite : Population::Infinite;
}

}  // namespace vek
