#include "files/text_file.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vek {
namespace {

constexpr const char* kCodePage = "windows-1252";
constexpr QChar kCr = u'\r';
constexpr QChar kLf = u'\n';

// The slow road, only for a text with characters the code page lacks: one code point at a time,
// so that only the missing ones become '?'.
QByteArray EncodeReplacingMissing(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    QStringEncoder encoder(kCodePage);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray one = encoder.encode(QStringView(text).mid(i, length));
        bytes += encoder.hasError() || one.size() != 1 ? QByteArray(1, '?') : one;
        encoder.resetState();
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
