// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print.h"

namespace vek {
namespace {

using enum EntryOutcome;
constexpr auto kInfinite = Population::Infinite;
constexpr auto kFinite = Population::Finite;
constexpr std::uint8_t kVDependent = 1;
constexpr std::uint8_t kNDependent = 5;
constexpr std::uint8_t kNDependentN = 4;  // n dependent, the start-up choice
const std::string kNaN(kNotANumberText);

// Laid out in the order of the table's columns, not for size.
struct EntryCase {  // NOLINT(clang-analyzer-optin.performance.Padding)
    const char* name;
    Field field;
    const char* text;
    Population population;
    std::uint8_t dependent;
    EntryOutcome outcome;
    std::vector<std::string> texts;  // the field, then its partner
    char separator = ',';
};

const EntryCase kCases[] = {
    {"V canonical", Field::V, "0,250", kInfinite, kNDependentN, Accepted, {"0,25"}},
    {"V zero", Field::V, "0", kInfinite, kNDependentN, Refused, {"0,25"}},
    {"V negative", Field::V, "-1", kInfinite, kNDependentN, Refused, {"0,25"}},
    {"V rounds to zero", Field::V, "0,00004", kInfinite, kNDependentN, Refused, {"0,25"}},
    {"V not a number", Field::V, "abc", kInfinite, kNDependentN, NotANumber, {kNaN}},
    {"V empty", Field::V, "", kInfinite, kNDependentN, NotANumber, {kNaN}},
    {"V other separator", Field::V, "0,25", kInfinite, kNDependentN, NotANumber, {kNaN}, '.'},
    {"E accepted", Field::E, "0,02", kInfinite, kNDependentN, Accepted, {"0,02"}},
    {"E zero", Field::E, "0", kInfinite, kNDependentN, Refused, {"0,03"}},
    {"n below 1", Field::n, "0,5", kInfinite, kVDependent, Refused, {"1068"}},
    {"n 1", Field::n, "1", kInfinite, kVDependent, Accepted, {"1"}},
    {"n fraction", Field::n, "12,5", kInfinite, kVDependent, Accepted, {"12,5"}},
    {"n = N finite", Field::n, "10000", kFinite, kVDependent, Refused, {"1068"}},
    {"n = N infinite", Field::n, "10000", kInfinite, kVDependent, Accepted, {"10000"}},
    {"n = N, N dependent", Field::n, "10000", kFinite, kNDependent, Accepted, {"10000"}},
    {"N = n", Field::N, "1068", kFinite, kVDependent, Refused, {"10000"}},
    {"N = n, n dependent", Field::N, "1068", kFinite, kNDependentN, Accepted, {"1068"}},
    {"N negative, n dependent", Field::N, "-5", kFinite, kNDependentN, Accepted, {"-5"}},
    {"N above n", Field::N, "1069", kFinite, kVDependent, Accepted, {"1069"}},
    {"Z magnitude", Field::Z, "-2", kInfinite, kNDependentN, Corrected, {"2", "0,0455"}},
    {"Z capped", Field::Z, "5", kInfinite, kNDependentN, Corrected, {"3,9", "0,0001"}},
    {"Z at the cap", Field::Z, "3,9", kInfinite, kNDependentN, Accepted, {"3,9", "0,0001"}},
    {"Z zero", Field::Z, "0", kInfinite, kNDependentN, Accepted, {"0", "1"}},
    {"Z most negative",
     Field::Z,
     "-922337203685477,5808",
     kInfinite,
     kNDependentN,
     Corrected,
     {"3,9", "0,0001"}},
    {"Z not a number", Field::Z, "abc", kInfinite, kNDependentN, NotANumber, {"1,96", "0,05"}},
    {"Z other separator",
     Field::Z,
     "1,96",
     kInfinite,
     kNDependentN,
     NotANumber,
     {"1.96", "0.05"},
     '.'},
    {"prob zero", Field::prob, "0", kInfinite, kNDependentN, Corrected, {"0,0001", "3,8912"}},
    {"prob one", Field::prob, "1", kInfinite, kNDependentN, Corrected, {"0,9999", "0,0001"}},
    {"prob at the bound",
     Field::prob,
     "0,0001",
     kInfinite,
     kNDependentN,
     Accepted,
     {"0,0001", "3,8912"}},
    {"prob 0,05", Field::prob, "0,05", kInfinite, kNDependentN, Accepted, {"0,05", "1,96"}},
    {"prob 0,1", Field::prob, "0,1", kInfinite, kNDependentN, Accepted, {"0,1", "1,6448"}},
    {"prob not a number",
     Field::prob,
     "abc",
     kInfinite,
     kNDependentN,
     NotANumber,
     {"0,05", "1,96"}},
};

TEST(LeaveField, EveryRule) {
    for (const EntryCase& row : kCases) {
        SCOPED_TRACE(row.name);
        ModelState state;
        state.DependentVariable = row.dependent;
        ModelState expected = state;

        const FieldExit exit =
            LeaveField(state, row.field, row.text, row.population, row.separator);

        EXPECT_EQ(exit.outcome, row.outcome);
        ASSERT_EQ(exit.texts.size(), row.texts.size());
        for (std::size_t i = 0; i < exit.texts.size(); ++i) {
            const FieldText& shown = exit.texts[i];
            EXPECT_EQ(shown.text, row.texts[i]);
            // Whatever a field shows, other than the failure text, is what the model holds.
            if (shown.text != kNaN) {
                QuantityOf(expected, shown.field) = *QuantityFromText(shown.text, row.separator);
            }
        }
        EXPECT_EQ(exit.texts.front().field, row.field);
        EXPECT_EQ(state, expected);
    }
}

TEST(EditabilityOf, DependentFieldsAndNForAnInfinitePopulation) {
    ModelState state;
    state.DependentVariable = 2;
    EXPECT_EQ(EditabilityOf(state, kFinite, Field::Z), Editability::Dependent);
    EXPECT_EQ(EditabilityOf(state, kFinite, Field::prob), Editability::Dependent);
    EXPECT_EQ(EditabilityOf(state, kFinite, Field::N), Editability::Editable);
    EXPECT_EQ(EditabilityOf(state, kInfinite, Field::N), Editability::InfinitePopulation);
    EXPECT_EQ(EditabilityOf(state, kInfinite, Field::n), Editability::Editable);
    state.DependentVariable = 0;
    EXPECT_TRUE(DependentFields(0).empty());
    EXPECT_EQ(EditabilityOf(state, kFinite, Field::prob), Editability::Editable);
}

TEST(CanBeDependent, NOnlyForAFinitePopulation) {
    for (std::uint8_t code = 1; code <= 4; ++code) {
        EXPECT_TRUE(CanBeDependent(code, kInfinite));
        EXPECT_TRUE(CanBeDependent(code, kFinite));
    }
    EXPECT_FALSE(CanBeDependent(5, kInfinite));
    EXPECT_TRUE(CanBeDependent(5, kFinite));
    EXPECT_FALSE(CanBeDependent(0, kFinite));
    EXPECT_FALSE(CanBeDependent(6, kFinite));
}

}  // namespace
}  // namespace vek
