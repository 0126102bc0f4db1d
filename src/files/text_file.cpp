// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/text_file.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vek {
namespace {

constexpr const char* kCodePage = "windows-1252";
constexpr QChar kCr = u'\r';
constexpr QChar kLf = u'\n';

// The slow road, only for a text with characters the code page lacks: one code point at a time,
// so that only the missing ones become '?'. A byte that does not decode back to its character
// was the encoder's substitute.
QByteArray EncodeReplacingMissing(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    QStringEncoder encoder(kCodePage);
    QStringDecoder decoder(kCodePage);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = QStringView(text).mid(i, length);
        const QByteArray one = encoder.encode(character);
        const bool held = one.size() == 1 && QString(decoder.decode(one)) == character;
        bytes += held ? one : QByteArray(1, '?');
        i += length;
    }
    return bytes;
}

}  // namespace

QString NormalizeLineEnds(const QString& text) {
    QString result;
    result.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == kCr) {
            result += QStringLiteral("\r\n");
            if (i + 1 < text.size() && text.at(i + 1) == kLf) ++i;
        } else if (c == kLf) {
            result += QStringLiteral("\r\n");
        } else {
            result += c;
        }
    }
    return result;
}

QString DecodeWindows1252(const QByteArray& bytes) {
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

Windows1252Bytes EncodeWindows1252(const QString& text) {
    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError() && bytes.size() == text.size()) return {bytes, false};
    return {EncodeReplacingMissing(text), true};
}

}  // namespace vek
