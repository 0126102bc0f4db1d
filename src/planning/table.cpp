// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/table.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>

namespace vek::planning {

namespace {

bool NeedsQuotes(std::string_view field, char delimiter) {
    return std::any_of(field.begin(), field.end(), [delimiter](char c) {
        return c == delimiter || c == '"' || c == '\r' || c == '\n';
    });
}

// Writes `field` at `cursor`, quoted where RFC 4180 asks for it; returns the end. At most twice
// its length and two quotes.
char* WriteCsvField(char* cursor, std::string_view field, char delimiter) {
    if (!NeedsQuotes(field, delimiter)) return std::copy(field.begin(), field.end(), cursor);
    *cursor++ = '"';
    for (const char c : field) {
        if (c == '"') *cursor++ = '"';
        *cursor++ = c;
    }
    *cursor++ = '"';
    return cursor;
}

// A column's value: a quantity, or a text. A plain text cannot hold a delimiter, a quote, a
// backslash or a control character (numbers, names), so it is written as it is in CSV and JSON
// alike; so is a quantity.
struct Cell {
    std::string_view text;
    bool plain = false;
    std::optional<Quantity> quantity;
};

// The longest plain text: a quantity's or a row number's digits, a name.
constexpr std::size_t kMaxPlainBytes = 24;

Cell Plain(std::string_view text) {
    return {text, true, std::nullopt};
}

Cell Text(std::string_view text) {
    return {text, false, std::nullopt};
}

Cell Number(Quantity q) {
    return {{}, true, q};
}

Cell Number(const std::optional<Quantity>& q) {
    return q ? Number(*q) : Plain({});
}

void AppendJsonText(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

// Header names and row texts in the same order, so that each name appears once. Numbers are
// written straight from their digits: a million rows are mostly numbers.
template <class Visit>
void ForEachColumn(const ResultRow& row, std::string_view error, Visit visit) {
    char number[24];
    const auto written = std::to_chars(std::begin(number), std::end(number), row.row);
    visit("row", Plain({number, static_cast<std::size_t>(written.ptr - number)}));
    for (const Field field : kShownOrder)
        visit(SymbolOf(field), Number(row.values[field]));
    visit("dependent", Plain(SymbolOf(FieldOf(row.dependent))));
    visit("population", Plain(row.population == Population::Finite ? "finite" : "infinite"));
    visit("deff", Number(row.design.designEffect));
    visit("response_rate", Number(row.design.responseRate));
    visit("contacts", Number(row.contacts));
    visit("result", Text(row.result));
    visit("error", Text(error));
}

std::string ErrorOf(const ResultRow& row, char decimalSeparator, RefusalWording wording) {
    return row.refusal ? wording(*row.refusal, decimalSeparator) : std::string();
}

}  // namespace

ResultRow RowOf(const ScreenSession& session, std::int64_t row, std::optional<Refusal> refusal) {
    ResultRow result;
    result.row = row;
    for (const Field field : kFields)
        result.values[field] = QuantityOf(session.state(), field);
    result.dependent = session.dependent();
    result.population = session.population();
    result.design = session.design();
    result.failed = refusal || session.ResultFailed();
    if (!refusal) {
        result.result = session.ResultText();
        result.contacts = session.Contacts();
    }
    if (!result.failed) result.dependentValue = result.values[FieldOf(result.dependent)];
    result.refusal = std::move(refusal);
    return result;
}

void AppendCsvField(std::string& out, std::string_view field, char delimiter) {
    const std::size_t start = out.size();
    out.resize(start + 2 * field.size() + 2);
    out.resize(
        static_cast<std::size_t>(WriteCsvField(out.data() + start, field, delimiter) - out.data()));
}

char CsvDelimiter(char decimalSeparator) {
    return decimalSeparator == ',' ? ';' : ',';
}

std::string CsvHeader(char decimalSeparator) {
    const char delimiter = CsvDelimiter(decimalSeparator);
    std::string header;
    ForEachColumn(ResultRow{}, {}, [&](std::string_view name, Cell) {
        if (!header.empty()) header += delimiter;
        header += name;
    });
    return header + '\n';
}

void AppendCsv(std::string& out, const ResultRow& row, char decimalSeparator,
               RefusalWording wording) {
    const char delimiter = CsvDelimiter(decimalSeparator);
    // Written through a cursor into room made once, as a million rows of short numbers are
    // written fastest: every plain column at its longest, the texts quoted and every quote
    // doubled, the delimiters and the LF.
    const std::string error = ErrorOf(row, decimalSeparator, wording);
    constexpr std::size_t kColumns = 14;
    const std::size_t room =
        kColumns * (kMaxPlainBytes + 1) + 2 * (row.result.size() + 2) + 2 * (error.size() + 2);
    const std::size_t start = out.size();
    out.resize(start + room);
    char* cursor = out.data() + start;
    bool first = true;
    ForEachColumn(row, error, [&](std::string_view, Cell cell) {
        if (!first) *cursor++ = delimiter;
        first = false;
        if (cell.quantity) {
            cursor = WriteQuantity(cursor, *cell.quantity, decimalSeparator);
        } else {
            cursor = cell.plain ? std::copy(cell.text.begin(), cell.text.end(), cursor)
                                : WriteCsvField(cursor, cell.text, delimiter);
        }
    });
    *cursor++ = '\n';
    out.resize(static_cast<std::size_t>(cursor - out.data()));
}

void AppendJson(std::string& out, const ResultRow& row, char decimalSeparator,
                RefusalWording wording) {
    out += '{';
    bool first = true;
    const std::string error = ErrorOf(row, decimalSeparator, wording);
    ForEachColumn(row, error, [&](std::string_view name, Cell cell) {
        if (name == "contacts" && !cell.quantity) return;
        if (!first) out += ',';
        first = false;
        out += '"';
        out += name;
        out += "\":";
        if (cell.quantity) {
            out += '"';
            out += QuantityChars(*cell.quantity, decimalSeparator).view();
            out += '"';
        } else if (cell.plain) {
            out += '"';
            out += cell.text;
            out += '"';
        } else {
            AppendJsonText(out, cell.text);
        }
    });
    out += '}';
}

std::string JsonString(std::string_view text) {
    std::string quoted;
    AppendJsonText(quoted, text);
    return quoted;
}

}  // namespace vek::planning
