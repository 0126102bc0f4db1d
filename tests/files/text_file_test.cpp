// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/text_file.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

struct LineEndCase {
    const char* name;
    const char* text;
    const char* normalized;
};

class LineEnds : public testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, LoneCrAndLoneLfBecomeCrLf) {
    EXPECT_EQ(NormalizeLineEnds(QString::fromLatin1(GetParam().text)),
              QString::fromLatin1(GetParam().normalized));
}

INSTANTIATE_TEST_SUITE_P(Texts, LineEnds,
                         testing::Values(LineEndCase{"empty", "", ""},
                                         LineEndCase{"noBreak", "abc", "abc"},
                                         LineEndCase{"crLfKept", "a\r\nb\r\n", "a\r\nb\r\n"},
                                         LineEndCase{"lfOnly", "a\nb\n", "a\r\nb\r\n"},
                                         LineEndCase{"crOnly", "a\rb\r", "a\r\nb\r\n"},
                                         LineEndCase{"lfCr", "a\n\rb", "a\r\n\r\nb"},
                                         LineEndCase{"crCrLf", "a\r\r\nb", "a\r\n\r\nb"},
                                         LineEndCase{"mixed", "\n\r\n\r", "\r\n\r\n\r\n"},
                                         LineEndCase{"lonelyCr", "\r", "\r\n"},
                                         LineEndCase{"lonelyLf", "\n", "\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Windows1252, EveryByteSurvivesDecodeAndEncode) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const Windows1252Bytes encoded = EncodeWindows1252(DecodeWindows1252(all));
    EXPECT_EQ(encoded.bytes.toHex(), all.toHex());
    EXPECT_FALSE(encoded.replaced);
}

struct CharacterCase {
    const char* name;
    const char* utf8;
    const char* hex;
    bool replaced;
};

class Windows1252Encoding : public testing::TestWithParam<CharacterCase> {};

TEST_P(Windows1252Encoding, OneBytePerCharacterAndQuestionMarkForTheMissing) {
    const Windows1252Bytes encoded = EncodeWindows1252(QString::fromUtf8(GetParam().utf8));
    EXPECT_EQ(encoded.bytes.toHex(), QByteArray(GetParam().hex));
    EXPECT_EQ(encoded.replaced, GetParam().replaced);
}

INSTANTIATE_TEST_SUITE_P(Characters, Windows1252Encoding,
                         testing::Values(CharacterCase{"spanish", "óñá²", "f3f1e1b2", false},
                                         CharacterCase{"euroAndQuotes", "€“”", "809394", false},
                                         CharacterCase{"empty", "", "", false},
                                         CharacterCase{"han", "a中b", "613f62", true},
                                         CharacterCase{"greek", "αβ", "3f3f", true},
                                         CharacterCase{"emojiIsOneCharacter", "x😀y", "783f79",
                                                       true},
                                         CharacterCase{"controlSubstitute", "\x1a", "1a", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Windows1252, DecodesTheSpanishLetters) {
    EXPECT_EQ(DecodeWindows1252(QByteArray::fromHex("f3f1b280")), QStringLiteral("óñ²€"));
}

}  // namespace
}  // namespace vek
