// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/confidence.h"

#include <optional>

#include "planning/percent.h"

namespace vek::planning {

namespace {

struct Sigmas {
    Quantity level;  // rounded to a tenth of a percent
    const char* words;
};

std::optional<Sigmas> SigmasOf(Quantity distance) {
    if (distance == Quantity::FromScaled(2 * Quantity::kScale)) {
        return Sigmas{Quantity::FromScaled(9550), "dos sigmas"};
    }
    if (distance == Quantity::FromScaled(3 * Quantity::kScale)) {
        return Sigmas{Quantity::FromScaled(9970), "tres sigmas"};
    }
    return std::nullopt;
}

}  // namespace

std::string ConfidencePercent(const ModelState& state, char separator) {
    const std::optional<Sigmas> sigmas = SigmasOf(state.StandardDistance);
    const Quantity level =
        sigmas ? sigmas->level
               : Quantity::FromScaled(Quantity::kScale - state.ErrorProbability.scaled());
    return PercentText(level, separator);
}

std::string ConfidenceLevel(const ModelState& state, char separator) {
    std::string level = ConfidencePercent(state, separator);
    if (const std::optional<Sigmas> sigmas = SigmasOf(state.StandardDistance)) {
        level += std::string(" (") + sigmas->words + ")";
    }
    return level;
}

}  // namespace vek::planning
