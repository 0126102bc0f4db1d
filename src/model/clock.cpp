// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/clock.h"

#include <cmath>
#include <cstdio>

namespace vek {

namespace {

constexpr double kMillisecondsPerDay = 86'400'000;
constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerMinute = 60;

// A whole value with at least two digits, the minus sign in front of a negative one.
std::string TwoDigits(double whole) {
    const double magnitude = std::fabs(whole);
    const int length = std::snprintf(nullptr, 0, "%02.0f", magnitude);
    std::string digits(static_cast<std::size_t>(length), '\0');
    std::snprintf(digits.data(), digits.size() + 1, "%02.0f", magnitude);
    return whole < 0 ? "-" + digits : digits;
}

std::string TwoDigits(std::int64_t whole) {
    std::string digits = std::to_string(whole);
    return digits.size() < 2 ? "0" + digits : digits;
}

}  // namespace

std::string DaysToHMS(double days) {
    const double hours = std::trunc(days * 24);
    const double rest = days - hours / 24;
    const double minutes = std::trunc(rest * 24 * 60);
    const double restOfMinute = rest - minutes / 24 / 60;
    const double seconds = std::trunc(restOfMinute * 24 * 60 * 60);
    return TwoDigits(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(seconds);
}

double TimeOfDayInDays(int hour, int minute, int second, int millisecond) {
    const std::int64_t milliseconds = std::int64_t{hour} * 3'600'000 +
                                      std::int64_t{minute} * 60'000 + std::int64_t{second} * 1'000 +
                                      millisecond;
    return static_cast<double>(milliseconds) / kMillisecondsPerDay;
}

std::string SecondsToHMS(std::int64_t seconds) {
    const std::int64_t total = seconds < 0 ? 0 : seconds;
    return TwoDigits(total / kSecondsPerHour) + ":" +
           TwoDigits(total / kSecondsPerMinute % kSecondsPerMinute) + ":" +
           TwoDigits(total % kSecondsPerMinute);
}

}  // namespace vek
