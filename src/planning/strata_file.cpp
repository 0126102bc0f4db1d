// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/strata_file.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "planning/table.h"

namespace vek::planning {

namespace {

// What Windows-1252 puts at 0x80 … 0x9F; the five bytes it leaves undefined stay the C1 controls
// of the same number, as Windows itself decodes them. From 0xA0 on it is Latin-1.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr unsigned char kFirstHigh = 0x80;
constexpr unsigned char kFirstLatin1 = 0xA0;

// The length of the UTF-8 sequence at `at`, or 0 where it is not one: overlong forms, surrogates
// and code points beyond U+10FFFF are not.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0U;
    };
    const auto continuation = [&](std::size_t i) { return (byte(i) & 0xC0U) == 0x80U; };
    const unsigned lead = byte(at);
    if (lead < 0x80U) return 1;
    if (lead >= 0xC2U && lead <= 0xDFU) return continuation(at + 1) ? 2 : 0;
    if (lead >= 0xE0U && lead <= 0xEFU) {
        const unsigned second = byte(at + 1);
        const bool inRange =
            (lead != 0xE0U || second >= 0xA0U) && (lead != 0xEDU || second < 0xA0U);
        return inRange && continuation(at + 1) && continuation(at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0U && lead <= 0xF4U) {
        const unsigned second = byte(at + 1);
        const bool inRange =
            (lead != 0xF0U || second >= 0x90U) && (lead != 0xF4U || second < 0x90U);
        return inRange && continuation(at + 1) && continuation(at + 2) && continuation(at + 3) ? 4
                                                                                               : 0;
    }
    return 0;
}

bool IsUtf8(std::string_view text) {
    // Most cells are ASCII: one pass that the compiler vectorises settles them.
    unsigned char bits = 0;
    for (const char c : text)
        bits |= static_cast<unsigned char>(c);
    if (bits < kFirstHigh) return true;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = SequenceLength(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t c) {
    constexpr unsigned kSixBits = 0x3F;
    if (c < 0x800) {
        out += static_cast<char>(0xC0U | (c >> 6U));
    } else {
        out += static_cast<char>(0xE0U | (c >> 12U));
        out += static_cast<char>(0x80U | ((c >> 6U) & kSixBits));
    }
    out += static_cast<char>(0x80U | (c & kSixBits));
}

std::string FromWindows1252(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < kFirstHigh) {
            utf8 += c;
        } else {
            AppendUtf8(utf8, byte < kFirstLatin1 ? kWindows1252High[byte - kFirstHigh] : byte);
        }
    }
    return utf8;
}

InputRefusal HeaderRefusal(InputProblem problem, std::string text = {}) {
    return {problem, 1, std::move(text)};
}

std::variant<std::vector<StrataColumn>, InputRefusal> ColumnsOf(
    const std::vector<std::string>& header) {
    std::vector<StrataColumn> columns;
    const auto has = [&](StrataColumn column) {
        return std::find(columns.begin(), columns.end(), column) != columns.end();
    };
    for (const std::string& name : header) {
        const std::optional<StrataColumn> column = StrataColumnNamed(name);
        if (!column) return HeaderRefusal(InputProblem::UnknownColumn, name);
        if (has(*column)) return HeaderRefusal(InputProblem::ColumnTwice, name);
        columns.push_back(*column);
    }
    if (!has(StrataColumn::Name)) return HeaderRefusal(InputProblem::NoNameColumn);
    if (!has(StrataColumn::N)) return HeaderRefusal(InputProblem::NoSizeColumn);
    if (!has(StrataColumn::V) && !has(StrataColumn::p)) {
        return HeaderRefusal(InputProblem::NoVarianceColumn);
    }
    return columns;
}

constexpr std::array<std::string_view, 14> kOutputColumns = {
    "stratum", "N",   "V", "deff",  "S", "cost",     "response_rate",
    "min",     "max", "n", "share", "E", "contacts", "allocated_cost"};

// Visits the cells of each stratum's row, then of the total's, in the columns' order; `end`
// closes each row.
template <class Cell, class End>
void ForEachRow(const StratifiedDesign& design, char separator, Cell cell, End end) {
    const auto text = [separator](Quantity q) { return QuantityToText(q, separator); };
    for (std::size_t h = 0; h < design.strata.size(); ++h) {
        const Stratum& stratum = design.strata[h];
        const StratumResult& result = design.results[h];
        cell(0, stratum.name);
        cell(1, std::to_string(stratum.size));
        cell(2, text(stratum.variance));
        cell(3, text(stratum.designEffect));
        cell(4, text(stratum.deviation));
        cell(5, text(stratum.cost));
        cell(6, text(stratum.responseRate));
        cell(7, std::to_string(stratum.minimum));
        cell(8, std::to_string(stratum.maximum));
        cell(9, std::to_string(result.n));
        cell(10, text(result.share));
        cell(11, text(result.error));
        cell(12, text(result.contacts));
        cell(13, text(result.cost));
        end();
    }
    cell(0, "total");
    cell(1, std::to_string(design.size));
    for (std::size_t c = 2; c <= 6; ++c)
        cell(c, "");
    cell(7, std::to_string(design.minimum));
    cell(8, std::to_string(design.maximum));
    cell(9, std::to_string(design.total));
    cell(10, "1");
    cell(11, text(design.error));
    cell(12, text(design.contacts));
    cell(13, text(design.cost));
    end();
}

