// SPDX-License-Identifier: GPL-3.0-or-later
// Times of day and durations as text.
#pragma once

#include <cstdint>
#include <string>

namespace vek {

// hours:minutes:seconds of a time of day or a duration in days, each part truncated and shown
// with at least two digits (a minus sign in front of a negative part).
std::string DaysToHMS(double days);

// A wall-clock time of day as a fraction of a day (0.5 is noon).
double TimeOfDayInDays(int hour, int minute, int second, int millisecond);

// A whole number of seconds, not negative, as hh:mm:ss; the hours may exceed 23.
std::string SecondsToHMS(std::int64_t seconds);

}  // namespace vek
