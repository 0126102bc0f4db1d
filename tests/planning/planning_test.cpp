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
    std::optional<Reason> reason;
};

class Entries : public testing::TestWithParam<EntryCase> {};

TEST_P(Entries, RefuseWithAReasonAndTheText) {
    ScreenSession session(',');
    ASSERT_TRUE(session.ChooseDependentVariable(GetParam().dependent));
    const Entry entry = Enter(session, GetParam().variable, GetParam().text);
    EXPECT_EQ(entry.result, GetParam().result);
    if (!GetParam().reason) {
        EXPECT_FALSE(entry.refusal);
        return;
    }
    EXPECT_EQ(entry.refusal, (Refusal{*GetParam().reason, GetParam().variable, GetParam().text}));
}

INSTANTIATE_TEST_SUITE_P(
    Variables, Entries,
    testing::Values(
        EntryCase{"proportion", Dependent::n, Variable::p, "0,5", EntryResult::Accepted, {}},
        EntryCase{"proportionOne", Dependent::n, Variable::p, "1", EntryResult::Failed,
                  Reason::OutOfRange},
        EntryCase{"proportionWhileVDependent", Dependent::V, Variable::p, "0,5",
                  EntryResult::Failed, Reason::Dependent},
        EntryCase{"NInfinite", Dependent::n, Variable::N, "10", EntryResult::Failed,
                  Reason::InfinitePopulation},
        EntryCase{"distanceCorrected", Dependent::n, Variable::Z, "5", EntryResult::Corrected, {}},
        EntryCase{"designEffectZero", Dependent::n, Variable::deff, "0", EntryResult::Failed,
                  Reason::OutOfRange},
        EntryCase{"ratePercentAboveAHundred", Dependent::n, Variable::response_rate, "150 %",
                  EntryResult::Failed, Reason::OutOfRange},
        EntryCase{"notANumber", Dependent::n, Variable::deff, "x", EntryResult::Failed,
                  Reason::NotANumber},
        EntryCase{"iccAlone", Dependent::n, Variable::icc, "0,1", EntryResult::Failed,
                  Reason::Unpaired}),
    [](const auto& info) { return std::string(info.param.name); });

struct RateCase {
    const char* name;
    const char* text;
    RateForm form;
    std::optional<std::int64_t> scaled;
};

class Rates : public testing::TestWithParam<RateCase> {};

