// Z and prob stay paired: whoever stores one stores the other, converted like this.
#pragma once

#include "model/normal.h"
#include "model/quantity.h"

namespace vek {

inline Quantity ProbabilityForDistance(Quantity z) {
    return Rounded(ZToProbability(static_cast<double>(z.value())));
}

// The search gives a negative distance; the quantity is its magnitude.
inline Quantity DistanceForProbability(Quantity prob) {
    const Quantity z = Rounded(ProbabilityToZ(static_cast<double>(prob.value())));
    return Quantity::FromScaled(z.scaled() < 0 ? -z.scaled() : z.scaled());
}

}  // namespace vek
