// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/recalc.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "print.h"

namespace vek {

namespace {

using Values = std::vector<std::pair<Field, std::int64_t>>;  // scaled quantities

constexpr std::int64_t kUnit = Quantity::kScale;
constexpr auto kInfinite = Population::Infinite;
constexpr auto kFinite = Population::Finite;
const std::string kError(kInputErrorText);
const std::string kBad(kBadResultText);

struct RecalcCase {
    const char* name;
    std::uint8_t dependent;
    Population population;
    Values given;     // changed from the start-up values before recalculating
    Values expected;  // quantities afterwards; the others must not change
    std::vector<std::string> texts;
};

const RecalcCase kCases[] = {
    {"n infinite", 4, kInfinite, {}, {{Field::n, 1068 * kUnit}}, {"1068"}},
    {"n finite", 4, kFinite, {}, {{Field::n, 965 * kUnit}}, {"965"}},
    {"V infinite", 1, kInfinite, {}, {{Field::V, 2502}}, {"0,2502"}},
    {"V finite", 1, kFinite, {}, {{Field::V, 2801}}, {"0,2801"}},
    {"Z infinite", 2, kInfinite, {}, {{Field::Z, 19608}, {Field::prob, 499}}, {"1,9608", "0,0499"}},
    {"Z finite", 2, kFinite, {}, {{Field::Z, 20746}, {Field::prob, 380}}, {"2,0746", "0,038"}},
    {"E infinite", 3, kInfinite, {}, {{Field::E, 300}}, {"0,03"}},
    {"E finite", 3, kFinite, {}, {{Field::E, 284}}, {"0,0284"}},
    {"N from n 965", 5, kFinite, {{Field::n, 965 * kUnit}}, {{Field::N, 10076 * kUnit}}, {"10076"}},
    {"N whole before rounding up",
     5,
     kFinite,
     {{Field::n, 1067 * kUnit}},
     {{Field::N, 10237865 * kUnit}},
     {"10237865"}},
    {"N below 1", 5, kFinite, {{Field::n, 1068 * kUnit}}, {{Field::N, -1280932 * kUnit}}, {kBad}},
    {"N with n at the infinite size",
     5,
     kFinite,
     {{Field::E, 980}, {Field::n, 100 * kUnit}},
     {},
     {kError}},
    {"n from the rounded S", 4, kInfinite, {{Field::V, 370}}, {{Field::n, 159 * kUnit}}, {"159"}},
    {"V with n = N", 1, kFinite, {{Field::n, 10000 * kUnit}}, {}, {kError}},
    {"Z with n = N keeps step 1",
     2,
     kFinite,
     {{Field::n, 10000 * kUnit}},
     {{Field::Z, 6 * kUnit}},
     {kError, kError}},
    {"E with n = N clamps", 3, kFinite, {{Field::n, 10000 * kUnit}}, {{Field::E, 1}}, {"0"}},
    {"E with n > N keeps step 1",
     3,
     kFinite,
     {{Field::n, 20000 * kUnit}},
     {{Field::E, 69}},
     {kError}},
    {"Z zero, n infinite", 4, kInfinite, {{Field::Z, 0}}, {{Field::n, kUnit}}, {"0"}},
    {"Z zero, n finite", 4, kFinite, {{Field::Z, 0}}, {{Field::n, kUnit}}, {kError}},
    {"Z zero, V", 1, kInfinite, {{Field::Z, 0}}, {}, {kError}},
    {"S zero, Z", 2, kInfinite, {{Field::V, 0}}, {}, {kError, kError}},
    {"n in full",
     4,
     kInfinite,
     {{Field::V, 100 * kUnit}, {Field::Z, 39000}, {Field::E, 1}},
     {{Field::n, 152100000000 * kUnit}},
     {"152100000000"}},
    {"n too large keeps its value",
     4,
     kInfinite,
     {{Field::V, 100000000000000 * kUnit}, {Field::Z, 39000}, {Field::E, 1}},
     {},
     {kError}},
    {"V rounds to zero",
     1,
     kInfinite,
     {{Field::n, kUnit}, {Field::E, 1}, {Field::Z, 39000}},
     {{Field::V, 0}},
     {kBad}},
    {"previous V of zero after a failure",
     1,
     kFinite,
     {{Field::V, 0}, {Field::n, 10000 * kUnit}},
     {},
     {kBad}},
    {"code 0", 0, kFinite, {}, {}, {}},
    {"code 6", 6, kFinite, {}, {}, {}},
};

void Apply(ModelState& state, const Values& values) {
    for (const auto& [field, scaled] : values) {
        QuantityOf(state, field) = Quantity::FromScaled(scaled);
    }
}

TEST(RecalculateDependent, EveryCase) {
    for (const RecalcCase& row : kCases) {
        SCOPED_TRACE(row.name);
        ModelState state;
        Apply(state, row.given);
        state.DependentVariable = row.dependent;
        ModelState expected = state;
        Apply(expected, row.expected);

        const FieldTexts texts = RecalculateDependent(state, row.population, ',');

        EXPECT_EQ(state, expected);
        const auto fields = DependentFields(row.dependent);
        ASSERT_EQ(texts.size(), fields.size());
        ASSERT_EQ(texts.size(), row.texts.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i], (FieldText{fields[i], ShownText(row.texts[i])}));
        }
    }
}

TEST(RecalculateDependent, WritesWithTheGivenSeparator) {
    ModelState state;
    state.DependentVariable = 2;
    const FieldTexts expected = {{Field::Z, "1.9608"}, {Field::prob, "0.0499"}};
    EXPECT_EQ(RecalculateDependent(state, kInfinite, '.'), expected);
}

TEST(RecalculateDependent, NegativeVarianceFailsBeforeStoringAnything) {
    for (std::uint8_t code = 1; code <= 5; ++code) {
        ModelState state;
        state.PopulationVariance = Quantity::FromScaled(-1);
        state.DependentVariable = code;
        const ModelState before = state;
        EXPECT_THROW(RecalculateDependent(state, kFinite, ','), InvalidFloatingPointOperation);
        EXPECT_EQ(state, before);
    }
}

}  // namespace
}  // namespace vek
