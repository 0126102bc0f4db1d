// SPDX-License-Identifier: GPL-3.0-or-later
// How every document and window writes a fraction as a percentage.
#pragma once

#include <string>

#include "model/quantity.h"

namespace vek::planning {

// 0,7 as "70 %", 0,955 as "95,5 %": the fraction times 100 in the separator's dialect, a space
// and the sign.
std::string PercentText(Quantity fraction, char separator);

}  // namespace vek::planning
