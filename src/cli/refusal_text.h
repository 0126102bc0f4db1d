// SPDX-License-Identifier: GPL-3.0-or-later
// vek-calc's English for the reasons planning gives.
#pragma once

#include <string>
#include <string_view>

#include "planning/input_refusal.h"

namespace vek::cli {

// "line N: why" for a refused record; `input` names the whole ("batch") where there is no line.
std::string RefusalText(const planning::InputRefusal& refusal, std::string_view input);

}  // namespace vek::cli
