// SPDX-License-Identifier: GPL-3.0-or-later
// A strata table as a window holds it: pasted numbers with their digits grouped, every refused
// cell at once, and the file and command it is written back as, read again the way vek-calc
// reads them.
#include <gtest/gtest.h>

#include "planning/exploring.h"
#include "planning/strata_file.h"

namespace vek::planning {
namespace {

StratumText Row(std::initializer_list<std::pair<StrataColumn, std::string>> cells) {
    StratumText row;
    for (const auto& [column, text] : cells)
        row[column] = text;
    return row;
}

TEST(Pasted, DigitGroupingIsDroppedOnlyWhereItIsOne) {
    const struct {
        const char* text;
        char separator;
        const char* plain;
    } cases[] = {
        {"387.329", ',', "387329"},    {"1.204.118,5", ',', "1204118,5"},
        {"-12.000", ',', "-12000"},    {"1,204,118.5", '.', "1204118.5"},
        {"0.5", ',', "0.5"},           {"1.2345", ',', "1.2345"},
        {"1234.567", ',', "1234.567"}, {"12.000 %", ',', "12000 %"},
        {"387.329", '.', "387.329"},   {"Norte", ',', "Norte"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithoutDigitGrouping(c.text, c.separator), c.plain) << c.text;
}

TEST(Cells, EveryRefusedCellOfEveryRow) {
    const std::vector<StratumText> rows = {
        // The bounds need N: max is not checked.
        Row({{StrataColumn::Name, "Norte"},
             {StrataColumn::N, "abc"},
             {StrataColumn::p, "1,5"},
             {StrataColumn::Maximum, "x"}}),
        Row({{StrataColumn::Name, "Sur"},
             {StrataColumn::N, "100"},
             {StrataColumn::V, "0,25"},
             {StrataColumn::response_rate, "150 %"}}),
        Row({{StrataColumn::Name, "Sur"}, {StrataColumn::N, "100"}, {StrataColumn::V, "0,25"}}),
    };
    const std::vector<StrataRefusal> refused = RefusedCells(rows, ',', AllocationMethod::Neyman);
    std::vector<std::tuple<std::size_t, StrataColumn, StrataProblem>> where;
    where.reserve(refused.size());
    for (const StrataRefusal& refusal : refused)
        where.emplace_back(*refusal.stratum, *refusal.column, refusal.problem);
    EXPECT_EQ(where, (decltype(where){
                         {0, StrataColumn::N, StrataProblem::NotANumber},
                         {0, StrataColumn::p, StrataProblem::Refused},
                         {1, StrataColumn::response_rate, StrataProblem::Refused},
                         {2, StrataColumn::Name, StrataProblem::RepeatedName},
                     }));
    // StrataOf tells the first of them.
    const auto strata = StrataOf(FilledColumns(rows, AllocationMethod::Neyman), rows, ',',
                                 AllocationMethod::Neyman);
    ASSERT_FALSE(strata);
    EXPECT_EQ(strata.refusal(), refused.front());
}

TEST(File, WrittenAsReadBack) {
    const std::vector<StratumText> rows = {
        Row({{StrataColumn::Name, "Norte; costa"},
             {StrataColumn::N, "12000"},
             {StrataColumn::p, "0,3"},
             {StrataColumn::response_rate, PercentRateText("70")},
             {StrataColumn::n, "50"}}),  // only with the method Given
        Row({{StrataColumn::Name, "x\nFIN\ny"},
             {StrataColumn::N, "8000"},
             {StrataColumn::p, "0,2"}}),
    };
    const std::vector<StrataColumn> columns = FilledColumns(rows, AllocationMethod::Equal);
    const std::string file = StrataFileText(columns, rows, ',');
    EXPECT_EQ(
        file,
        "stratum;N;p;response_rate\n\"Norte; costa\";12000;0,3;70 %\n\"x\nFIN\ny\";8000;0,2;\n");
    CsvReader reader(file, ';');
    const auto read = ReadStrataTable(reader);
    ASSERT_TRUE(std::holds_alternative<StrataTable>(read));
    EXPECT_EQ(std::get<StrataTable>(read).columns, columns);
    EXPECT_EQ(RateAsPercent(std::get<StrataTable>(read).rows[0][StrataColumn::response_rate], ','),
              "70");
    EXPECT_EQ(RateAsPercent("0,65", ','), "65");
    // A line "FIN" inside a name moves the here-document's end on.
    EXPECT_EQ(WithHereDocument("vek-calc --strata -", file),
              std::string("vek-calc --strata - <<'FIN1'\n").append(file).append("FIN1\n"));
}

TEST(Command, NamesTheMethodAndWhatFixesTheTotal) {
    ScreenSession screen(',');
    screen.LeaveField(Field::Z, "2");
    const StrataRequest request{
        .method = AllocationMethod::Optimal, .budget = "20000", .fixedCost = "2000"};
    EXPECT_EQ(StrataCalcArguments(screen, request),
              (std::vector<std::string>{"--separator", ",", "prob=0,0455", "--strata", "-",
                                        "--allocation", "optimal", "--budget", "20000",
                                        "--fixed-cost", "2000"}));
}

}  // namespace
}  // namespace vek::planning
