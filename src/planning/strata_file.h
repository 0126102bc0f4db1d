// SPDX-License-Identifier: GPL-3.0-or-later
// Strata as a CSV file, in the batch's dialect: a header naming stratum, N and V or p, with any
// of deff, cost, response_rate, min, max and n, then one record a stratum. A file that is not
// valid UTF-8 is read as Windows-1252, which is what a Spanish spreadsheet's "CSV (delimitado por
// comas)" writes. The design goes back out in the same dialect, one row a stratum and a total.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "planning/csv_reader.h"
#include "planning/input_refusal.h"
#include "planning/stratified.h"

namespace vek::planning {

struct StrataTable {
    std::vector<StrataColumn> columns;  // the header's, in its order
    std::vector<StratumText> rows;
    std::vector<std::int64_t> lines;  // each row's record number, the header being 1
};

// The header and the records of `reader`, their text in UTF-8. Reading stops after kMaxStrata + 1
// rows, which StrataOf refuses. Why the file is refused otherwise: the reader's own refusal, no
// header, a column unknown or given twice, no stratum or N column, neither V nor p, a record
// longer than the header.
std::variant<StrataTable, InputRefusal> ReadStrataTable(CsvReader& reader);

// The columns that some row fills, in kStrataColumns' order: stratum and N always, V where p is
// not used, n with the method Given and only then, as StrataOf takes them.
std::vector<StrataColumn> FilledColumns(std::span<const StratumText> rows, AllocationMethod method);

// The strata as the file ReadStrataTable reads: the header of `columns`, then a record a row,
// with `decimalSeparator`'s delimiter, in UTF-8, each line ending in LF.
std::string StrataFileText(std::span<const StrataColumn> columns, std::span<const StratumText> rows,
                           char decimalSeparator);

// A shell command that runs `command` with `file` as its stdin, inline: "command <<'FIN'", the
// file, then "FIN" (the first of FIN, FIN1, FIN2 … that is none of the file's lines).
std::string WithHereDocument(std::string_view command, std::string_view file);

// The design as CSV with `decimalSeparator`'s delimiter: a header, one row a stratum in the
// table's order, then the row "total". Each line ends in LF.
std::string StrataCsv(const StratifiedDesign& design, char decimalSeparator);

// The same rows as one JSON object a line, every value a string.
std::string StrataJsonLines(const StratifiedDesign& design, char decimalSeparator);

}  // namespace vek::planning
