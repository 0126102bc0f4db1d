// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/table.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vek::planning {

namespace {

// The stored values in the order vek-calc prints them: prob next to its partner Z.
constexpr std::array<Field, 6> kPrintOrder = {Field::V, Field::Z, Field::prob,
                                              Field::E, Field::n, Field::N};

// One pass over the field: find_first_of with a set searches the set for every character.
bool NeedsQuotes(std::string_view field, char delimiter) {
    return std::any_of(field.begin(), field.end(), [delimiter](char c) {
        return c == delimiter || c == '"' || c == '\r' || c == '\n';
    });
}

// Header names and row texts in the same order, so that each name appears once.
template <class Visit>
void ForEachColumn(const ResultRow& row, const std::string& error, Visit visit) {
    visit("row", std::to_string(row.row));
    for (const Field field : kPrintOrder)
        visit(SymbolOf(field), row.values[field]);
    visit("dependent", row.dependent);
    visit("population", row.population);
    visit("deff", row.designEffect);
    visit("response_rate", row.responseRate);
    visit("contacts", row.contacts);
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
    const char separator = session.separator();
    for (const Field field : kFields)
        result.values[field] = QuantityToText(QuantityOf(session.state(), field), separator);
    const auto dependent = DependentFields(session.state().DependentVariable);
    if (!dependent.empty()) result.dependent = SymbolOf(dependent.front());
    result.population = session.population() == Population::Finite ? "finite" : "infinite";
    result.designEffect = QuantityToText(session.design().designEffect, separator);
    result.responseRate = QuantityToText(session.design().responseRate, separator);
    if (!refusal) {
        result.result = session.ResultText();
        if (const std::optional<Quantity> contacts = session.Contacts()) {
            result.contacts = QuantityToText(*contacts, separator);
        }
    }
    result.refusal = std::move(refusal);
    return result;
}

bool Failed(const ResultRow& row) {
    return row.refusal || row.result == kInputErrorText || row.result == kBadResultText;
}

char CsvDelimiter(char decimalSeparator) {
    return decimalSeparator == ',' ? ';' : ',';
}

std::string CsvHeader(char decimalSeparator) {
    const char delimiter = CsvDelimiter(decimalSeparator);
    std::string header;
    ForEachColumn(ResultRow{}, {}, [&](std::string_view name, const std::string&) {
        if (!header.empty()) header += delimiter;
        header += name;
    });
    return header + '\n';
}

void AppendCsv(std::string& out, const ResultRow& row, char decimalSeparator,
               RefusalWording wording) {
    const char delimiter = CsvDelimiter(decimalSeparator);
    bool first = true;
    ForEachColumn(row, ErrorOf(row, decimalSeparator, wording),
                  [&](std::string_view, const std::string& text) {
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
    ForEachColumn(row, ErrorOf(row, decimalSeparator, wording),
                  [&](std::string_view name, const std::string& text) {
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
