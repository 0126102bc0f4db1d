#include "files/save_file.h"

#include <QFile>
#include <QSaveFile>

namespace vek {

SaveResult SaveBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return SaveResult::CannotCreate;
    // Without a commit the temporary file is thrown away and the old file stays.
    if (file.write(bytes) != bytes.size()) return SaveResult::WriteFailed;
    return file.commit() ? SaveResult::Saved : SaveResult::WriteFailed;
}

std::optional<QByteArray> ReadBytes(const QString& path, qint64 maxSize) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = maxSize < 0 ? file.readAll() : file.read(maxSize);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

}  // namespace vek
