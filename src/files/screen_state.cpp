// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/screen_state.h"

#include <QtEndian>

#include "files/save_file.h"

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

std::optional<ScreenStateRecord> ReadScreenState(const QString& path) {
    const std::optional<QByteArray> bytes = ReadBytes(path, kScreenStateSize);
    return bytes ? DecodeScreenState(*bytes) : std::nullopt;
}

}  // namespace vek
