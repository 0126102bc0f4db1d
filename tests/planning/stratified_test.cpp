// SPDX-License-Identifier: GPL-3.0-or-later
// Stratified designs: the two published anchors, the fast allocation against the rule unit by
// unit, Neyman against every integer allocation, each stratum's E against the screen's, the
// refusals and the paragraphs.
#include "planning/stratified.h"

#include <gtest/gtest.h>

#include <random>

#include "planning/allocation.h"
#include "planning/paragraph.h"
#include "planning/technical_sheet.h"

namespace vek::planning {

// Found by GoogleTest beside the type.
void PrintTo(const StrataRefusal& refusal, std::ostream* os) {
    *os << "problem " << static_cast<int>(refusal.problem) << ", stratum "
        << refusal.stratum.value_or(-1) << ", column "
        << (refusal.column ? NameOf(*refusal.column) : "-") << ", value "
        << (refusal.value ? static_cast<int>(*refusal.value) : -1) << ", text '" << refusal.text
        << "', least " << (refusal.least ? QuantityToText(*refusal.least, ',') : "-") << ", most "
        << (refusal.most ? QuantityToText(*refusal.most, ',') : "-");
}

namespace {

template <class Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

std::vector<std::string> Split(std::string_view line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t end = line.find(';'); end != std::string_view::npos;
         start = end + 1, end = line.find(';', start)) {
        cells.emplace_back(line.substr(start, end - start));
    }
    cells.emplace_back(line.substr(start));
    return cells;
}

// A table in the ';' dialect, without quoting: a header line and one line a stratum.
struct Table {
    std::vector<StrataColumn> columns;
    std::vector<StratumText> rows;
};

Table TableOf(std::string_view header, const std::vector<const char*>& lines) {
    Table table;
    for (const std::string& name : Split(header))
        table.columns.push_back(*StrataColumnNamed(name));
    for (const char* line : lines) {
        const std::vector<std::string> cells = Split(line);
        StratumText& row = table.rows.emplace_back();
        for (std::size_t i = 0; i < cells.size(); ++i)
            row[table.columns[i]] = cells[i];
    }
    return table;
}

ScreenSession Screen(std::string_view distance = "1,96") {
    ScreenSession screen(',');
    screen.LeaveField(Field::Z, distance);
    return screen;
}

Checked<StratifiedDesign> Plan(const Table& table, const StrataRequest& request,
                               const ScreenSession& screen = Screen()) {
    Checked<std::vector<Stratum>> strata = StrataOf(table.columns, table.rows, ',', request.method);
    if (!strata) return strata.refusal();
    return PlanStrata(std::move(*strata), request, screen);
}

std::vector<std::int64_t> SizesOf(const StratifiedDesign& design) {
    std::vector<std::int64_t> n;
    for (const StratumResult& result : design.results)
        n.push_back(result.n);
    return n;
}

std::string Text(Quantity q) {
    return QuantityToText(q, ',');
}

Quantity Whole(std::int64_t units) {
    return Quantity::FromScaled(units * Quantity::kScale);
}

// Neyman's example: the continuous allocation for 100 is 34.64, 4.16, 10.47, 3.33, 8.80 and
// 38.59; each V_h is the published S_h squared, rounded.
TEST(Anchors, PublishedNeymanAllocation) {
    const Table table =
        TableOf("stratum;N;V;min",
                {"1;215;717554458,8608;1", "2;65;113318345,6219;1", "3;252;47743622,425;1",
                 "4;50;122877978,7812;1", "5;149;96388450,6886;1", "6;144;1985001441,756;1"});
    const auto design = Plan(table, {.method = AllocationMethod::Neyman, .totalN = "100"});
    ASSERT_TRUE(design) << static_cast<int>(design.refusal().problem);
    EXPECT_EQ(SizesOf(*design), (std::vector<std::int64_t>{35, 4, 10, 3, 9, 39}));
    EXPECT_EQ(Text(design->strata[0].deviation), "26787,207");
}

// A textbook gives 27 to each stratum, more than the first one's 23.
TEST(Anchors, EqualAllocationCappedAtThePopulation) {
    const Table table = TableOf("stratum;N;V", {"a;23;11,56", "b;48;6,25", "c;29;12,96"});
    const auto design =
        Plan(table, {.method = AllocationMethod::Equal, .targetError = "0,3"}, Screen("2"));
    ASSERT_TRUE(design);
    EXPECT_EQ(SizesOf(*design), (std::vector<std::int64_t>{23, 29, 28}));
    EXPECT_EQ(design->total, 80);
    EXPECT_EQ(Text(design->error), "0,293");
    EXPECT_EQ(Text(design->results[0].error), "0");
}

// Strata with few distinct values, so that ties are common: up to `most` strata of up to 10 ×
// `scale` units.
std::vector<Stratum> RandomStrata(std::mt19937& random, std::int64_t most = 6,
                                  std::int64_t scale = 3) {
    const auto pick = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    std::vector<Stratum> strata(static_cast<std::size_t>(pick(1, most)));
    for (Stratum& stratum : strata) {
        stratum.size = pick(1, 3) == 1 ? pick(1, 3) : 10 * pick(1, scale);
        stratum.deviation = Quantity::FromScaled(5000 * pick(1, 3));
        stratum.cost = Quantity::FromScaled(Quantity::kScale * pick(1, 2));
        stratum.maximum = pick(1, stratum.size);
        stratum.minimum = pick(1, stratum.maximum);
    }
    return strata;
}

// Small cases reach every total; larger ones, where the threshold's first guess overshoots more
// often, a few.
TEST(Allocation, ThresholdEqualsTheRuleUnitByUnit) {
    std::mt19937 random(17);
    for (int trial = 0; trial < 600; ++trial) {
        const bool small = trial < 400;
        const std::vector<Stratum> strata =
            small ? RandomStrata(random) : RandomStrata(random, 40, 30);
        const std::int64_t step = small ? 1 : 37;
        for (const AllocationMethod method :
             {AllocationMethod::Proportional, AllocationMethod::Equal, AllocationMethod::Neyman,
              AllocationMethod::Optimal}) {
            const Allocator allocator(strata, method);
            for (std::int64_t total = allocator.smallest(); total <= allocator.largest();
                 total += step) {
                ASSERT_EQ(allocator.At(total), AllocateUnitByUnit(strata, method, total))
                    << "trial " << trial << ", " << NameOf(method) << ", total " << total;
            }
        }
    }
}

long double UnroundedVariance(std::span<const Stratum> strata, std::span<const std::int64_t> n) {
    long double population = 0;
    for (const Stratum& stratum : strata)
        population += static_cast<long double>(stratum.size);
    long double sum = 0;
    for (std::size_t h = 0; h < strata.size(); ++h) {
        const auto N = static_cast<long double>(strata[h].size);
        const long double S = strata[h].deviation.value();
        if (N > 1)
            sum += (N / population) * (N / population) * S * S * (N - n[h]) / ((N - 1) * n[h]);
    }
    return sum;
}

// Every integer allocation within the bounds with the same total, by brute force.
template <class Visit>
void ForEachAllocation(std::span<const Stratum> strata, std::int64_t total,
                       std::vector<std::int64_t>& n, Visit visit) {
    const std::size_t h = n.size();
    if (h == strata.size()) {
        if (total == 0) visit(n);
        return;
    }
    for (std::int64_t units = strata[h].minimum; units <= std::min(strata[h].maximum, total);
         ++units) {
        n.push_back(units);
        ForEachAllocation(strata, total - units, n, visit);
        n.pop_back();
    }
}

TEST(Allocation, NeymanHasTheSmallestErrorOfAnyIntegerAllocation) {
    std::mt19937 random(1);
    for (int trial = 0; trial < 200; ++trial) {
        const std::vector<Stratum> strata = RandomStrata(random);
        const Allocator allocator(strata, AllocationMethod::Neyman);
        for (std::int64_t total = allocator.smallest(); total <= allocator.largest(); ++total) {
            const std::vector<std::int64_t> vek = allocator.At(total);
            const long double best = UnroundedVariance(strata, vek);
            std::vector<std::int64_t> other;
            ForEachAllocation(strata, total, other, [&](const std::vector<std::int64_t>& n) {
                ASSERT_GE(UnroundedVariance(strata, n), best * (1 - 1e-15L))
                    << "trial " << trial << ", total " << total;
            });
        }
    }
}

struct StratumErrorCase {
    const char* name;
    const char* row;  // stratum;N;V;deff;min
    const char* total;
    const char* distance;
};

class StratumErrors : public testing::TestWithParam<StratumErrorCase> {};

// The screen, finite with E dependent, on the stratum's V, n and N, the run's Z and the
// stratum's design effect.
TEST_P(StratumErrors, AreTheScreensE) {
    const Table table = TableOf("stratum;N;V;deff;min", {GetParam().row});
    const ScreenSession screen = Screen(GetParam().distance);
    const auto design =
        Plan(table, {.method = AllocationMethod::Equal, .totalN = GetParam().total}, screen);
    ASSERT_TRUE(design);
    const Stratum& stratum = design->strata.front();
    const Quantity whole = Quantity::FromScaled(Quantity::kScale);
    ScreenSession session(',');
    Design effect;
    effect.designEffect = stratum.designEffect;
    session.SetDesign(effect);
    ASSERT_EQ(session.Restore({stratum.variance, screen.state().StandardDistance, whole,
                               Quantity::FromScaled(design->total * Quantity::kScale),
                               Quantity::FromScaled(stratum.size * Quantity::kScale), 3, 1}),
              RestoreProblem::None);
    EXPECT_EQ(Text(design->results.front().error), session.text(Field::E));
    EXPECT_EQ(design->error, design->results.front().error) << "one stratum: the screen's E";
}

INSTANTIATE_TEST_SUITE_P(
    Strata, StratumErrors,
    testing::Values(StratumErrorCase{"startUp", "a;10000;0,25;;", "1068", "1,96"},
                    StratumErrorCase{"designEffect", "a;1000000;0,25;2;", "768", "1,96"},
                    StratumErrorCase{"oddDistance", "a;500;0,037;1,3;", "37", "2,5758"},
                    StratumErrorCase{"nearCensusRoundsToZero", "a;1000000;0,25;;", "999999",
                                     "1,96"},
                    StratumErrorCase{"oneUnit", "a;7;3;;1", "1", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StratumErrors, ACensusHasNone) {
    const Table table = TableOf("stratum;N;V", {"a;1;5", "b;12;0,25"});
    const auto design = Plan(table, {.method = AllocationMethod::Neyman, .totalN = "13"});
    ASSERT_TRUE(design);
    EXPECT_EQ(Text(design->results[0].error), "0");
    EXPECT_EQ(Text(design->error), "0");
}

struct RefusalCase {
    const char* name;
    const char* header;
    std::vector<const char*> rows;
    StrataRequest request;
    StrataRefusal refusal;
};

class Refusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, NameTheProblemAndWhere) {
    const RefusalCase& c = GetParam();
    const Checked<StratifiedDesign> design = Plan(TableOf(c.header, c.rows), c.request);
    ASSERT_FALSE(design);
    EXPECT_EQ(design.refusal(), c.refusal);
}

constexpr auto kNeyman = AllocationMethod::Neyman;
const StrataRequest kTen{.method = kNeyman, .totalN = "10"};

using P = StrataProblem;
using C = StrataColumn;
using D = DesignValue;

INSTANTIATE_TEST_SUITE_P(
    Strata, Refusals,
    testing::Values(
        RefusalCase{"noRows", "stratum;N;V", {}, kTen, {.problem = P::NoStrata}},
        RefusalCase{"sizesWithoutGiven",
                    "stratum;N;V;n",
                    {"a;10;1;5"},
                    kTen,
                    {.problem = P::SizesWithoutGiven, .column = C::n}},
        RefusalCase{"givenWithoutSizes",
                    "stratum;N;V",
                    {"a;10;1"},
                    {.method = AllocationMethod::Given},
                    {.problem = P::GivenWithoutSizes, .column = C::n}},
        RefusalCase{"emptyName",
                    "stratum;N;V",
                    {"a;10;1", ";10;1"},
                    kTen,
                    {.problem = P::EmptyName, .stratum = 1, .column = {}, .text = ""}},
        RefusalCase{"repeatedName",
                    "stratum;N;V",
                    {"a;10;1", "a;10;1"},
                    kTen,
                    {.problem = P::RepeatedName, .stratum = 1, .column = C::Name, .text = "a"}},
        RefusalCase{"reservedName",
                    "stratum;N;V",
                    {"total;10;1"},
                    kTen,
                    {.problem = P::ReservedName, .stratum = 0, .text = "total"}},
        RefusalCase{"bothVAndP",
                    "stratum;N;V;p",
                    {"a;10;1;0,5"},
                    kTen,
                    {.problem = P::BothVarianceAndProportion, .stratum = 0, .text = "a"}},
        RefusalCase{"neitherVNorP",
                    "stratum;N;V;p",
                    {"a;10;;"},
                    kTen,
                    {.problem = P::NeitherVarianceNorProportion, .stratum = 0, .text = "a"}},
        RefusalCase{"sizeMissing",
                    "stratum;N;V",
                    {"a;;1"},
                    kTen,
                    {.problem = P::Missing, .stratum = 0, .column = C::N}},
        RefusalCase{"sizeNotWhole",
                    "stratum;N;V",
                    {"a;12,5;1"},
                    kTen,
                    {.problem = P::NotWhole, .stratum = 0, .column = C::N, .text = "12,5"}},
        RefusalCase{"sizeZero",
                    "stratum;N;V",
                    {"a;0;1"},
                    kTen,
                    {.problem = P::Refused, .stratum = 0, .column = C::N, .text = "0"}},
        RefusalCase{"varianceFullStop",
                    "stratum;N;V",
                    {"a;10;0.25"},
                    kTen,
                    {.problem = P::NotANumber, .stratum = 0, .column = C::V, .text = "0.25"}},
        RefusalCase{"varianceZero",
                    "stratum;N;V",
                    {"a;10;0"},
                    kTen,
                    {.problem = P::Refused, .stratum = 0, .column = C::V, .text = "0"}},
        RefusalCase{"proportionOne",
                    "stratum;N;p",
                    {"a;10;1"},
                    kTen,
                    {.problem = P::Refused, .stratum = 0, .column = C::p, .text = "1"}},
        RefusalCase{"designEffectZero",
                    "stratum;N;V;deff",
                    {"a;10;1;0"},
                    kTen,
                    {.problem = P::Refused, .stratum = 0, .column = C::deff, .text = "0"}},
        RefusalCase{"costNegative",
                    "stratum;N;V;cost",
                    {"a;10;1;-2"},
                    kTen,
                    {.problem = P::Refused, .stratum = 0, .column = C::Cost, .text = "-2"}},
        RefusalCase{
            "responseAboveOne",
            "stratum;N;V;response_rate",
            {"a;10;1;1,5"},
            kTen,
            {.problem = P::Refused, .stratum = 0, .column = C::response_rate, .text = "1,5"}},
        RefusalCase{
            "minimumAboveMaximum",
            "stratum;N;V;min;max",
            {"a;10;1;6;5"},
            kTen,
            {.problem = P::MinimumAboveMaximum, .stratum = 0, .column = C::Minimum, .text = "6"}},
        RefusalCase{
            "maximumAboveSize",
            "stratum;N;V;max",
            {"a;10;1;11"},
            kTen,
            {.problem = P::MaximumAboveSize, .stratum = 0, .column = C::Maximum, .text = "11"}},
        RefusalCase{"givenOutsideBounds",
                    "stratum;N;V;n",
                    {"a;10;1;1"},
                    {.method = AllocationMethod::Given},
                    {.problem = P::SizeOutsideBounds, .stratum = 0, .column = C::n, .text = "1"}},
        RefusalCase{"sizesBeyondAQuantity",
                    "stratum;N;V",
                    {"a;922337203685477;1", "b;2;1"},
                    kTen,
                    {.problem = P::OutOfRange, .column = C::N, .text = "922337203685479"}},
        RefusalCase{
            "noTotal", "stratum;N;V", {"a;10;1"}, {.method = kNeyman}, {.problem = P::NoTotal}},
        RefusalCase{"twoTotals",
                    "stratum;N;V",
                    {"a;10;1"},
                    {.method = kNeyman, .totalN = "5", .budget = "5"},
                    {.problem = P::SeveralTotals}},
        RefusalCase{"totalWithGiven",
                    "stratum;N;V;n",
                    {"a;10;1;5"},
                    {.method = AllocationMethod::Given, .targetError = "0,1"},
                    {.problem = P::TotalWithGiven, .value = D::TargetError}},
        RefusalCase{"fixedCostWithoutBudget",
                    "stratum;N;V",
                    {"a;10;1"},
                    {.method = kNeyman, .totalN = "5", .fixedCost = "1"},
                    {.problem = P::FixedCostWithoutBudget, .value = D::FixedCost}},
        RefusalCase{"totalNotWhole",
                    "stratum;N;V",
                    {"a;10;1"},
                    {.method = kNeyman, .totalN = "5,5"},
                    {.problem = P::NotWhole, .value = D::TotalN, .text = "5,5"}},
        RefusalCase{"totalBelowMinimums",
                    "stratum;N;V",
                    {"a;10;1", "b;10;1"},
                    {.method = kNeyman, .totalN = "3"},
                    {.problem = P::TotalOutsideBounds,
                     .value = D::TotalN,
                     .text = "3",
                     .least = Whole(4),
                     .most = Whole(20)}},
        RefusalCase{"totalAboveMaximums",
                    "stratum;N;V;max",
                    {"a;10;1;4"},
                    {.method = kNeyman, .totalN = "5"},
                    {.problem = P::TotalOutsideBounds,
                     .value = D::TotalN,
                     .text = "5",
                     .least = Whole(2),
                     .most = Whole(4)}},
        RefusalCase{"targetZero",
                    "stratum;N;V",
                    {"a;10;1"},
                    {.method = kNeyman, .targetError = "0"},
                    {.problem = P::Refused, .value = D::TargetError, .text = "0"}},
        RefusalCase{"targetUnreachable",
                    "stratum;N;V;max",
                    {"a;10;1;5"},
                    {.method = kNeyman, .targetError = "0,01"},
                    {.problem = P::TargetUnreachable,
                     .value = D::TargetError,
                     .text = "0,01",
                     .least = Quantity::FromScaled(6533)}},
        RefusalCase{"budgetBelowMinimums",
                    "stratum;N;V;cost",
                    {"a;10;1;3", "b;10;1;2"},
                    {.method = kNeyman, .budget = "10", .fixedCost = "1"},
                    {.problem = P::BudgetBelowMinimum,
                     .value = D::Budget,
                     .text = "10",
                     .least = Whole(11)}},
        RefusalCase{"fixedCostNegative",
                    "stratum;N;V",
                    {"a;10;1"},
                    {.method = kNeyman, .budget = "10", .fixedCost = "-1"},
                    {.problem = P::Refused, .value = D::FixedCost, .text = "-1"}},
        RefusalCase{"costBeyondAQuantity",
                    "stratum;N;V;cost",
                    {"a;10;1;922337203685477"},
                    {.method = kNeyman, .totalN = "2"},
                    {.problem = P::OutOfRange, .column = C::Cost}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Refusals, MoreThanAHundredThousandStrata) {
    const std::vector<StrataColumn> columns = {StrataColumn::Name, StrataColumn::N,
                                               StrataColumn::V};
    const std::vector<StratumText> rows(static_cast<std::size_t>(kMaxStrata) + 1);
    const auto strata = StrataOf(columns, rows, ',', kNeyman);
    ASSERT_FALSE(strata);
    EXPECT_EQ(strata.refusal(),
              (StrataRefusal{.problem = P::TooManyStrata, .stratum = std::size_t{100'000}}));
}

TEST(Totals, BudgetStopsAtTheFirstUnitThatDoesNotFit) {
    // Optimal favours the cheap stratum b; its next unit costs 1, a's 4.
    const Table table = TableOf("stratum;N;V;cost", {"a;100;1;4", "b;100;1;1"});
    const auto design =
        Plan(table, {.method = AllocationMethod::Optimal, .budget = "50", .fixedCost = "10"});
    ASSERT_TRUE(design);
    EXPECT_LE(design->cost, Quantity::FromScaled(50 * Quantity::kScale));
    const Allocator allocator(design->strata, AllocationMethod::Optimal);
    const std::vector<std::int64_t> next = allocator.At(design->total + 1);
    std::int64_t nextCost = 10;
    for (std::size_t h = 0; h < next.size(); ++h)
        nextCost += next[h] * (h == 0 ? 4 : 1);
    EXPECT_GT(nextCost, 50) << "the walk stops only where the next unit does not fit";
    EXPECT_EQ(Text(*design->unspent),
              Text(Quantity::FromScaled((50 * Quantity::kScale) - design->cost.scaled())));
}

TEST(Totals, TargetIsTheFirstTotalThatReachesIt) {
    const Table table = TableOf("stratum;N;p", {"a;5000;0,5", "b;20000;0,3", "c;800;0,1"});
    const auto design = Plan(table, {.method = kNeyman, .targetError = "0,02"});
    ASSERT_TRUE(design);
    const Allocator allocator(design->strata, kNeyman);
    const Quantity distance = Screen().state().StandardDistance;
    EXPECT_LE(design->error, Quantity::FromScaled(200));
    EXPECT_GT(StratifiedError(design->strata, allocator.At(design->total - 1), distance),
              Quantity::FromScaled(200));
}

struct SheetCase {
    const char* name;
    const char* header;
    std::vector<const char*> rows;
    const char* distance;
    const char* sheet;
};

class Sheets : public testing::TestWithParam<SheetCase> {};

TEST_P(Sheets, StateTheErrorOfTheWholeAndOfEachStratum) {
    const ScreenSession screen = Screen(GetParam().distance);
    const auto design = Plan(TableOf(GetParam().header, GetParam().rows),
                             {.method = kNeyman, .totalN = "400"}, screen);
    ASSERT_TRUE(design);
    EXPECT_EQ(StratifiedSheet(*design, screen), GetParam().sheet);
}

INSTANTIATE_TEST_SUITE_P(
    Variances, Sheets,
    testing::Values(
        SheetCase{"halfAndHalf",
                  "stratum;N;p;response_rate",
                  {"Norte;1000;0,5;0,5", "Sur;3000;0,5;0,5"},
                  "2",
                  "Universo: población finita de 4000 unidades.\n"
                  "Tamaño de la muestra: 400 entrevistas.\n"
                  "Contactos previstos: 800 (tasa de respuesta esperada del 50 %).\n"
                  "Diseño: estratificado en 2 estratos.\n"
                  "Afijación: de Neyman.\n"
                  "Error muestral: ±4,7 % para el conjunto de la muestra, para un nivel de "
                  "confianza del 95,5 % (dos sigmas) y P = Q, con muestreo aleatorio simple en "
                  "cada estrato.\n"
                  "  Norte: ±9,5 % (100 entrevistas)\n"
                  "  Sur: ±5,5 % (300 entrevistas)\n"},
        SheetCase{"proportions",
                  "stratum;N;p;V;deff",
                  {"a;1000;0,3;;2", "b;3000;;0,25;"},
                  "1,96",
                  "Universo: población finita de 4000 unidades.\n"
                  "Tamaño de la muestra: 400 entrevistas.\n"
                  "Diseño: estratificado en 2 estratos.\n"
                  "Afijación: de Neyman.\n"
                  "Error muestral: ±5,0 % para el conjunto de la muestra, para un nivel de "
                  "confianza del 95 % y con las proporciones esperadas de cada estrato, "
                  "considerando el efecto de diseño de cada estrato.\n"
                  "  a: ±10,8 % (121 entrevistas)\n"
                  "  b: ±5,6 % (279 entrevistas)\n"},
        SheetCase{"variances",
                  "stratum;N;V;response_rate",
                  {"a;1000;4;0,5", "b;3000;9;0,8"},
                  "3",
                  "Universo: población finita de 4000 unidades.\n"
                  "Tamaño de la muestra: 400 entrevistas.\n"
                  "Contactos previstos: 555 (tasas de respuesta esperadas de cada estrato).\n"
                  "Diseño: estratificado en 2 estratos.\n"
                  "Afijación: de Neyman.\n"
                  "Error muestral: ±0,3909 para el conjunto de la muestra, para un nivel de "
                  "confianza del 99,7 % (tres sigmas) y las varianzas de cada estrato, con "
                  "muestreo aleatorio simple en cada estrato.\n"
                  "  a: ±0,6764 (73 entrevistas)\n"
                  "  b: ±0,4699 (327 entrevistas)\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ParagraphCase {
    const char* name;
    const char* header;
    std::vector<const char*> rows;
    StrataRequest request;
    const char* paragraph;
};

class Paragraphs : public testing::TestWithParam<ParagraphCase> {};

TEST_P(Paragraphs, SayHowTheSampleIsSplit) {
    const ScreenSession screen = Screen();
    const auto design =
        Plan(TableOf(GetParam().header, GetParam().rows), GetParam().request, screen);
    ASSERT_TRUE(design);
    EXPECT_EQ(StratifiedParagraph(*design, screen), GetParam().paragraph);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, Paragraphs,
    testing::Values(
        ParagraphCase{"proportional",
                      "stratum;N;V",
                      {"a;1000;0,25", "b;3000;0,25"},
                      {.method = AllocationMethod::Proportional, .totalN = "400"},
                      "Se reparte una muestra de 400 unidades entre 2 estratos con afijación "
                      "proporcional. Con una confianza del 95 % (Z = 1,96), el error de precisión "
                      "del conjunto es 0,0465."},
        ParagraphCase{"equal",
                      "stratum;N;V;min",
                      {"a;1000;0,25;1"},
                      {.method = AllocationMethod::Equal, .totalN = "1"},
                      "Se reparte una muestra de 1 unidad entre 1 estrato con afijación uniforme. "
                      "Con una confianza del 95 % (Z = 1,96), el error de precisión del conjunto "
                      "es 0,98."},
        ParagraphCase{"neymanWithResponse",
                      "stratum;N;V;response_rate",
                      {"a;1000;0,25;50 %", "b;3000;0,09;"},
                      {.method = kNeyman, .totalN = "400"},
                      "Se reparte una muestra de 400 unidades entre 2 estratos con afijación de "
                      "Neyman. Con una confianza del 95 % (Z = 1,96), el error de precisión del "
                      "conjunto es 0,0324. Con las tasas de respuesta esperadas, hay que contactar "
                      "543 unidades."},
        ParagraphCase{"optimalWithBudget",
                      "stratum;N;V;cost",
                      {"a;1000;0,25;4", "b;3000;0,25;1"},
                      {.method = AllocationMethod::Optimal, .budget = "1000,5"},
                      "Se reparte una muestra de 700 unidades entre 2 estratos con afijación "
                      "óptima con costes. Con una confianza del 95 % (Z = 1,96), el error de "
                      "precisión del conjunto es 0,0355. El coste es 1000, de un presupuesto de "
                      "1000,5."},
        ParagraphCase{"given",
                      "stratum;N;V;n",
                      {"a;1000;0,25;100", "b;3000;0,25;300"},
                      {.method = AllocationMethod::Given},
                      "Se reparte una muestra de 400 unidades entre 2 estratos con afijación "
                      "fijada. Con una confianza del 95 % (Z = 1,96), el error de precisión del "
                      "conjunto es 0,0465."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vek::planning
