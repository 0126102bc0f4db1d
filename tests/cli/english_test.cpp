// SPDX-License-Identifier: GPL-3.0-or-later
// vek-calc's English for planning's refusals and sweep problems: the words its error lines and
// the "error" column of its tables have always used.
#include "cli/english.h"

#include <gtest/gtest.h>

namespace vek::cli {
namespace {

using planning::EntryResult;
using planning::Variable;

template <class Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

struct EntryCase {
    const char* name;
    Dependent dependent;
    Variable variable;
    const char* text;
    const char* message;
};

class Entries : public testing::TestWithParam<EntryCase> {};

TEST_P(Entries, AreToldInVekCalcsWords) {
    ScreenSession session(',');
    ASSERT_TRUE(session.ChooseDependentVariable(GetParam().dependent));
    const planning::Entry entry = planning::Enter(session, GetParam().variable, GetParam().text);
    const std::string told =
        entry.refusal
            ? InEnglish(*entry.refusal, ',')
            : CorrectionInEnglish(GetParam().variable, GetParam().text, entry.correctedTo);
    EXPECT_EQ(told, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, Entries,
    testing::Values(
        EntryCase{"proportionOne", Dependent::n, Variable::p, "1",
                  "p=1: refused, p must be above 0 and below 1"},
        EntryCase{"proportionWhileVDependent", Dependent::V, Variable::p, "0,5",
                  "p=0,5: V cannot be typed into: it is the dependent variable"},
        EntryCase{"probWhileZDependent", Dependent::Z, Variable::prob, "0,1",
                  "prob=0,1: prob cannot be typed into: it is the dependent variable"},
        EntryCase{"NInfinite", Dependent::n, Variable::N, "10",
                  "N=10: N cannot be typed into: the population is infinite (choose --finite "
                  "first)"},
        EntryCase{"distanceCorrected", Dependent::n, Variable::Z, "5", "Z=5: corrected to 3,9"},
        EntryCase{"designEffectZero", Dependent::n, Variable::deff, "0",
                  "deff=0: refused, the design effect must be greater than 0"},
        EntryCase{"responseRateAboveOne", Dependent::n, Variable::response_rate, "1,2",
                  "response_rate=1,2: refused, the response rate must be above 0 and at most 1"},
        EntryCase{"notANumber", Dependent::n, Variable::deff, "x",
                  "deff=x: not a number (decimal separator ',')"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Sweeps, ProblemsAreToldInVekCalcsWords) {
    const auto told = [](const char* argument) {
        return InEnglish(*planning::ParseSweep(argument, ',').problem, ',');
    };
    EXPECT_EQ(told("E=0,01:x:0,01"), "'x' is not a number (decimal separator ',')");
    EXPECT_EQ(told("icc=0/1"),
              "'icc=0/1' is not VAR=FROM:TO:STEP or VAR=A/B/... with VAR one of V, Z, prob, E, n, "
              "N, p, deff or response_rate");
    const ScreenSession base(',');
    const std::vector<planning::Sweep> sweeps = {*planning::ParseSweep("p=0,1", ',').sweep,
                                                 *planning::ParseSweep("N=10", ',').sweep};
    EXPECT_EQ(InEnglish(*planning::GridProblem(base, {&sweeps[1], 1}), ','),
              "cannot sweep N: N cannot be typed into: the population is infinite (choose "
              "--finite first)");
}

}  // namespace
}  // namespace vek::cli
