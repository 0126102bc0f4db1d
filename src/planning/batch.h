// SPDX-License-Identifier: GPL-3.0-or-later
// Batches: one result row for each record of a CSV table, each from the same screen session.
// The header line names what each column enters: a value as NAME=TEXT enters it (V, Z, prob, E,
// n, N, p, deff, icc, cluster_size, response_rate), the population (finite or infinite) or the
// dependent variable (V, Z, E, n or N). A row applies its population, then its dependent
// variable, then its values in the header's order (an empty cell is not applied), then
// "Calcula". icc and cluster_size give the design effect together, at cluster_size's place.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "planning/csv_reader.h"
#include "planning/entry.h"
#include "planning/table.h"

namespace vek::planning {

struct BatchRecord {
    std::int64_t line = 0;  // the header is line 1
    std::span<const std::string> fields;
};

class BatchColumns {
public:
    // The columns of the batch in `reader`, from its header line; why the batch is refused
    // otherwise (the reader's own refusal, no header, a column unknown or given twice, icc
    // without cluster_size or the reverse).
    static std::variant<BatchColumns, InputRefusal> Read(CsvReader& reader);

    // The row of `record`, numbered line − 1, from `base`; an entry that fails ends the row
    // there. Why the whole batch is refused where the record is longer than the header or gives
    // both deff and icc.
    std::variant<ResultRow, InputRefusal> Row(const ScreenSession& base,
                                              const BatchRecord& record) const;

private:
    struct Column {
        enum class Kind { Value, Population, Dependent } kind = Kind::Value;
        Variable variable = Variable::V;
    };
    class Applied;

    std::vector<Column> columns_;
};

}  // namespace vek::planning
