// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/clock.h"

#include <gtest/gtest.h>

#include <utility>

namespace vek {
namespace {

TEST(DaysToHMS, TruncatesEachPart) {
    const std::pair<double, const char*> rows[] = {
        {0, "00:00:00"},
        {0.5, "12:00:00"},
        {0.75, "18:00:00"},
        {1.5, "36:00:00"},
        {5, "120:00:00"},
        {-0.5, "-12:00:00"},
        {0.5 - 1e-9, "11:59:59"},
        {-1e-9, "00:00:00"},
        // The double nearest a minute lies just below it.
        {1.0 / 24 / 60, "00:00:59"},
        {TimeOfDayInDays(23, 59, 59, 999), "23:59:59"},
        {TimeOfDayInDays(0, 0, 1, 500), "00:00:01"},
    };
    for (const auto& [days, text] : rows)
        EXPECT_EQ(DaysToHMS(days), text) << days;
}

TEST(TimeOfDayInDays, FractionOfADay) {
    EXPECT_EQ(TimeOfDayInDays(12, 0, 0, 0), 0.5);
    EXPECT_EQ(TimeOfDayInDays(18, 0, 0, 0), 0.75);
    EXPECT_EQ(TimeOfDayInDays(0, 0, 0, 1), 1.0 / 86400000);
}

TEST(SecondsToHMS, WholeSeconds) {
    const std::pair<std::int64_t, const char*> rows[] = {
        {0, "00:00:00"},       {3661, "01:01:01"}, {86399, "23:59:59"},
        {360000, "100:00:00"}, {-5, "00:00:00"},
    };
    for (const auto& [seconds, text] : rows)
        EXPECT_EQ(SecondsToHMS(seconds), text) << seconds;
}

}  // namespace
}  // namespace vek
