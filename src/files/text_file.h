// SPDX-License-Identifier: GPL-3.0-or-later
// Text as the program keeps it in files: Windows-1252, one byte per character, CR LF line ends.
#pragma once

#include <QByteArray>
#include <QString>

namespace vek {

// Every lone CR and every lone LF becomes CR LF; CR LF pairs stay as they are.
QString NormalizeLineEnds(const QString& text);

// Each byte as its Windows-1252 character (the five unassigned bytes as the control characters
// of the same number, so that a text read and written back keeps its bytes).
QString DecodeWindows1252(const QByteArray& bytes);

struct Windows1252Bytes {
    QByteArray bytes;
    bool replaced = false;  // some character had no byte and was written as '?'
};

// One byte per character; a character Windows-1252 cannot hold becomes '?'.
Windows1252Bytes EncodeWindows1252(const QString& text);

}  // namespace vek
