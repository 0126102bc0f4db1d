// SPDX-License-Identifier: GPL-3.0-or-later
// One result row of a sweep or a batch: the stored values after the calculation, and how it
// ended; written as CSV in the decimal separator's dialect, or as JSON.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "planning/entry.h"
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
    std::string result;              // the dependent field's text; empty where an entry failed
    std::optional<Refusal> refusal;  // the failed entry; none where every entry was accepted
};

// The row of the session's screen as it stands. With a `refusal` the row failed before
// "Calcula": no result and no contacts.
ResultRow RowOf(const ScreenSession& session, std::int64_t row,
                std::optional<Refusal> refusal = std::nullopt);

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
