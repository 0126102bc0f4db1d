// SPDX-License-Identifier: GPL-3.0-or-later
// Why a table of records read as CSV (a batch, a strata file) is refused as a whole: the reason,
// the record's line and the text at fault. Each front end words it in its own language.
#pragma once

#include <cstdint>
#include <string>

namespace vek::planning {

enum class InputProblem {
    // Reading the records.
    Unreadable,         // the input cannot be read; no line
    RecordTooLong,      // over kMaxRecordBytes of fields
    TooManyFields,      // over kMaxFields
    NulByte,            // a NUL byte in a field
    QuoteInUnquoted,    // a quote inside an unquoted field
    UnterminatedQuote,  // the input ends inside a quoted field
    // The batch's header and records.
    NoHeader,               // not even a header line; no line
    NoColumns,              // a header of no columns
    ColumnTwice,            // text: the column's name
    UnknownColumn,          // text: the column's name
    ClusterColumnAlone,     // icc without cluster_size, or the reverse; text: the one given
    MoreFieldsThanColumns,  // a record longer than the header
    DeffWithIcc,            // a record that gives both deff and icc
};

struct InputRefusal {
    InputProblem problem = InputProblem::Unreadable;
    std::int64_t line = 0;  // the record's number, the header being 1; 0 where none
    std::string text;
    friend bool operator==(const InputRefusal&, const InputRefusal&) = default;
};

}  // namespace vek::planning
