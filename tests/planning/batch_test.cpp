// SPDX-License-Identifier: GPL-3.0-or-later
// Batches read from memory, as a window reads a file or the clipboard: the refusals as reasons
// with their line and the text at fault.
#include "planning/batch.h"

#include <gtest/gtest.h>

#include <variant>

#include "case_names.h"

namespace vek::planning {
namespace {

using vek::tests::PrintTo;

// The rows of the whole batch, or the first refusal.
std::variant<std::vector<ResultRow>, InputRefusal> RunBatch(std::string_view text) {
    const ScreenSession base(',');
    CsvReader reader(text, CsvDelimiter(base.separator()));
    auto columns = BatchColumns::Read(reader);
    if (auto* refusal = std::get_if<InputRefusal>(&columns)) return *refusal;
    std::vector<ResultRow> rows;
    std::vector<std::string> fields;
    while (reader.Next(fields)) {
        const BatchRecord record{reader.line(), fields};
        auto row = std::get<BatchColumns>(columns).Row(base, record);
        if (auto* refusal = std::get_if<InputRefusal>(&row)) return *refusal;
        rows.push_back(std::get<ResultRow>(row));
    }
    if (reader.refusal()) return *reader.refusal();
    return rows;
}

struct RefusalCase {
    const char* name;
    const char* text;
    InputRefusal refusal;
};

class BatchRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(BatchRefusals, NameTheReasonLineAndText) {
    const auto outcome = RunBatch(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<InputRefusal>(outcome));
    EXPECT_EQ(std::get<InputRefusal>(outcome), GetParam().refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BatchRefusals,
    testing::Values(
        RefusalCase{"empty", "\r\n\n", {InputProblem::NoHeader, 0, ""}},
        RefusalCase{"twice", "V;E;V\n", {InputProblem::ColumnTwice, 1, "V"}},
        RefusalCase{"contacts", "V;contacts\n", {InputProblem::UnknownColumn, 1, "contacts"}},
        RefusalCase{"longRecord",
                    "V;E\n0,2;0,01\n0,2;0,01;3\n",
                    {InputProblem::MoreFieldsThanColumns, 3, ""}},
        RefusalCase{"iccAlone", "E;icc\n", {InputProblem::ClusterColumnAlone, 1, "icc"}},
        RefusalCase{"clusterSizeAlone",
                    "cluster_size;E\n0,2;0,01\n",
                    {InputProblem::ClusterColumnAlone, 1, "cluster_size"}},
        RefusalCase{"deffAndIcc",
                    "E;deff;icc;cluster_size\n0,01;;0,1;2\n0,01;2;0,1;\n",
                    {InputProblem::DeffWithIcc, 3, ""}},
        RefusalCase{"strayQuote", "V;E\n0,2;0\"01\n", {InputProblem::QuoteInUnquoted, 2, ""}},
        RefusalCase{
            "openQuote", "V;E\n0,2;0,01\n\"0,2;0,01\n", {InputProblem::UnterminatedQuote, 3, ""}}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(Batch, RowsApplyPopulationThenDependentThenValues) {
    // N is typed last, once the population is finite and n no longer dependent.
    const auto outcome = RunBatch("\xEF\xBB\xBFN;dependent;population\r\n5000;E;finite\r\n");
    ASSERT_TRUE(std::holds_alternative<std::vector<ResultRow>>(outcome));
    const ResultRow& row = std::get<std::vector<ResultRow>>(outcome).at(0);
    EXPECT_EQ(row.row, 1);
    EXPECT_FALSE(row.refusal);
    EXPECT_EQ(row.values[Field::N], Quantity::FromScaled(50000000));
    EXPECT_EQ(row.dependent, Dependent::E);
    EXPECT_EQ(row.result, QuantityToText(row.values[Field::E], ','));
}

// The two give the design effect together, at cluster_size's place; one alone fails its row.
TEST(Batch, IccAndClusterSizeGoTogether) {
    const auto outcome = RunBatch("cluster_size;E;icc\n3;0,05;0,1\n;0,05;0,1\n3;0,05;\n");
    ASSERT_TRUE(std::holds_alternative<std::vector<ResultRow>>(outcome));
    const auto& rows = std::get<std::vector<ResultRow>>(outcome);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0].design.designEffect, Quantity::FromScaled(12000));
    EXPECT_FALSE(rows[0].failed);
    EXPECT_EQ(rows[1].refusal, (Refusal{Reason::Unpaired, Variable::icc, "0,1"}));
    EXPECT_EQ(rows[2].refusal, (Refusal{Reason::Unpaired, Variable::cluster_size, "3"}));
    for (const ResultRow& row : {rows[1], rows[2]}) {
        EXPECT_TRUE(row.failed);
        EXPECT_EQ(row.design.designEffect, kNoDesignEffect);
    }
}

}  // namespace
}  // namespace vek::planning