// Room for every row at once: grown a row at a time, the text is copied many times.
constexpr std::size_t kBytesPerRow = 160;

}  // namespace

std::variant<StrataTable, InputRefusal> ReadStrataTable(CsvReader& reader) {
    std::vector<std::string> header;
    if (!reader.Next(header)) {
        if (reader.refusal()) return *reader.refusal();
        return InputRefusal{InputProblem::NoHeader, 0, {}};
    }
    // The column names are ASCII, the same in either encoding; a name that is none of them is
    // told in the encoding its own bytes have.
    auto columns = ColumnsOf(header);
    if (auto* refusal = std::get_if<InputRefusal>(&columns)) {
        if (!IsUtf8(refusal->text)) refusal->text = FromWindows1252(refusal->text);
        return std::move(*refusal);
    }
    StrataTable table;
    table.columns = std::get<std::vector<StrataColumn>>(std::move(columns));
    bool utf8 = true;
    std::vector<std::string> fields;
    while (std::ssize(table.rows) <= kMaxStrata && reader.Next(fields)) {
        if (fields.size() > table.columns.size()) {
            return InputRefusal{InputProblem::MoreFieldsThanColumns, reader.line(), {}};
        }
        StratumText& row = table.rows.emplace_back();
        for (std::size_t c = 0; c < fields.size(); ++c) {
            utf8 = utf8 && IsUtf8(fields[c]);
            row[table.columns[c]] = std::move(fields[c]);
        }
        table.lines.push_back(reader.line());
    }
    if (reader.refusal()) return *reader.refusal();
    // The whole file is Windows-1252 when any of it is not UTF-8.
    if (!utf8) {
        for (StratumText& row : table.rows) {
            for (const StrataColumn column : table.columns)
                row[column] = FromWindows1252(row[column]);
        }
    }
    return table;
}

std::vector<StrataColumn> FilledColumns(std::span<const StratumText> rows,
                                        AllocationMethod method) {
    const auto filled = [rows](StrataColumn column) {
        return std::any_of(rows.begin(), rows.end(),
                           [column](const StratumText& row) { return !row[column].empty(); });
    };
    std::vector<StrataColumn> columns;
    for (const StrataColumn column : kStrataColumns) {
        bool wanted = filled(column);
        switch (column) {
            case StrataColumn::Name:
            case StrataColumn::N:
                wanted = true;
                break;
            case StrataColumn::V:
                wanted = wanted || !filled(StrataColumn::p);
                break;
            case StrataColumn::n:
                wanted = method == AllocationMethod::Given;
                break;
            default:
                break;
        }
        if (wanted) columns.push_back(column);
    }
    return columns;
}

std::string StrataFileText(std::span<const StrataColumn> columns, std::span<const StratumText> rows,
                           char decimalSeparator) {
    const char delimiter = CsvDelimiter(decimalSeparator);
    std::string file;
    const auto line = [&](auto cell) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c > 0) file += delimiter;
            AppendCsvField(file, cell(columns[c]), delimiter);
        }
        file += '\n';
    };
    line([](StrataColumn column) { return NameOf(column); });
    for (const StratumText& row : rows)
        line([&row](StrataColumn column) -> std::string_view { return row[column]; });
    return file;
}

std::string WithHereDocument(std::string_view command, std::string_view file) {
    const auto isLine = [file](std::string_view word) {
        std::size_t at = 0;
        while (at < file.size()) {
            const std::size_t end = std::min(file.find('\n', at), file.size());
            if (file.substr(at, end - at) == word) return true;
            at = end + 1;
        }
        return false;
    };
    std::string end = "FIN";
    for (int tried = 1; isLine(end); ++tried)
        end = "FIN" + std::to_string(tried);
    std::string text = std::string(command) + " <<'" + end + "'\n" + std::string(file);
    if (!file.empty() && !file.ends_with('\n')) text += '\n';
    return text + end + "\n";
}

std::string StrataCsv(const StratifiedDesign& design, char decimalSeparator) {
    const char delimiter = CsvDelimiter(decimalSeparator);
    std::string csv;
    csv.reserve((design.strata.size() + 2) * kBytesPerRow);
    for (const std::string_view name : kOutputColumns) {
        if (!csv.empty()) csv += delimiter;
        csv += name;
    }
    csv += '\n';
    ForEachRow(
        design, decimalSeparator,
        [&](std::size_t column, std::string_view text) {
            // Only the name is text; a number never holds the delimiter, a quote or a line end.
            if (column > 0) {
                csv += delimiter;
                csv += text;
            } else {
                AppendCsvField(csv, text, delimiter);
            }
        },
        [&] { csv += '\n'; });
    return csv;
}

std::string StrataJsonLines(const StratifiedDesign& design, char decimalSeparator) {
    std::string json;
    json.reserve((design.strata.size() + 1) * 2 * kBytesPerRow);
    ForEachRow(
        design, decimalSeparator,
        [&](std::size_t column, std::string_view text) {
            json += column == 0 ? '{' : ',';
            json += JsonString(kOutputColumns[column]);
            json += ':';
            json += JsonString(text);
        },
        [&] { json += "}\n"; });
    return json;
}

}  // namespace vek::planning
