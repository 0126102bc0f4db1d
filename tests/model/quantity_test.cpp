// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/quantity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace vek {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// Written with ',' as separator; each row is also checked with '.' in its place.
struct TextCase {
    std::string text;
    std::optional<std::int64_t> scaled;
};

const TextCase kTexts[] = {
    {"0,25", 2500},
    {" 12 ", 120000},
    {"+3", 30000},
    {"-1,5", -15000},
    {"1e3", 10000000},
    {"2,5E-2", 250},
    {"1e", 10000},
    {"1e+2", 1000000},
    {"0,00005", 0},
    {"0,00015", 2},
    {"0,00025", 2},
    {"0,00035", 4},
    {"0,000250000000000000000001", 3},
    {"1,23456", 12346},
    {"-1,23455", -12346},
    {",", 0},
    {"5,", 50000},
    {",5", 5000},
    {"-0", 0},
    {"-0,00004", 0},
    {"0e999999999999999999999", 0},
    {"1e-99999999999999999999", 0},
    {"922337203685477,5807", kMax},
    {"922337203685477,58074", kMax},
    {"-922337203685477,5808", kMin},
    {"0000000000000000000000000000012,5", 125000},
    {"99999999999999,9999", 999999999999999999},  // the longest plain decimal
    {"100000000000000,1", 1000000000000001000},   // one whole digit more
    {"12500000000000000000000e-23", 1250},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"+", std::nullopt},
    {"-", std::nullopt},
    {"abc", std::nullopt},
    {"e5", std::nullopt},
    {"1 000", std::nullopt},
    {"12a", std::nullopt},
    {"\t1", std::nullopt},
    {"1,5,", std::nullopt},
    {"922337203685477,5808", std::nullopt},
    {"-922337203685477,5809", std::nullopt},
    {"999999999999999", std::nullopt},
    {"1e15", std::nullopt},
    {"1e999999999999999999999", std::nullopt},
    {"99999999999999999999999999999999", std::nullopt},
};

std::string WithSeparator(std::string text, char separator) {
    std::replace(text.begin(), text.end(), ',', separator);
    return text;
}

TEST(QuantityFromText, ReadsEveryFormWithEitherSeparator) {
    for (const char separator : {',', '.'}) {
        for (const TextCase& row : kTexts) {
            const std::string text = WithSeparator(row.text, separator);
            const std::optional<Quantity> q = QuantityFromText(text, separator);
            ASSERT_EQ(q.has_value(), row.scaled.has_value()) << '"' << text << '"';
            if (q) {
                EXPECT_EQ(q->scaled(), *row.scaled) << '"' << text << '"';
            }
        }
    }
}

TEST(QuantityFromText, RefusesTheOtherSeparator) {
    EXPECT_FALSE(QuantityFromText("0,25", '.'));
    EXPECT_FALSE(QuantityFromText("1.5", ','));
}

TEST(QuantityFromText, LongDigitStringsStayExact) {
    EXPECT_EQ(QuantityFromText("0," + std::string(100000, '0') + "1", ',')->scaled(), 0);
    EXPECT_EQ(QuantityFromText("0,00004" + std::string(100000, '9'), ',')->scaled(), 0);
    EXPECT_EQ(QuantityFromText("0,00005" + std::string(100000, '0') + "1", ',')->scaled(), 1);
    EXPECT_FALSE(QuantityFromText("1" + std::string(100000, '0'), ','));
}

TEST(QuantityToText, ShortestFixedPointForm) {
    const std::pair<std::int64_t, std::string> rows[] = {
        {10680000, "1068"},
        {2500, "0,25"},
        {1, "0,0001"},
        {19608, "1,9608"},
        {0, "0"},
        {-25000, "-2,5"},
        {-1, "-0,0001"},
        {1521000000000000, "152100000000"},
        {kMax, "922337203685477,5807"},
        {kMin, "-922337203685477,5808"},
    };
    for (const auto& [scaled, text] : rows) {
        const Quantity q = Quantity::FromScaled(scaled);
        EXPECT_EQ(QuantityToText(q, ','), text);
        EXPECT_EQ(QuantityToText(q, '.'), WithSeparator(text, '.'));
        EXPECT_EQ(QuantityFromText(QuantityToText(q, '.'), '.'), q) << text;
    }
}

TEST(Rounded, ExactHalvesGoToTheEvenNeighbour) {
    // 1/32 and 3/32 are binary fractions whose scaled values are exact halves.
    const std::pair<long double, std::int64_t> rows[] = {
        {0.03125L, 312},
        {0.09375L, 938},
        {-0.03125L, -312},
        {0.25L, 2500},
        {1.96L, 19600},
        {922337203685477.5807L, kMax},
        {-922337203685477.5808L, kMin},
    };
    for (const auto& [x, scaled] : rows)
        EXPECT_EQ(Rounded(x).scaled(), scaled) << x;
}

TEST(Rounded, FailsOutsideTheRange) {
    const long double rows[] = {
        922337203685477.5808L,
        -922337203685477.5809L,
        1e30L,
        std::numeric_limits<long double>::infinity(),
        -std::numeric_limits<long double>::infinity(),
        std::numeric_limits<long double>::quiet_NaN(),
        std::numeric_limits<long double>::max(),
    };
    for (const long double x : rows)
        EXPECT_THROW(Rounded(x), ArithmeticError) << x;
}

}  // namespace
}  // namespace vek
