// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/percent.h"

namespace vek::planning {

std::string PercentText(Quantity fraction, char separator) {
    constexpr std::int64_t kHundred = 100;
    return QuantityToText(Quantity::FromScaled(fraction.scaled() * kHundred), separator) + " %";
}

}  // namespace vek::planning
