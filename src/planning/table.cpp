// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/table.h"

#include <algorithm>
#include <cstdio>

namespace vek::planning {

namespace {

// One pass over the field: find_first_of with a set searches the set for every character.
bool NeedsQuotes(std::string_view field, char delimiter) {
    return std::any_of(field.begin(), field.end(), [delimiter](char c) {
        return c == delimiter || c == '"' || c == '\r' || c == '\n';
    });
}

std::string TextOf(std::optional<Quantity> quantity, char separator) {
    return quantity ? QuantityToText(*quantity, separator) : std::string();
}

// Header names and row texts in the same order, so that each name appears once.
template <class Visit>
void ForEachColumn(const ResultRow& row, char separator, std::string_view error, Visit visit) {
    visit("row", std::to_string(row.row));
    for (const Field field : kShownOrder)
        visit(SymbolOf(field), QuantityToText(row.values[field], separator));
    visit("dependent", SymbolOf(FieldOf(row.dependent)));
    visit("population", row.population == Population::Finite ? "finite" : "infinite");
    visit("deff", QuantityToText(row.design.designEffect, separator));
    visit("response_rate", QuantityToText(row.design.responseRate, separator));
    visit("contacts", TextOf(row.contacts, separator));
    visit("result", row.result);
    visit("error", error);
}

std::string ErrorOf(const ResultRow& row, char decimalSeparator, RefusalWording wording) {
    return row.refusal ? wording(*row.refusal, decimalSeparator) : std::string();
}

}  // namespace

void AppendCsvField(std::string& out, std::string_view field, char delimiter) {
    if (!NeedsQuotes(field, delimiter)) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

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

char CsvDelimiter(char decimalSeparator) {
    return decimalSeparator == ',' ? ';' : ',';
}

std::string CsvHeader(char decimalSeparator) {
    const char delimiter = CsvDelimiter(decimalSeparator);
    std::string header;
    ForEachColumn(ResultRow{}, decimalSeparator, {}, [&](std::string_view name, std::string_view) {
        if (!header.empty()) header += delimiter;
        header += name;
    });
    return header + '\n';
}

void AppendCsv(std::string& out, const ResultRow& row, char decimalSeparator,
               RefusalWording wording) {
    const char delimiter = CsvDelimiter(decimalSeparator);
    bool first = true;
    const std::string error = ErrorOf(row, decimalSeparator, wording);
    ForEachColumn(row, decimalSeparator, error, [&](std::string_view, std::string_view text) {
        if (!first) out += delimiter;
        first = false;
        AppendCsvField(out, text, delimiter);
    });
    out += '\n';
}

void AppendJson(std::string& out, const ResultRow& row, char decimalSeparator,
                RefusalWording wording) {
    out += '{';
    bool first = true;
    const std::string error = ErrorOf(row, decimalSeparator, wording);
    ForEachColumn(row, decimalSeparator, error, [&](std::string_view name, std::string_view text) {
        if (name == "contacts" && text.empty()) return;
        if (!first) out += ',';
        first = false;
        out += JsonString(name);
        out += ':';
        out += JsonString(text);
    });
    out += '}';
}

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace vek::planning
