// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/normal.h"

#include <gtest/gtest.h>

#include "model/pair.h"

namespace vek {
namespace {

struct DistanceCase {
    double z;
    double probability;  // as far as the digits go
    std::int64_t stored;
};

// Beyond 14.14 (compared in extended precision, which the double 14.14 exceeds) the tail stays
// flat at one value.
constexpr double kFlatTail = 8.55599077e-32;

TEST(ZToProbability, MatchesTheTable) {
    const DistanceCase rows[] = {
        {0, 1, 10000},
        {0.5, 0.617074909, 6171},
        {1, 0.31731064, 3173},
        {1.6449, 0.0999903955, 1000},
        {1.96, 0.049996045, 500},
        {2, 0.0455005241, 455},
        {2.5758, 0.0100006504, 100},
        {3, 0.0026996254, 27},
        {3.29, 0.00100193105, 10},
        {3.9, 0.0000964447848, 1},
        {14.14, kFlatTail, 0},
        {14.15, kFlatTail, 0},
        {1e6, kFlatTail, 0},
    };
    for (const DistanceCase& row : rows) {
        for (const double z : {row.z, -row.z}) {
            EXPECT_NEAR(ZToProbability(z) / row.probability, 1, 1e-8) << z;
            const Quantity stored = ProbabilityForDistance(Rounded(z));
            EXPECT_EQ(stored.scaled(), row.stored) << z;
        }
    }
    EXPECT_EQ(ZToProbability(0), 1);
}

struct ProbabilityCase {
    double p;
    double z;
    std::int64_t stored;
};

TEST(ProbabilityToZ, CutsToFiveDecimalsAndStoresTheMagnitude) {
    const ProbabilityCase rows[] = {
        {0.0001, -3.8912, 38912},
        {0.001, -3.29054, 32905},
        {0.01, -2.57582, 25758},
        {0.05, -1.95996, 19600},
        {0.5, -0.67448, 6745},
        {0.9999, -0.00012, 1},
        {0.0512, -1.9498, 19498},
        // The search result lies just below the tie in binary.
        {0.1, -1.64485, 16448},
        // The scaled value crosses the tie only when formed in extended precision.
        {0.0005, -3.48085, 34809},
    };
    for (const ProbabilityCase& row : rows) {
        EXPECT_NEAR(ProbabilityToZ(row.p), row.z, 1e-9) << row.p;
        const Quantity p = Rounded(row.p);
        EXPECT_EQ(DistanceForProbability(p).scaled(), row.stored) << row.p;
    }
}

TEST(ProbabilityToZ, StoredDistanceGivesTheProbabilityBack) {
    for (const std::int64_t p : {1, 10, 100, 500, 5000, 9999}) {
        const Quantity prob = Quantity::FromScaled(p);
        EXPECT_EQ(ProbabilityForDistance(DistanceForProbability(prob)), prob) << p;
    }
    EXPECT_EQ(ProbabilityForDistance(Quantity::FromScaled(19500)).scaled(), 512);
}

}  // namespace
}  // namespace vek
