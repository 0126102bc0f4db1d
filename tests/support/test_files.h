// SPDX-License-Identifier: GPL-3.0-or-later
// Files for tests that read and write the disk: free of assertions, so GoogleTest and Qt Test
// callers wrap them in their own checks.
#pragma once

#include <sys/resource.h>

#include <QByteArray>
#include <QString>

namespace vek::testing {

// The file's bytes, or "<missing>" when it cannot be read.
QByteArray FileContents(const QString& path);

// Whether `bytes` were written whole to `path`.
bool WriteFile(const QString& path, const QByteArray& bytes);

// Makes the disk look full to this process while it lives: writes beyond `bytes` fail instead
// of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // Whether the limit is in force.
    bool applied() const { return applied_; }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
    bool saved_ = false;  // old_ and oldHandler_ hold what to restore
    bool applied_ = false;
};

}  // namespace vek::testing
