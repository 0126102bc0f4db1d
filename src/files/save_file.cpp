#include "files/save_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vek {
namespace {

// A device or a pipe cannot be replaced by renaming a temporary file over it (as root the
// rename would even succeed and turn /dev/null into a plain file): write into it directly.
bool IsSpecialFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
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
    if (IsSpecialFile(path)) return WriteDirectly(path, bytes);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return SaveResult::CannotCreate;
    // Without a commit the temporary file is thrown away and the old file stays. The explicit
    // flush matters: commit() misses a failure of the buffered bytes and renames a cut file.
    if (file.write(bytes) != bytes.size() || !file.flush()) return SaveResult::WriteFailed;
    return file.commit() ? SaveResult::Saved : SaveResult::WriteFailed;
}

std::optional<QByteArray> ReadBytes(const QString& path, qint64 maxSize) {
    QFile file(path);
    // A device or a pipe may never end (/dev/full reads zeros forever): only a bounded read
    // takes one.
    if (path.isEmpty() || (maxSize < 0 && !QFileInfo(path).isFile())) return std::nullopt;
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = maxSize < 0 ? file.readAll() : file.read(maxSize);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

}  // namespace vek
