// SPDX-License-Identifier: GPL-3.0-or-later
// One result row of a sweep or a batch: the stored values after the calculation, and how it
// ended; written as CSV in the decimal separator's dialect, or as JSON.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "planning/entry.h"
#include "session/screen_session.h"

namespace vek::planning {

struct ResultRow {
    std::int64_t row = 0;
    PerField<std::string> values;  // QuantityToText of the stored quantities
    std::string dependent;         // "V" … "N"
    std::string population;        // "finite" or "infinite"
    std::string designEffect;
    std::string responseRate;
    std::string contacts;            // empty where the result failed
    std::string result;              // empty where an entry failed
    std::optional<Refusal> refusal;  // the failed entry; none where every entry was accepted
};

// The row of the session's screen as it stands. With a `refusal` the row failed before
// "Calcula": no result and no contacts.
ResultRow RowOf(const ScreenSession& session, std::int64_t row,
                std::optional<Refusal> refusal = std::nullopt);

// A failed row: an entry failed, or the result is "Error de entrada" or "Mal resultado".
bool Failed(const ResultRow& row);

// ';' where ',' is the decimal separator (as Spanish spreadsheets read and write), else ','.
char CsvDelimiter(char decimalSeparator);

// How a front end words a refusal for the "error" column.
using RefusalWording = std::string (*)(const Refusal& refusal, char decimalSeparator);

// The header line and one line a row, each ending in LF; fields quoted as RFC 4180 says.
std::string CsvHeader(char decimalSeparator);
void AppendCsv(std::string& out, const ResultRow& row, char decimalSeparator,
               RefusalWording wording);

// One field, quoted where it holds the delimiter, a quote or a line end.
void AppendCsvField(std::string& out, std::string_view field, char delimiter);

// One JSON object, every value a string; no "contacts" where there are none.
void AppendJson(std::string& out, const ResultRow& row, char decimalSeparator,
                RefusalWording wording);

// `text` as a JSON string, quotes included.
std::string JsonString(std::string_view text);

}  // namespace vek::planning
