// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a batch read from memory, in both dialects (';' between fields with ',' as decimal
// separator, ',' with '.'), from the start-up screen. Nothing throws. A header is accepted only
// with known columns, each once, and with both or neither of icc and cluster_size. Each of the
// first rows is refused only for a record longer than the header or one that gives both deff and
// icc; otherwise it is numbered after its line, fails exactly where it has no value, never has
// both a result and an error, fails where one of icc and cluster_size is empty, and takes the
// design effect of the pair where both are given.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/design.h"
#include "planning/batch.h"
#include "require.h"

namespace {

using vek::planning::BatchColumns;
using vek::planning::BatchRecord;
using vek::planning::InputProblem;
using vek::planning::InputRefusal;
using vek::planning::ResultRow;

constexpr std::int64_t kRowsChecked = 64;

// The cell under `name`, empty where the header or the record has none.
std::string_view Cell(const std::vector<std::string>& header, const BatchRecord& record,
                      std::string_view name) {
    const auto column = std::find(header.begin(), header.end(), name);
    const auto index = static_cast<std::size_t>(column - header.begin());
    return index < record.fields.size() ? std::string_view(record.fields[index]) : "";
}

void CheckRow(const std::vector<std::string>& header, const BatchRecord& record,
              const std::variant<ResultRow, InputRefusal>& outcome, char separator) {
    const bool longer = record.fields.size() > header.size();
    const bool deffAndIcc =
        !Cell(header, record, "deff").empty() && !Cell(header, record, "icc").empty();
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
        REQUIRE(refusal->line == record.line);
        REQUIRE(refusal->problem ==
                (longer ? InputProblem::MoreFieldsThanColumns : InputProblem::DeffWithIcc));
        REQUIRE(longer || deffAndIcc);
        return;
    }
    REQUIRE(!longer && !deffAndIcc);
    const ResultRow& row = std::get<ResultRow>(outcome);
    REQUIRE(row.row == record.line - 1);
    REQUIRE(row.failed != row.dependentValue.has_value());
    REQUIRE(!row.refusal || row.result.empty());
    REQUIRE(!row.refusal || row.failed);
    const std::string_view icc = Cell(header, record, "icc");
    const std::string_view clusterSize = Cell(header, record, "cluster_size");
    if (icc.empty() != clusterSize.empty()) REQUIRE(row.failed && row.refusal);
    if (!icc.empty() && !clusterSize.empty() && !row.failed) {
        REQUIRE(row.design.designEffect ==
                vek::DesignEffectOfClusters(*vek::QuantityFromText(icc, separator),
                                            *vek::QuantityFromText(clusterSize, separator)));
    }
}

void CheckBatch(std::string_view bytes, char separator) {
    const vek::ScreenSession base(separator);
    const char delimiter = vek::planning::CsvDelimiter(separator);
    vek::planning::CsvReader headerOnly(bytes, delimiter);
    std::vector<std::string> header;
    const bool hasHeader = headerOnly.Next(header);

    vek::planning::CsvReader reader(bytes, delimiter);
    const auto columns = BatchColumns::Read(reader);
    const auto named = [&header](std::string_view name) {
        return std::count(header.begin(), header.end(), name);
    };
    if (const auto* refusal = std::get_if<InputRefusal>(&columns)) {
        if (refusal->problem == InputProblem::ClusterColumnAlone) {
            REQUIRE(named("icc") + named("cluster_size") == 1);
        }
        return;
    }
    REQUIRE(hasHeader && named("icc") == named("cluster_size") && named("icc") <= 1);
    std::vector<std::string> fields;
    while (reader.line() <= kRowsChecked && reader.Next(fields)) {
        const BatchRecord record{reader.line(), fields};
        CheckRow(header, record, std::get<BatchColumns>(columns).Row(base, record), separator);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        CheckBatch(bytes, ',');
        CheckBatch(bytes, '.');
    } catch (const std::exception& error) {
        std::fprintf(stderr, "escaped: %s\n", error.what());
        vek::fuzz::Require(false, "nothing escapes a batch");
    }
    return 0;
}
