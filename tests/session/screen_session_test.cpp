// SPDX-License-Identifier: GPL-3.0-or-later
// The screen session: what it holds, what each operation marks as changed, and the records it
// will and will not restore.
#include "session/screen_session.h"

#include <gtest/gtest.h>

#include "case_names.h"
#include "model/recalc.h"

namespace vek {
namespace {

using vek::tests::PrintTo;

TEST(ScreenSession, StartsAsLaidOutWhateverTheSeparator) {
    const ScreenSession session('.');
    const std::pair<Field, const char*> texts[] = {{Field::V, "0,25"},  {Field::Z, "1,96"},
                                                   {Field::E, "0,03"},  {Field::n, "1068"},
                                                   {Field::N, "10000"}, {Field::prob, "0,05"}};
    for (const auto& [field, text] : texts)
        EXPECT_EQ(session.text(field), text);
    EXPECT_EQ(session.zOptionCaption(), kZCaption);
    EXPECT_EQ(session.state(), ModelState{});
    EXPECT_EQ(session.population(), Population::Infinite);
}

struct ResultCase {
    const char* name;
    Dependent dependent;
    const char* result;
    bool failed;
};

class ResultText : public testing::TestWithParam<ResultCase> {};

// From the start-up state, finite, after "Calcula" with `code` dependent.
TEST_P(ResultText, QuotesTheDependentFields) {
    ScreenSession session(',');
    session.SetPopulationType(2);
    if (GetParam().dependent == Dependent::N) {
        EXPECT_EQ(session.LeaveField(Field::n, "1068"), EntryOutcome::Accepted);
    }
    ASSERT_TRUE(session.ChooseDependentVariable(GetParam().dependent));
    session.RecalculateDependent();
    EXPECT_EQ(session.ResultText(), GetParam().result);
    EXPECT_EQ(session.Report().resultText, GetParam().result);
    EXPECT_EQ(session.ResultFailed(), GetParam().failed);
}

INSTANTIATE_TEST_SUITE_P(
    Dependents, ResultText,
    testing::Values(ResultCase{"V", Dependent::V, "0,2801", false},
                    ResultCase{"ZWithProb", Dependent::Z, "Z= 2,0746; prob= 0,038", false},
                    ResultCase{"E", Dependent::E, "0,0284", false},
                    ResultCase{"n", Dependent::n, "965", false},
                    ResultCase{"NBelowOne", Dependent::N, "Mal resultado", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenSession, OperationsMarkWhatTheyWrote) {
    ScreenSession session(',');
    EXPECT_EQ(session.LeaveField(Field::Z, "2"), EntryOutcome::Accepted);
    ScreenChanges changes = session.TakeChanges();
    EXPECT_TRUE(changes.texts[Field::Z] && changes.texts[Field::prob]);
    EXPECT_FALSE(changes.texts[Field::n] || changes.dependent || changes.population);
    EXPECT_FALSE(session.TakeChanges().texts[Field::Z]);

    session.EnterField(Field::prob);
    EXPECT_TRUE(session.TakeChanges().zCaption);
    EXPECT_EQ(session.zOptionCaption(), kProbCaption);

    session.ChoosePopulation(Population::Finite);
    EXPECT_TRUE(session.ChooseDependentVariable(Dependent::N));
    changes = session.TakeChanges();
    EXPECT_TRUE(changes.population && changes.dependent && changes.texts[Field::n]);

    // Going infinite with N dependent makes n dependent, and recalculates it.
    session.ChoosePopulation(Population::Infinite);
    changes = session.TakeChanges();
    EXPECT_TRUE(changes.population && changes.dependent && changes.texts[Field::n]);
    EXPECT_EQ(session.state().DependentVariable, CodeOf(Field::n));
    EXPECT_EQ(session.text(Field::n), "1112");

    // The option already chosen runs nothing; N's option is disabled for an infinite population.
    session.ChoosePopulation(Population::Infinite);
    EXPECT_FALSE(session.ChooseDependentVariable(Dependent::N));
    changes = session.TakeChanges();
    EXPECT_FALSE(changes.population || changes.dependent || changes.texts[Field::n]);
}

TEST(ScreenSession, NegativeVFailsBeforeWritingAndLeavesTheRestoreShown) {
    ScreenSession session(',');
    ScreenStateRecord record = session.Record();
    record.PopulationVariance = Quantity::FromScaled(-2500);
    EXPECT_THROW(session.Restore(record), InvalidFloatingPointOperation);
    const ScreenChanges changes = session.TakeChanges();
    EXPECT_TRUE(changes.texts[Field::V] && changes.dependent && changes.population);
    EXPECT_EQ(session.text(Field::V), "-0,25");
    EXPECT_EQ(session.text(Field::n), "1068");
}

TEST(ScreenSession, RestoreKeepsProbUnlessZIsDependent) {
    ScreenSession session(',');
    ScreenStateRecord record = session.Record();
    record.StandardDistance = Quantity::FromScaled(20000);
    ASSERT_EQ(session.Restore(record), RestoreProblem::None);
    EXPECT_EQ(session.text(Field::Z), "2");
    EXPECT_EQ(session.text(Field::prob), "0,05");
    EXPECT_FALSE(session.TakeChanges().texts[Field::prob]);
    record.DependentVariable = 2;
    ASSERT_EQ(session.Restore(record), RestoreProblem::None);
    EXPECT_EQ(session.text(Field::prob), "0,0499");
}

// The proportion that gave V is remembered until V changes any other way.
TEST(ScreenSession, RemembersTheProportionOfVUntilVChanges) {
    const Quantity p = Quantity::FromScaled(3000);
    const struct {
        const char* name;
        void (*change)(ScreenSession&);
        std::optional<Quantity> proportion;
    } cases[] = {
        {"other fields",
         [](ScreenSession& s) {
             s.LeaveField(Field::E, "0,02");
             s.RecalculateDependent();
         },
         p},
        {"V left as it was", [](ScreenSession& s) { s.LeaveField(Field::V, "0,21"); }, p},
        {"V typed", [](ScreenSession& s) { s.LeaveField(Field::V, "0,2"); }, std::nullopt},
        {"p refused", [](ScreenSession& s) { s.EnterProportion("1,5"); }, p},
        {"V computed",
         [](ScreenSession& s) {
             s.ChooseDependentVariable(Dependent::V);
             s.RecalculateDependent();
         },
         std::nullopt},
        {"restored", [](ScreenSession& s) { s.Restore(s.Record()); }, std::nullopt},
    };
    for (const auto& c : cases) {
        ScreenSession session(',');
        EXPECT_FALSE(session.proportion());
        ASSERT_EQ(session.EnterProportion("0,3"), EntryOutcome::Accepted);
        c.change(session);
        EXPECT_EQ(session.proportion(), c.proportion) << c.name;
    }
}

struct ProblemCase {
    const char* name;
    std::uint8_t code;
    std::uint8_t finite;
    RestoreProblem problem;
};

class RestoreProblems : public testing::TestWithParam<ProblemCase> {};

TEST_P(RestoreProblems, OnlyRecordsTheSaveWritesAreRestored) {
    ScreenSession session(',');
    ScreenStateRecord record = session.Record();
    record.DependentVariable = GetParam().code;
    record.finite = GetParam().finite;
    record.SampleSize = Quantity::FromScaled(9650000);
    EXPECT_EQ(RestoreProblemOf(record), GetParam().problem);
    session.TakeChanges();
    EXPECT_EQ(session.Restore(record), GetParam().problem);
    if (GetParam().problem != RestoreProblem::None) {
        EXPECT_EQ(session.state(), ModelState{});
        EXPECT_FALSE(session.TakeChanges().dependent);
    } else {
        EXPECT_EQ(session.Record().DependentVariable, GetParam().code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, RestoreProblems,
    testing::Values(ProblemCase{"vInfinite", 1, 0, RestoreProblem::None},
                    ProblemCase{"zFinite", 2, 1, RestoreProblem::None},
                    ProblemCase{"bigNFinite", 5, 1, RestoreProblem::None},
                    ProblemCase{"codeZero", 0, 0, RestoreProblem::DependentCodeOutOfRange},
                    ProblemCase{"codeSix", 6, 1, RestoreProblem::DependentCodeOutOfRange},
                    ProblemCase{"populationTwo", 4, 2, RestoreProblem::PopulationByteInvalid},
                    ProblemCase{"bigNInfinite", 5, 0, RestoreProblem::NDependentButInfinite}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenStateRecord, ApplyToModelKeepsTheErrorProbability) {
    ModelState state;
    state.ErrorProbability = Quantity::FromScaled(1234);
    const ScreenStateRecord record{Quantity::FromScaled(1),
                                   Quantity::FromScaled(2),
                                   Quantity::FromScaled(3),
                                   Quantity::FromScaled(4),
                                   Quantity::FromScaled(5),
                                   2,
                                   1};
    ApplyToModel(record, state);
    EXPECT_EQ(RecordOf(state, PopulationOf(record)), record);
    EXPECT_EQ(state.ErrorProbability, Quantity::FromScaled(1234));
}

}  // namespace
}  // namespace vek
