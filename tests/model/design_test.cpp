// SPDX-License-Identifier: GPL-3.0-or-later
// The design effect, the response rate and the expected proportion: their bounds, the adjusted
// recalculation checked by hand, and the property that ties the design back to simple random
// sampling.
#include "model/design.h"

#include <gtest/gtest.h>

#include <random>

#include "model/recalc.h"

namespace vek {
namespace {

Quantity Q(std::int64_t scaled) {
    return Quantity::FromScaled(scaled);
}

struct AdjustedCase {
    const char* name;
    std::uint8_t code;
    Population population;
    std::int64_t sampleSize;  // scaled
    Field field;
    std::int64_t stored;  // scaled
};

class Adjusted : public testing::TestWithParam<AdjustedCase> {};

// The start-up values with d = 2: S = rounded(√0,5) = 0,7071.
TEST_P(Adjusted, DesignEffectTwoByHand) {
    ModelState state;
    state.DependentVariable = GetParam().code;
    state.SampleSize = Q(GetParam().sampleSize);
    RecalculateDependent(state, GetParam().population, ',', Q(20000));
    EXPECT_EQ(QuantityOf(state, GetParam().field), Q(GetParam().stored));
}

INSTANTIATE_TEST_SUITE_P(
    Dependents, Adjusted,
    testing::Values(AdjustedCase{"nInfinite", 4, Population::Infinite, 10680000, Field::n,
                                 21350000},
                    AdjustedCase{"nFinite", 4, Population::Finite, 10680000, Field::n, 17590000},
                    AdjustedCase{"eInfinite", 3, Population::Infinite, 10680000, Field::E, 424},
                    AdjustedCase{"eFinite", 3, Population::Finite, 10680000, Field::E, 401},
                    AdjustedCase{"zInfinite", 2, Population::Infinite, 10680000, Field::Z, 13865},
                    AdjustedCase{"zFinite", 2, Population::Finite, 10680000, Field::Z, 14670},
                    // The design's variance (0,2502 and 0,2801) divided by d.
                    AdjustedCase{"vInfinite", 1, Population::Infinite, 10680000, Field::V, 1251},
                    AdjustedCase{"vFinite", 1, Population::Finite, 10680000, Field::V, 1400},
                    AdjustedCase{"bigN", 5, Population::Finite, 9650000, Field::N, 17610000}),
    [](const auto& info) { return std::string(info.param.name); });

// OpenEpi's proportion calculator: N 1 000 000, p 50 %, E 5 %, 95 %. It gives 385, and 769 for
// d = 2, multiplying the corrected n by d; here d enters S before the correction: 768.
TEST(Design, PublishedProportionExample) {
    for (const auto& [designEffect, expected] :
         {std::pair{Q(10000), 3850000}, {Q(20000), 7680000}}) {
        ModelState state;
        state.PopulationVariance = *VarianceOfProportion(Q(5000));
        state.PrecisionError = Q(500);
        state.PopulationSize = Q(10000000000);
        RecalculateDependent(state, Population::Finite, ',', designEffect);
        EXPECT_EQ(state.SampleSize, Q(expected));
    }
}

// With d = 1 nothing changes; with any d, the design behaves as simple random sampling of the
// variance d × V (V itself divided back by d when it is dependent).
TEST(Design, IsSimpleRandomSamplingOfTheDesignVariance) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<std::int64_t> variance(1, 2500), error(1, 1000), sample(1, 50000);
    std::uniform_int_distribution<int> code(1, 5);
    const std::int64_t designEffects[] = {10000, 5000, 15000, 20000, 32500};
    for (int trial = 0; trial < 4000; ++trial) {
        ModelState state;
        state.DependentVariable = static_cast<std::uint8_t>(code(random));
        state.PopulationVariance = Q(variance(random) * 100);  // two decimals: d × V is exact
        state.PrecisionError = Q(error(random) * 10);
        state.SampleSize = Q(sample(random) * 10000);
        state.PopulationSize = Q(state.SampleSize.scaled() * 3);
        const Population population = trial % 2 == 0 ? Population::Finite : Population::Infinite;
        if (population == Population::Infinite && state.DependentVariable == 5) continue;
        const Quantity d = Q(designEffects[trial % 5]);

        ModelState designed = state;
        const auto designedTexts = RecalculateDependent(designed, population, ',', d);
        ModelState simple = state;
        simple.PopulationVariance = Rounded(d.value() * state.PopulationVariance.value());
        const auto simpleTexts = RecalculateDependent(simple, population, ',');
        if (state.DependentVariable == 1) {
            if (designedTexts.front().text != kInputErrorText) {
                EXPECT_EQ(designed.PopulationVariance,
                          d == kNoDesignEffect
                              ? simple.PopulationVariance
                              : Rounded(simple.PopulationVariance.value() / d.value()));
            }
            continue;
        }
        simple.PopulationVariance = state.PopulationVariance;
        EXPECT_EQ(designed, simple) << "trial " << trial;
        EXPECT_EQ(designedTexts, simpleTexts) << "trial " << trial;
    }
}

TEST(Design, Bounds) {
    EXPECT_FALSE(IsDesignEffect(Q(0)));
    EXPECT_TRUE(IsDesignEffect(Q(1)));
    EXPECT_FALSE(IsResponseRate(Q(0)));
    EXPECT_TRUE(IsResponseRate(Q(1)));
    EXPECT_TRUE(IsResponseRate(Q(10000)));
    EXPECT_FALSE(IsResponseRate(Q(10001)));
    EXPECT_EQ(DesignEffectOfClusters(Q(500), Q(210000)), Q(20000));  // 1 + 20 × 0,05
    EXPECT_EQ(DesignEffectOfClusters(Q(10000), Q(10000)), Q(10000));
    EXPECT_EQ(DesignEffectOfClusters(Q(-1), Q(20000)), std::nullopt);
    EXPECT_EQ(DesignEffectOfClusters(Q(10001), Q(20000)), std::nullopt);
    EXPECT_EQ(DesignEffectOfClusters(Q(500), Q(9999)), std::nullopt);
    EXPECT_EQ(VarianceOfProportion(Q(5000)), Q(2500));
    EXPECT_EQ(VarianceOfProportion(Q(1)), Q(1));  // 0,00009999 rounds up
    EXPECT_EQ(VarianceOfProportion(Q(0)), std::nullopt);
    EXPECT_EQ(VarianceOfProportion(Q(10000)), std::nullopt);
    // Back from V to the proportion at or below one half.
    EXPECT_EQ(ProportionOfVariance(Q(2100)), Q(3000));
    EXPECT_EQ(ProportionOfVariance(Q(475)), Q(500));
    EXPECT_EQ(ProportionOfVariance(Q(2500)), Q(5000));
    EXPECT_EQ(ProportionOfVariance(Q(3000)), Q(5000));
}

TEST(Design, Contacts) {
    EXPECT_EQ(ContactsNeeded(Q(125000), kFullResponse), Q(130000));  // 12,5 interviews
    EXPECT_EQ(ContactsNeeded(Q(3200000), Q(8000)), Q(4000000));
    EXPECT_EQ(ContactsNeeded(Q(10000), Q(3000)), Q(40000));                   // 3,3333 rounds first
    EXPECT_EQ(ContactsNeeded(Q(std::int64_t{1} << 50), Q(1)), std::nullopt);  // too many to count
    EXPECT_EQ(InterviewsOfContacts(Q(4000000), Q(8000)), Q(3200000));
}

}  // namespace
}  // namespace vek
