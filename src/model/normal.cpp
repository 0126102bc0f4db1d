// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/normal.h"

#include <array>
#include <cmath>

namespace vek {

namespace {

// Abramowitz and Stegun 7.1.28, highest power first for Horner's rule; a1 keeps nine decimals
// as the program always had it.
constexpr std::array<double, 6> kCoefficientsHighFirst = {
    0.0000430638, 0.0002765672, 0.0001520143, 0.0092705272, 0.0422820123, 0.070523078,
};
constexpr double kInverseSqrt2 = 0.7071067812;
// Beyond this distance the polynomial is evaluated at a fixed point, so the result stays flat.
constexpr long double kLargestDistance = 14.14L;
constexpr double kFlatArgument = 10;

constexpr int kDecimalOrders = 6;

// x^-16 by repeated squaring: extended precision throughout, far cheaper than powl.
long double InverseSixteenthPower(long double x) {
    const long double x2 = x * x;
    const long double x4 = x2 * x2;
    const long double x8 = x4 * x4;
    return 1.0L / (x8 * x8);
}

}  // namespace

double ZToProbability(double z) {
    const double distance = std::fabs(z);
    const double t = static_cast<long double>(distance) <= kLargestDistance
                         ? distance * kInverseSqrt2
                         : kFlatArgument;
    double sum = 0;
    for (const double coefficient : kCoefficientsHighFirst)
        sum = (coefficient + sum) * t;
    return static_cast<double>(InverseSixteenthPower(1.0L + sum));
}

double ProbabilityToZ(double p) {
    double z = 0;
    double step = 1;
    for (int order = 0; order < kDecimalOrders; ++order) {
        z -= 10 * step;
        while (ZToProbability(z) < p)
            z += step;
        step /= 10;
    }
    return z;
}

}  // namespace vek
