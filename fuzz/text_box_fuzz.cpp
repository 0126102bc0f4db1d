// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes loaded into the text box and saved again: decoded from Windows-1252 with the line
// ends normalised, then encoded. Every character read must be writable; the saved text has no
// lone CR or LF; and a text that had none comes back byte for byte.
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "files/text_file.h"
#include "require.h"

namespace {

bool HasLoneLineEnd(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const bool crWithoutLf =
            bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
        const bool lfWithoutCr = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
        if (crWithoutLf || lfWithoutCr) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString decoded = vek::DecodeWindows1252(file);
    REQUIRE(decoded.size() == file.size());

    const QString loaded = vek::NormalizeLineEnds(decoded);
    REQUIRE(vek::NormalizeLineEnds(loaded) == loaded);

    const vek::Windows1252Bytes saved = vek::EncodeWindows1252(loaded);
    REQUIRE(!saved.replaced);
    REQUIRE(!HasLoneLineEnd(saved.bytes));
    if (!HasLoneLineEnd(file)) REQUIRE(saved.bytes == file);
    return 0;
}
