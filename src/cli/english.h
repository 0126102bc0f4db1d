// SPDX-License-Identifier: GPL-3.0-or-later
// vek-calc's words for planning's refusals, corrections and sweep problems. The "error" column
// of a sweep or batch is written with them, by vek-calc and by the exploring window's data
// export alike, so that both files are the same.
#pragma once

#include <string>
#include <string_view>

#include "planning/sweep.h"

namespace vek::cli {

// The rule that refuses a value of `variable`: "V must be greater than 0".
std::string RuleOf(planning::Variable variable);

// "V=-1: refused, V must be greater than 0".
std::string InEnglish(const planning::Refusal& refusal, char decimalSeparator);

// "STEP must be greater than 0".
std::string InEnglish(const planning::SweepProblem& problem, char decimalSeparator);

// "Z=5: corrected to 3,9".
std::string CorrectionInEnglish(planning::Variable variable, std::string_view text,
                                std::string_view correctedTo);

}  // namespace vek::cli
