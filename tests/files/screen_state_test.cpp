// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/screen_state.h"

#include <gtest/gtest.h>

#include <random>

namespace vek {
namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

TEST(ScreenStateCodec, StartUpStateGivesTheKnownBytes) {
    const QByteArray bytes = EncodeScreenState(RecordOf(ModelState{}, Population::Infinite));
    const QByteArray expected =
        Hex("c409000000000000"
            "904c000000000000"
            "2c01000000000000"
            "c0f6a20000000000"
            "00e1f50500000000"
            "0400"
            "000000000000");
    EXPECT_EQ(bytes.toHex(), expected.toHex());
}

TEST(ScreenStateCodec, FiniteWithNDependentSetsCodeAndFlag) {
    ModelState state;
    state.DependentVariable = 5;
    const QByteArray bytes = EncodeScreenState(RecordOf(state, Population::Finite));
    ASSERT_EQ(bytes.size(), kScreenStateSize);
    EXPECT_EQ(bytes[40], '\x05');
    EXPECT_EQ(bytes[41], '\x01');
}

TEST(ScreenStateCodec, RandomRecordsSurviveTheRoundTrip) {
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<std::int64_t> scaled(std::numeric_limits<std::int64_t>::min(),
                                                       std::numeric_limits<std::int64_t>::max());
    std::uniform_int_distribution<int> code(1, 5);
    for (int i = 0; i < 1000; ++i) {
        const ScreenStateRecord record{
            Quantity::FromScaled(scaled(random)),   Quantity::FromScaled(scaled(random)),
            Quantity::FromScaled(scaled(random)),   Quantity::FromScaled(scaled(random)),
            Quantity::FromScaled(scaled(random)),   static_cast<std::uint8_t>(code(random)),
            static_cast<std::uint8_t>(random() % 2)};
        const auto decoded = DecodeScreenState(EncodeScreenState(record));
        ASSERT_TRUE(decoded.has_value());
        ASSERT_EQ(*decoded, record) << "record " << i;
    }
}

struct LengthCase {
    const char* name;
    qsizetype length;
    bool decodes;
};

class ScreenStateLength : public testing::TestWithParam<LengthCase> {};

TEST_P(ScreenStateLength, OnlyTheFirst48BytesCount) {
    const QByteArray record = EncodeScreenState(RecordOf(ModelState{}, Population::Finite));
    // Bytes that would change the record if they were read: 0xff everywhere past the record.
    QByteArray bytes = record.left(GetParam().length);
    if (bytes.size() < GetParam().length) bytes.append(GetParam().length - bytes.size(), '\xff');
    const auto decoded = DecodeScreenState(bytes);
    ASSERT_EQ(decoded.has_value(), GetParam().decodes);
    if (decoded) {
        EXPECT_EQ(*decoded, RecordOf(ModelState{}, Population::Finite));
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, ScreenStateLength,
                         testing::Values(LengthCase{"empty", 0, false},
                                         LengthCase{"fortySeven", 47, false},
                                         LengthCase{"fortyEight", 48, true},
                                         LengthCase{"hundred", 100, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenStateCodec, PaddingIsIgnoredOnRead) {
    QByteArray bytes = EncodeScreenState(RecordOf(ModelState{}, Population::Infinite));
    bytes.replace(42, 6, QByteArray(6, '\x5a'));
    EXPECT_EQ(DecodeScreenState(bytes), RecordOf(ModelState{}, Population::Infinite));
}

TEST(ScreenStateCodec, NegativeQuantitiesAreTakenAsStored) {
    QByteArray bytes = EncodeScreenState(RecordOf(ModelState{}, Population::Infinite));
    bytes.replace(0, 8, Hex("f0d8ffffffffffff"));  // -10000: V = -1
    const auto decoded = DecodeScreenState(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->PopulationVariance, Quantity::FromScaled(-10000));
}

}  // namespace
}  // namespace vek
