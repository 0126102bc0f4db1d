// SPDX-License-Identifier: GPL-3.0-or-later
// Files written whole or not at all: a failed write leaves the previous file as it was.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace vek {

enum class SaveResult {
    Saved,
    CannotCreate,  // the file could not be created (missing folder, no permission, a folder)
    WriteFailed,   // created, but writing or closing failed (a full disk, for example)
};

// Replaces the file at `path` by `bytes` through a temporary file renamed over it (a device is
// written directly; a pipe cannot be created).
SaveResult SaveBytes(const QString& path, const QByteArray& bytes);

// The file's first `maxSize` bytes (all of them when negative), or nullopt when it cannot be
// opened or read. Only a regular file is read.
std::optional<QByteArray> ReadBytes(const QString& path, qint64 maxSize = -1);

}  // namespace vek
