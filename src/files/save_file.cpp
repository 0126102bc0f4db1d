// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/save_file.h"

#include <sys/stat.h>

#include <QFile>
#include <QSaveFile>

namespace vek {
namespace {

// The kind of what stands at `path` (S_IFREG, S_IFCHR, …), or 0 when nothing does.
mode_t FileType(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return 0;
    return status.st_mode & S_IFMT;
}

// A device cannot be replaced by renaming a temporary file over it (as root the rename would
// even succeed and turn /dev/null into a plain file): it is written directly.
bool IsDevice(mode_t type) {
    return type == S_IFCHR || type == S_IFBLK;
}

// Opening a pipe or a socket waits for its other end, for ever if there is none.
bool IsPipe(mode_t type) {
    return type == S_IFIFO || type == S_IFSOCK;
}

SaveResult WriteDirectly(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return SaveResult::CannotCreate;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError ? SaveResult::Saved
                                                           : SaveResult::WriteFailed;
}

}  // namespace

SaveResult SaveBytes(const QString& path, const QByteArray& bytes) {
    const mode_t type = FileType(path);
    if (IsPipe(type)) return SaveResult::CannotCreate;
    if (IsDevice(type)) return WriteDirectly(path, bytes);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return SaveResult::CannotCreate;
    // Without a commit the temporary file is thrown away and the old file stays. The explicit
    // flush matters: commit() misses a failure of the buffered bytes and renames a cut file.
    if (file.write(bytes) != bytes.size() || !file.flush()) return SaveResult::WriteFailed;
    return file.commit() ? SaveResult::Saved : SaveResult::WriteFailed;
}

std::optional<QByteArray> ReadBytes(const QString& path, qint64 maxSize) {
    QFile file(path);
    // Only a regular file: a device may never end (/dev/full reads zeros for ever) and a pipe
    // waits for a writer.
    if (path.isEmpty() || FileType(path) != S_IFREG) return std::nullopt;
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = maxSize < 0 ? file.readAll() : file.read(maxSize);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

}  // namespace vek
