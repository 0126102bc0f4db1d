// SPDX-License-Identifier: GPL-3.0-or-later
// The screen-state file: one 48-byte little-endian record of the five quantities, the
// dependent-variable code and the population type.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "session/screen_record.h"

namespace vek {

inline constexpr qsizetype kScreenStateSize = 48;

// The padding is written as zeros.
QByteArray EncodeScreenState(const ScreenStateRecord& record);

// The record in the first 48 bytes; nullopt when there are fewer. Later bytes are ignored.
std::optional<ScreenStateRecord> DecodeScreenState(const QByteArray& bytes);

// The record a file holds, or nullopt when it cannot be read or is too short. Whether the
// record can be restored is the session's to say (RestoreProblemOf).
std::optional<ScreenStateRecord> ReadScreenState(const QString& path);

}  // namespace vek
