// SPDX-License-Identifier: GPL-3.0-or-later
// Planning around the screen session: entries as vek-calc tells them, sweep grids, result rows
// in both CSV dialects, and the protocol paragraph of each dependent variable.
#include <gtest/gtest.h>

#include "case_names.h"
#include "planning/exploring.h"
#include "planning/paragraph.h"
#include "planning/sweep.h"
#include "planning/table.h"

namespace vek::planning {
namespace {

using vek::tests::PrintTo;

struct EntryCase {
    const char* name;
    Dependent dependent;
    Variable variable;
    const char* text;
    EntryResult result;
    const char* message;
};

class Entries : public testing::TestWithParam<EntryCase> {};

TEST_P(Entries, AreToldInVekCalcsWords) {
    ScreenSession session(',');
    ASSERT_TRUE(session.ChooseDependentVariable(GetParam().dependent));
    const Entry entry = Enter(session, GetParam().variable, GetParam().text);
    EXPECT_EQ(entry.result, GetParam().result);
    EXPECT_EQ(entry.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, Entries,
    testing::Values(
        EntryCase{"proportion", Dependent::n, Variable::p, "0,5", EntryResult::Accepted, ""},
        EntryCase{"proportionOne", Dependent::n, Variable::p, "1", EntryResult::Failed,
                  "p=1: refused, p must be above 0 and below 1"},
        EntryCase{"proportionWhileVDependent", Dependent::V, Variable::p, "0,5",
                  EntryResult::Failed,
                  "p=0,5: V cannot be typed into: it is the dependent variable"},
        EntryCase{"probWhileZDependent", Dependent::Z, Variable::prob, "0,1", EntryResult::Failed,
                  "prob=0,1: prob cannot be typed into: it is the dependent variable"},
        EntryCase{"NInfinite", Dependent::n, Variable::N, "10", EntryResult::Failed,
                  "N=10: N cannot be typed into: the population is infinite (choose --finite "
                  "first)"},
        EntryCase{"distanceCorrected", Dependent::n, Variable::Z, "5", EntryResult::Corrected,
                  "Z=5: corrected to 3,9"},
        EntryCase{"contacts", Dependent::E, Variable::contacts, "400", EntryResult::Accepted, ""},
        EntryCase{"designEffectZero", Dependent::n, Variable::deff, "0", EntryResult::Failed,
                  "deff=0: refused, the design effect must be greater than 0"},
        EntryCase{"responseRateAboveOne", Dependent::n, Variable::response_rate, "1,2",
                  EntryResult::Failed,
                  "response_rate=1,2: refused, the response rate must be above 0 and at most 1"},
        EntryCase{"notANumber", Dependent::n, Variable::deff, "x", EntryResult::Failed,
                  "deff=x: not a number (decimal separator ',')"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Entries, ContactsAtTheResponseRateAreInterviews) {
    ScreenSession session(',');
    ASSERT_EQ(Enter(session, Variable::response_rate, "0,8").result, EntryResult::Accepted);
    ASSERT_TRUE(session.ChooseDependentVariable(Dependent::E));
    ASSERT_EQ(Enter(session, Variable::contacts, "400").result, EntryResult::Accepted);
    EXPECT_EQ(session.text(Field::n), "320");
    session.RecalculateDependent();
    EXPECT_EQ(session.Contacts(), Quantity::FromScaled(4000000));
    ASSERT_EQ(Enter(session, Variable::p, "0,5").result, EntryResult::Accepted);
    EXPECT_EQ(session.text(Field::V), "0,25");
}

struct SweepCase {
    const char* name;
    const char* argument;
    std::vector<std::int64_t> points;  // scaled; empty: refused
    const char* problem;
};

class Sweeps : public testing::TestWithParam<SweepCase> {};

TEST_P(Sweeps, CountOnTheScaledIntegers) {
    const ParsedSweep parsed = ParseSweep(GetParam().argument, ',');
    ASSERT_EQ(parsed.sweep.has_value(), !GetParam().points.empty()) << parsed.problem;
    if (!parsed.sweep) {
        EXPECT_NE(parsed.problem.find(GetParam().problem), std::string::npos) << parsed.problem;
        return;
    }
    std::vector<std::int64_t> points;
    for (std::int64_t i = 0; i < parsed.sweep->size(); ++i)
        points.push_back(parsed.sweep->at(i).scaled());
    EXPECT_EQ(points, GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Specs, Sweeps,
    testing::Values(SweepCase{"toReached", "E=0,01:0,03:0,01", {100, 200, 300}, ""},
                    SweepCase{"toNotReached", "n=0:1:0,3", {0, 3000, 6000, 9000}, ""},
                    SweepCase{"single", "V=0,2:0,2:1", {2000}, ""},
                    SweepCase{"listInItsOrder", "prob=0,1/0,05/0,01", {1000, 500, 100}, ""},
                    SweepCase{"stepZero", "E=0,01:0,1:0", {}, "STEP must be greater than 0"},
                    SweepCase{"toBelowFrom", "E=0,1:0,01:0,01", {}, "TO must not be below FROM"},
                    SweepCase{"tooMany", "N=1:1000001:1", {}, "more than 1000000 points"},
                    SweepCase{"notSweepable", "icc=0:1:0,1", {}, "is not VAR=FROM:TO:STEP"},
                    SweepCase{"fullStop", "E=0.01:0.1:0.01", {}, "not a number"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Sweeps, GridProblems) {
    ScreenSession base(',');
    const auto grid = [&](std::initializer_list<const char*> arguments) {
        std::vector<Sweep> sweeps;
        for (const char* argument : arguments)
            sweeps.push_back(*ParseSweep(argument, ',').sweep);
        return GridProblem(base, sweeps).value_or("");
    };
    EXPECT_EQ(grid({"E=0,01:0,1:0,01", "prob=0,1/0,05"}), "");
    EXPECT_EQ(grid({"E=0,01/0,02", "E=0,03/0,04"}), "E is swept twice");
    EXPECT_NE(grid({"Z=1/2", "prob=0,1/0,2"}), "");
    EXPECT_NE(grid({"p=0,1/0,2", "V=0,1/0,2"}), "");
    EXPECT_NE(grid({"n=1/2"}).find("it is the dependent variable"), std::string::npos);
    EXPECT_NE(grid({"N=1/2"}).find("the population is infinite"), std::string::npos);
    EXPECT_EQ(grid({"V=0,0001:1:0,0001", "E=0,0001:0,1:0,0001"}), "more than 1000000 points");
}

TEST(Sweeps, GridPointsVaryTheFirstSweepSlowest) {
    const ScreenSession base(',');
    const std::vector<Sweep> sweeps = {*ParseSweep("E=0,02/0,03", ',').sweep,
                                       *ParseSweep("V=0,25/-1", ',').sweep};
    const ResultRow second = GridPoint(base, sweeps, 1);
    EXPECT_EQ(second.row, 2);
    EXPECT_EQ(second.values[Field::E], Quantity::FromScaled(200));
    EXPECT_EQ(second.error, "V=-1: refused, V must be greater than 0");
    EXPECT_TRUE(second.result.empty() && !second.contacts);
    const ResultRow third = GridPoint(base, sweeps, 2);
    EXPECT_EQ(third.result, "1068");
    EXPECT_EQ(third.contacts, Quantity::FromScaled(10680000));
    EXPECT_TRUE(third.error.empty());
}

TEST(Rows, CsvDialectFollowsTheSeparator) {
    ScreenSession comma(',');
    comma.RecalculateDependent();
    ResultRow row = RowOf(comma, 7, "V=\"a;b\": not a number");
    std::string csv = CsvHeader(',');
    AppendCsv(csv, row, ',');
    EXPECT_EQ(csv,
              "row;V;Z;prob;E;n;N;dependent;population;deff;response_rate;contacts;result;error\n"
              "7;0,25;1,96;0,05;0,03;1068;10000;n;infinite;1;1;;;\"V=\"\"a;b\"\": not a "
              "number\"\n");

    ScreenSession point('.');
    point.RecalculateDependent();
    row = RowOf(point, 1);
    csv.clear();
    AppendCsv(csv, row, '.');
    EXPECT_EQ(csv, "1,0.25,1.96,0.05,0.03,1068,10000,n,infinite,1,1,1068,1068,\n");
    std::string json;
    AppendJson(json, RowOf(point, 2, "failed"), '.');
    EXPECT_EQ(json,
              "{\"row\":\"2\",\"V\":\"0.25\",\"Z\":\"1.96\",\"prob\":\"0.05\",\"E\":\"0.03\","
              "\"n\":\"1068\",\"N\":\"10000\",\"dependent\":\"n\",\"population\":\"infinite\","
              "\"deff\":\"1\",\"response_rate\":\"1\",\"result\":\"\",\"error\":\"failed\"}");
}

struct ParagraphCase {
    const char* name;
    Dependent dependent;
    bool finite;
    const char* sampleSize;
    const char* paragraph;
};

class Paragraphs : public testing::TestWithParam<ParagraphCase> {};

TEST_P(Paragraphs, OneTemplateForEachDependentVariable) {
    ScreenSession session(',');
    if (GetParam().finite) session.ChoosePopulation(Population::Finite);
    ASSERT_EQ(session.LeaveField(Field::n, GetParam().sampleSize), EntryOutcome::Accepted);
    ASSERT_TRUE(session.ChooseDependentVariable(GetParam().dependent));
    session.RecalculateDependent();
    EXPECT_EQ(ProtocolParagraph(session, false), GetParam().paragraph);
}

INSTANTIATE_TEST_SUITE_P(
    Dependents, Paragraphs,
    testing::Values(
        ParagraphCase{"V", Dependent::V, false, "1068",
                      "Con una muestra de 1068 unidades, un error de precisión de 0,03 y una "
                      "confianza del 95 % (Z = 1,96), la varianza poblacional que se puede "
                      "suponer es de 0,2502, por muestreo aleatorio simple en una población "
                      "infinita."},
        ParagraphCase{"Z", Dependent::Z, false, "1068",
                      "Con una muestra de 1068 unidades, un error de precisión de 0,03 y una "
                      "varianza poblacional de 0,25, se alcanza una confianza del 95,01 % (Z = "
                      "1,9608), por muestreo aleatorio simple en una población infinita."},
        ParagraphCase{"E", Dependent::E, true, "1",
                      "Con una muestra de 1 unidad y una confianza del 95 % (Z = 1,96), el error "
                      "de precisión es de 0,98, suponiendo una varianza poblacional de 0,25, por "
                      "muestreo aleatorio simple en una población finita de 10000 unidades."},
        ParagraphCase{"n", Dependent::n, false, "1068",
                      "Se necesita una muestra de 1068 unidades para estimar con un error de "
                      "precisión de 0,03 y una confianza del 95 % (Z = 1,96), suponiendo una "
                      "varianza poblacional de 0,25, por muestreo aleatorio simple en una "
                      "población infinita."},
        ParagraphCase{"N", Dependent::N, true, "965",
                      "Una muestra de 965 unidades basta para estimar con un error de precisión "
                      "de 0,03 y una confianza del 95 % (Z = 1,96), suponiendo una varianza "
                      "poblacional de 0,25, por muestreo aleatorio simple en una población "
                      "finita de 10076 unidades."},
        ParagraphCase{"failed", Dependent::N, true, "1068",
                      "No se ha podido calcular el tamaño de la población con estos valores: Mal "
                      "resultado."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Paragraphs, TheDesignWithTheContacts) {
    ScreenSession session(',');
    ASSERT_EQ(Enter(session, Variable::deff, "1,5").result, EntryResult::Accepted);
    ASSERT_EQ(Enter(session, Variable::response_rate, "0,7").result, EntryResult::Accepted);
    session.RecalculateDependent();
    const std::string paragraph = ProtocolParagraph(session, true);
    EXPECT_TRUE(paragraph.starts_with("Se necesita una muestra de 1601 unidades")) << paragraph;
    EXPECT_TRUE(
        paragraph.ends_with(" Con un efecto de diseño de 1,5 y una tasa de respuesta del "
                            "70 %, hay que contactar 2288 unidades."))
        << paragraph;
}

TEST(Exploring, DefaultGridAroundTheScreen) {
    ScreenSession session(',');
    EXPECT_EQ(SweepArgument(DefaultRows(session)), "E=0,015:0,06:0,005");
    EXPECT_EQ(SweepArgument(DefaultColumns(session)), "prob=0,1/0,05/0,01");
    ASSERT_TRUE(session.ChooseDependentVariable(Dependent::E));
    EXPECT_EQ(SweepArgument(DefaultRows(session)), "n=668:2068:200");
    ASSERT_TRUE(session.ChooseDependentVariable(Dependent::Z));
    session.RecalculateDependent();
    EXPECT_EQ(SweepArgument(DefaultColumns(session)), "V=0,25/0,125/0,5");
    ASSERT_TRUE(session.ChooseDependentVariable(Dependent::n));
    EXPECT_EQ(SweepArgument(DefaultColumns(session)), "prob=0,1/0,05/0,0499/0,01");
}

TEST(Exploring, AFailedCellPlotsNothing) {
    ScreenSession session(',');
    ASSERT_TRUE(session.ChooseDependentVariable(Dependent::Z));
    ASSERT_EQ(session.LeaveField(Field::V, "0,0001"), EntryOutcome::Accepted);
    ASSERT_EQ(session.LeaveField(Field::n, "100000000000000"), EntryOutcome::Accepted);
    const GridResult result =
        ComputeGrid(session, {Variable::E, "100000000000/0,03"}, {Variable::V, "0,0001/0,0002"});
    ASSERT_TRUE(result.grid) << result.problem;
    for (const bool contacts : {false, true}) {
        EXPECT_EQ(result.grid->plotted(0, 0, contacts), std::nullopt);
        EXPECT_NE(result.grid->plotted(1, 0, contacts), std::nullopt);
    }
    EXPECT_EQ(result.grid->plotted(1, 0, false), Quantity::FromScaled(300000000000));
}

TEST(Exploring, CalcArgumentsTypeTheIndependentFields) {
    ScreenSession session(',');
    using Arguments = std::vector<std::string>;
    EXPECT_EQ(CalcArguments(session, {}),
              (Arguments{"--separator", ",", "--dependent", "n", "V=0,25", "prob=0,05", "E=0,03"}));
    session.ChoosePopulation(Population::Finite);
    ASSERT_TRUE(session.ChooseDependentVariable(Dependent::N));
    ASSERT_EQ(session.LeaveField(Field::prob, "0,0512"), EntryOutcome::Accepted);  // Z 1,9498
    ASSERT_EQ(session.LeaveField(Field::Z, "1,95"), EntryOutcome::Accepted);       // prob 0,0512
    EXPECT_EQ(CalcArguments(session, {Quantity::FromScaled(15000), Quantity::FromScaled(7000)}),
              (Arguments{"--separator", ",", "--finite", "--dependent", "n", "N=10000",
                         "--dependent", "N", "V=0,25", "Z=1,95", "E=0,03", "n=965", "--deff", "1,5",
                         "--response-rate", "0,7"}));
}

}  // namespace
}  // namespace vek::planning