TEST_P(Rates, OneReaderForFractionsAndPercentages) {
    const std::optional<Quantity> rate = RateFromText(GetParam().text, ',', GetParam().form);
    ASSERT_EQ(rate.has_value(), GetParam().scaled.has_value());
    if (rate) {
        EXPECT_EQ(rate->scaled(), *GetParam().scaled);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Rates,
    testing::Values(RateCase{"fraction", "0,7", RateForm::FractionOrPercent, 7000},
                    RateCase{"percentWithSpace", "70 %", RateForm::FractionOrPercent, 7000},
                    RateCase{"percentJoined", "70%", RateForm::FractionOrPercent, 7000},
                    RateCase{"percentDecimals", "33,33 % ", RateForm::FractionOrPercent, 3333},
                    RateCase{"signAlone", " %", RateForm::FractionOrPercent, std::nullopt},
                    RateCase{"twoSigns", "70 %%", RateForm::FractionOrPercent, std::nullopt},
                    RateCase{"fieldPercent", "70", RateForm::Percent, 7000},
                    RateCase{"fieldWithSign", "70 %", RateForm::Percent, 7000},
                    RateCase{"fieldHalfPercent", "0,5", RateForm::Percent, 50}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Entries, TheRateInTheWindowsPercentField) {
    ScreenSession session(',');
    EXPECT_EQ(EnterResponsePercent(session, "70").result, EntryResult::Accepted);
    EXPECT_EQ(session.design().responseRate, Quantity::FromScaled(7000));
    EXPECT_FALSE(IsBelowOnePercent(session.design().responseRate));
    EXPECT_EQ(EnterResponsePercent(session, "0,5").result, EntryResult::Accepted);
    EXPECT_TRUE(IsBelowOnePercent(session.design().responseRate));
    const Entry refused = EnterResponsePercent(session, "150");
    EXPECT_EQ(refused.refusal, (Refusal{Reason::OutOfRange, Variable::response_rate, "150"}));
    EXPECT_EQ(session.design().responseRate, Quantity::FromScaled(50));
}

TEST(Entries, ClustersAreKeptForTheParagraph) {
    ScreenSession session(',');
    ASSERT_EQ(EnterClusters(session, "0,05", "17").result, EntryResult::Accepted);
    EXPECT_EQ(session.design().designEffect, Quantity::FromScaled(18000));
    EXPECT_EQ(session.design().clusters,
              (Clusters{Quantity::FromScaled(500), Quantity::FromScaled(170000)}));
    ASSERT_EQ(Enter(session, Variable::deff, "2").result, EntryResult::Accepted);
    EXPECT_FALSE(session.design().clusters);
}

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
    std::optional<SweepFault> fault;
};

class Sweeps : public testing::TestWithParam<SweepCase> {};

TEST_P(Sweeps, CountOnTheScaledIntegers) {
    const ParsedSweep parsed = ParseSweep(GetParam().argument, ',');
    ASSERT_EQ(parsed.sweep.has_value(), !GetParam().points.empty());
    if (!parsed.sweep) {
        ASSERT_TRUE(parsed.problem);
        EXPECT_EQ(parsed.problem->fault, GetParam().fault);
        return;
    }
    std::vector<std::int64_t> points;
    for (std::int64_t i = 0; i < parsed.sweep->size(); ++i)
        points.push_back(parsed.sweep->at(i).scaled());
    EXPECT_EQ(points, GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Specs, Sweeps,
    testing::Values(SweepCase{"toReached", "E=0,01:0,03:0,01", {100, 200, 300}, {}},
                    SweepCase{"toNotReached", "n=0:1:0,3", {0, 3000, 6000, 9000}, {}},
                    SweepCase{"single", "V=0,2:0,2:1", {2000}, {}},
                    SweepCase{"oneValue", "E=0,1", {1000}, {}},
                    SweepCase{"listInItsOrder", "prob=0,1/0,05/0,01", {1000, 500, 100}, {}},
                    SweepCase{"twoParts", "E=0,01:0,1", {}, SweepFault::NotARange},
                    SweepCase{"stepZero", "E=0,01:0,1:0", {}, SweepFault::StepNotPositive},
                    SweepCase{"toBelowFrom", "E=0,1:0,01:0,01", {}, SweepFault::ToBelowFrom},
                    SweepCase{"tooMany", "N=1:1000001:1", {}, SweepFault::TooManyPoints},
                    SweepCase{"notSweepable", "icc=0:1:0,1", {}, SweepFault::NotASweep},
                    SweepCase{"fullStop", "E=0.01:0.1:0.01", {}, SweepFault::NotANumber}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Sweeps, GridProblems) {
    ScreenSession base(',');
    const auto fault = [&](std::initializer_list<const char*> arguments) {
        std::vector<Sweep> sweeps;
        for (const char* argument : arguments)
            sweeps.push_back(*ParseSweep(argument, ',').sweep);
        const std::optional<SweepProblem> problem = GridProblem(base, sweeps);
        return problem ? std::optional(problem->fault) : std::nullopt;
    };
    EXPECT_EQ(fault({"E=0,01:0,1:0,01", "prob=0,1/0,05"}), std::nullopt);
    EXPECT_EQ(fault({"E=0,01/0,02", "E=0,03/0,04"}), SweepFault::SweptTwice);
    EXPECT_EQ(fault({"Z=1/2", "prob=0,1/0,2"}), SweepFault::ZWithProb);
    EXPECT_EQ(fault({"p=0,1/0,2", "V=0,1/0,2"}), SweepFault::PWithV);
    EXPECT_EQ(fault({"n=1/2"}), SweepFault::Dependent);
    EXPECT_EQ(fault({"N=1/2"}), SweepFault::InfinitePopulation);
    EXPECT_EQ(fault({"V=0,0001:1:0,0001", "E=0,0001:0,1:0,0001"}), SweepFault::TooManyPoints);
}

TEST(Sweeps, GridPointsVaryTheFirstSweepSlowest) {
    const ScreenSession base(',');
    const std::vector<Sweep> sweeps = {*ParseSweep("E=0,02/0,03", ',').sweep,
                                       *ParseSweep("V=0,25/-1", ',').sweep};
    const ResultRow second = GridPoint(base, sweeps, 1);
    EXPECT_EQ(second.row, 2);
    EXPECT_EQ(second.values[Field::E], Quantity::FromScaled(200));
    EXPECT_EQ(second.refusal, (Refusal{Reason::OutOfRange, Variable::V, "-1"}));
    EXPECT_TRUE(second.result.empty() && !second.contacts);
    const ResultRow third = GridPoint(base, sweeps, 2);
    EXPECT_EQ(third.result, "1068");
    EXPECT_EQ(third.contacts, Quantity::FromScaled(10680000));
    EXPECT_FALSE(third.refusal);
}

// The "error" column as a front end words it.
std::string Worded(const Refusal& refusal, char separator) {
    return std::string(NameOf(*refusal.variable)) + "=" + refusal.text + " (" + separator + ")";
}

TEST(Rows, CsvDialectFollowsTheSeparator) {
    ScreenSession comma(',');
    comma.RecalculateDependent();
    ResultRow row = RowOf(comma, 7, Refusal{Reason::NotANumber, Variable::V, "\"a;b\""});
    std::string csv = CsvHeader(',');
    AppendCsv(csv, row, ',', Worded);
    EXPECT_EQ(csv,
              "row;V;Z;prob;E;n;N;dependent;population;deff;response_rate;contacts;result;error\n"
              "7;0,25;1,96;0,05;0,03;1068;10000;n;infinite;1;1;;;\"V=\"\"a;b\"\" (,)\"\n");

    ScreenSession point('.');
    point.RecalculateDependent();
    row = RowOf(point, 1);
    csv.clear();
    AppendCsv(csv, row, '.', Worded);
    EXPECT_EQ(csv, "1,0.25,1.96,0.05,0.03,1068,10000,n,infinite,1,1,1068,1068,\n");
    std::string json;
    AppendJson(json, RowOf(point, 2, Refusal{Reason::OutOfRange, Variable::E, "0"}), '.', Worded);
    EXPECT_EQ(json,
              "{\"row\":\"2\",\"V\":\"0.25\",\"Z\":\"1.96\",\"prob\":\"0.05\",\"E\":\"0.03\","
              "\"n\":\"1068\",\"N\":\"10000\",\"dependent\":\"n\",\"population\":\"infinite\","
              "\"deff\":\"1\",\"response_rate\":\"1\",\"result\":\"\",\"error\":\"E=0 (.)\"}");
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
    EXPECT_EQ(ProtocolParagraph(session), GetParam().paragraph);
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

struct DesignParagraphCase {
    const char* name;
    std::vector<std::pair<Variable, const char*>> entries;  // icc and cluster_size together
    const char* paragraph;
};

class DesignParagraphs : public testing::TestWithParam<DesignParagraphCase> {};

// The design effect replaces "por muestreo aleatorio simple"; the rate and the contacts are told
// only for a rate below 100 %.
TEST_P(DesignParagraphs, SaySoOnlyWhereGiven) {
    ScreenSession session(',');
    session.ChoosePopulation(Population::Finite);
    ASSERT_EQ(session.LeaveField(Field::N, "50000"), EntryOutcome::Accepted);
    const auto& entries = GetParam().entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto [variable, text] = entries[i];
        const Entry entry = variable == Variable::icc
                                ? EnterClusters(session, text, entries[++i].second)
                                : Enter(session, variable, text);
        ASSERT_EQ(entry.result, EntryResult::Accepted) << text;
    }
    session.RecalculateDependent();
    EXPECT_EQ(ProtocolParagraph(session), GetParam().paragraph);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, DesignParagraphs,
    testing::Values(
        DesignParagraphCase{
            "clustersAndRate",
            {{Variable::icc, "0,05"},
             {Variable::cluster_size, "17"},
             {Variable::response_rate, "0,7"}},
            "Se necesita una muestra de 1850 unidades para estimar con un error de precisión de "
            "0,03 y una confianza del 95 % (Z = 1,96), suponiendo una varianza poblacional de "
            "0,25, en una población finita de 50000 unidades, con un efecto de diseño de 1,8 "
            "(correlación intraclase de 0,05 y conglomerados de 17 unidades). Con una tasa de "
            "respuesta del 70 %, hay que contactar 2643 unidades."},
        DesignParagraphCase{
            "clustersWithoutRate",
            {{Variable::icc, "0,05"}, {Variable::cluster_size, "17"}},
            "Se necesita una muestra de 1850 unidades para estimar con un error de precisión de "
            "0,03 y una confianza del 95 % (Z = 1,96), suponiendo una varianza poblacional de "
            "0,25, en una población finita de 50000 unidades, con un efecto de diseño de 1,8 "
            "(correlación intraclase de 0,05 y conglomerados de 17 unidades)."},
        DesignParagraphCase{
            "designEffectGiven",
            {{Variable::deff, "1,8"}, {Variable::response_rate, "1"}},
            "Se necesita una muestra de 1850 unidades para estimar con un error de precisión de "
            "0,03 y una confianza del 95 % (Z = 1,96), suponiendo una varianza poblacional de "
            "0,25, en una población finita de 50000 unidades, con un efecto de diseño de 1,8."},
        DesignParagraphCase{
            "rateOnly",
            {{Variable::response_rate, "70 %"}},
            "Se necesita una muestra de 1045 unidades para estimar con un error de precisión de "
            "0,03 y una confianza del 95 % (Z = 1,96), suponiendo una varianza poblacional de "
            "0,25, por muestreo aleatorio simple en una población finita de 50000 unidades. Con "
            "una tasa de respuesta del 70 %, hay que contactar 1493 unidades."}),
    [](const auto& info) { return std::string(info.param.name); });

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

// The cell nearest the screen is found on the value the screen has for each axis: p from V.
TEST(Exploring, NearestCellOfEveryAxis) {
    ScreenSession screen(',');
    screen.ChoosePopulation(Population::Finite);
    ASSERT_EQ(screen.LeaveField(Field::N, "50000"), EntryOutcome::Accepted);
    ASSERT_EQ(Enter(screen, Variable::p, "0,3").result, EntryResult::Accepted);
    const GridPlan plan =
        PlanGrid(screen, {Variable::N, "25000:100000:5000"}, {Variable::p, "0,1:0,9:0,1"});
    ASSERT_FALSE(plan.problem);
    const std::optional<Exploration> explored =
        Explore(screen, {Quantity::FromScaled(18000), kFullResponse, {}}, plan.sweeps);
    ASSERT_TRUE(explored);
    EXPECT_EQ(explored->grid.nearestRow, 5);     // N 50000
    EXPECT_EQ(explored->grid.nearestColumn, 2);  // p 0,3
    // Recalculated copies: the screen itself keeps its old n.
    EXPECT_EQ(explored->simple.ResultText(), "881");
    EXPECT_EQ(explored->designed.ResultText(), "1563");
    EXPECT_EQ(screen.text(Field::n), "965");  // as the population choice left it
}

// A grid's cells hold what vek-calc's rows say; a stop asked for ends the computation.
TEST(Exploring, CellsAreTheSweepsRows) {
    const ScreenSession base(',');
    const GridPlan plan =
        PlanGrid(base, {Variable::V, "-1/0,25/1000000000"}, {Variable::E, "0,02/0,03"});
    const std::optional<Grid> grid = ComputeGrid(base, plan.sweeps);
    ASSERT_TRUE(grid);
    for (std::int64_t index = 0; index < 6; ++index) {
        const GridCell& cell = grid->cells[static_cast<std::size_t>(index)];
        const ResultRow row = grid->RowAt(index);
        EXPECT_EQ(cell.outcome == GridCell::Outcome::Refused, row.refusal.has_value());
        EXPECT_EQ(cell.outcome == GridCell::Outcome::Computed, !row.failed);
        if (cell.outcome == GridCell::Outcome::Computed) {
            EXPECT_EQ(cell.value, row.dependentValue);
            EXPECT_EQ(cell.contacts, row.contacts);
        }
    }
    EXPECT_EQ(grid->PointAt(0, 1).refusal, (Refusal{Reason::OutOfRange, Variable::V, "-1"}));
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(ComputeGrid(base, plan.sweeps, stop.get_token()));
}

TEST(Exploring, PlansNameTheAxisAtFault) {
    const ScreenSession base(',');
    const GridPlan columns =
        PlanGrid(base, {Variable::E, "0,01"}, {Variable::prob, "0,1:0,01:0,01"});
    EXPECT_EQ(columns.axis, Axis::Columns);
    EXPECT_EQ(columns.problem->fault, SweepFault::ToBelowFrom);
    const GridPlan both = PlanGrid(base, {Variable::Z, "1"}, {Variable::prob, "0,1"});
    EXPECT_EQ(both.axis, Axis::Both);
    EXPECT_EQ(both.problem->fault, SweepFault::ZWithProb);
}

TEST(Exploring, AFailedCellPlotsNothing) {
    ScreenSession session(',');
    ASSERT_TRUE(session.ChooseDependentVariable(Dependent::Z));
    ASSERT_EQ(session.LeaveField(Field::V, "0,0001"), EntryOutcome::Accepted);
    ASSERT_EQ(session.LeaveField(Field::n, "100000000000000"), EntryOutcome::Accepted);
    const GridPlan plan =
        PlanGrid(session, {Variable::E, "100000000000/0,03"}, {Variable::V, "0,0001/0,0002"});
    const std::optional<Grid> grid = ComputeGrid(session, plan.sweeps);
    ASSERT_TRUE(grid);
    for (const bool contacts : {false, true}) {
        EXPECT_EQ(grid->plotted(0, 0, contacts), std::nullopt);
        EXPECT_NE(grid->plotted(1, 0, contacts), std::nullopt);
    }
    EXPECT_EQ(grid->plotted(1, 0, false), Quantity::FromScaled(300000000000));
}

TEST(Exploring, CalcArgumentsTypeTheIndependentFields) {
    ScreenSession session(',');
    using Arguments = std::vector<std::string>;
    EXPECT_EQ(CalcArguments(session, {}),
              (Arguments{"--separator", ",", "--dependent", "n", "V=0,25", "prob=0,05", "E=0,03"}));
    session.ChoosePopulation(Population::Finite);
    ASSERT_EQ(EnterClusters(session, "0,05", "17").result, EntryResult::Accepted);
    EXPECT_EQ(CalcArguments(session, session.design()),
              (Arguments{"--separator", ",", "--finite", "--dependent", "n", "N=10000", "V=0,25",
                         "prob=0,05", "E=0,03", "--icc", "0,05", "--cluster-size", "17"}));
    ASSERT_TRUE(session.ChooseDependentVariable(Dependent::N));
    ASSERT_EQ(session.LeaveField(Field::prob, "0,0512"), EntryOutcome::Accepted);  // Z 1,9498
    ASSERT_EQ(session.LeaveField(Field::Z, "1,95"), EntryOutcome::Accepted);       // prob 0,0512
    EXPECT_EQ(CalcArguments(session, {Quantity::FromScaled(15000), Quantity::FromScaled(7000), {}}),
              (Arguments{"--separator", ",", "--finite", "--dependent", "n", "N=10000",
                         "--dependent", "N", "V=0,25", "Z=1,95", "E=0,03", "n=965", "--deff", "1,5",
                         "--response-rate", "0,7"}));
}

}  // namespace
}  // namespace vek::planning
