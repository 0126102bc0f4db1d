// SPDX-License-Identifier: GPL-3.0-or-later
// Z and prob stay paired: whoever stores one stores the other, converted like this.
#pragma once

#include <limits>

#include "model/normal.h"
#include "model/quantity.h"

namespace vek {

// |q|; the most negative quantity, whose magnitude does not fit, gives the largest one.
inline Quantity Magnitude(Quantity q) {
    if (q.scaled() >= 0) return q;
    if (q.scaled() == std::numeric_limits<std::int64_t>::min()) {
        return Quantity::FromScaled(std::numeric_limits<std::int64_t>::max());
    }
    return Quantity::FromScaled(-q.scaled());
}

inline Quantity ProbabilityForDistance(Quantity z) {
    return Rounded(ZToProbability(static_cast<double>(z.value())));
}

// The search gives a negative distance; the quantity is its magnitude.
inline Quantity DistanceForProbability(Quantity prob) {
    return Magnitude(Rounded(ProbabilityToZ(static_cast<double>(prob.value()))));
}

}  // namespace vek
