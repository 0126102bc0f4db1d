// SPDX-License-Identifier: GPL-3.0-or-later
// One result row of a sweep or a batch: the stored values after the calculation, and how it
// ended; written as CSV in the decimal separator's dialect, or as JSON.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "session/screen_session.h"

namespace vek::planning {

struct ResultRow {
    std::int64_t row = 0;
    PerField<Quantity> values;  // the stored quantities
    Dependent dependent = Dependent::n;
    Population population = Population::Infinite;
    Design design;
    // An entry failed, or the result is "Error de entrada" or "Mal resultado", as the session's
    // ResultFailed() says.
    bool failed = false;
    std::optional<Quantity> dependentValue;  // its stored quantity; none where the row failed
    std::optional<Quantity> contacts;        // none where the row failed or they do not fit
    std::string result;  // the dependent field's text; empty where an entry failed
    std::string error;   // the failed entry's message; empty where no entry failed
};

// The row of the session's screen as it stands. With an `error` the row failed before
// "Calcula": no result and no contacts.
ResultRow RowOf(const ScreenSession& session, std::int64_t row, std::string error = {});

// ';' where ',' is the decimal separator (as Spanish spreadsheets read and write), else ','.
char CsvDelimiter(char decimalSeparator);

// `field` as RFC 4180 writes it: quoted, its quotes doubled, where it holds the delimiter, a quote
// or a line end; unchanged otherwise (a leading '=' too: user data is never rewritten).
void AppendCsvField(std::string& out, std::string_view field, char delimiter);

// The header line and one line a row, each ending in LF; fields quoted as RFC 4180 says.
std::string CsvHeader(char decimalSeparator);
void AppendCsv(std::string& out, const ResultRow& row, char decimalSeparator);

// One JSON object, every value a string; no "contacts" where there are none.
void AppendJson(std::string& out, const ResultRow& row, char decimalSeparator);

// `text` as a JSON string, quotes included.
std::string JsonString(std::string_view text);

}  // namespace vek::planning
