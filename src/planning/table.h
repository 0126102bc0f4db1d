// SPDX-License-Identifier: GPL-3.0-or-later
// One result row of a sweep or a batch: the stored values after the calculation, and how it
// ended; written as CSV in the decimal separator's dialect, or as JSON.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "session/screen_session.h"

namespace vek::planning {

struct ResultRow {
    std::int64_t row = 0;
    PerField<std::string> values;  // QuantityToText of the stored quantities
    std::string dependent;         // "V" … "N"
    std::string population;        // "finite" or "infinite"
    std::string designEffect;
    std::string responseRate;
    std::string contacts;  // empty where the result failed
    std::string result;    // empty where an entry failed
    std::string error;     // the failed entry's message; empty where the row succeeded
};

// The row of the session's screen as it stands. With an `error` the row failed before
// "Calcula": no result and no contacts.
ResultRow RowOf(const ScreenSession& session, std::int64_t row, std::string error = {});

// A failed row: an entry failed, or the result is "Error de entrada" or "Mal resultado".
bool Failed(const ResultRow& row);

// ';' where ',' is the decimal separator (as Spanish spreadsheets read and write), else ','.
char CsvDelimiter(char decimalSeparator);

// `field` as RFC 4180 writes it: quoted, its quotes doubled, where it holds the delimiter, a quote
// or a line end; unchanged otherwise (a leading '=' too: user data is never rewritten).
void AppendCsvField(std::string& out, std::string_view field, char delimiter);

// The header line and one line a row, each ending in LF; fields quoted as RFC 4180 says.
std::string CsvHeader(char decimalSeparator);
void AppendCsv(std::string& out, const ResultRow& row, char decimalSeparator);

// One JSON object, every value a string; no "contacts" where there are none.
void AppendJson(std::string& out, const ResultRow& row);

// `text` as a JSON string, quotes included.
std::string JsonString(std::string_view text);

}  // namespace vek::planning
