// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a batch CSV stream, read to the end with ';' and with ',' between fields, by a
// reader with small limits (256-byte blocks, 1 KiB records), so that short inputs reach the
// bounds the program's 64 KiB ones guard. Every record the reader gives has 1 to 32 fields and
// at most the record bound of field bytes; a refusal names a line after every record given, and
// nothing escapes. The same bytes read from memory give the same records and refusal. Records read
// back the same when written again with every field quoted, and when empty lines move the input's
// middle onto a block boundary (a refusal then names the same line).
//
// An input starting with 0xFF or 0xFE (bytes no UTF-8 text has) is LEAD HEAD LEAD BODY: HEAD
// once, then BODY without its line ends repeated to just over the record bound, read once with
// ';' (0xFF) or ',' (0xFE).
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "planning/csv_reader.h"
#include "require.h"

namespace {

using Records = std::vector<std::vector<std::string>>;

constexpr vek::planning::CsvLimits kLimits{.blockBytes = 256, .recordBytes = 1024};
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Outcome {
    Records records;
    std::optional<vek::planning::InputRefusal> refusal;
};

Outcome ReadAll(vek::planning::CsvReader& reader) {
    Outcome outcome;
    std::vector<std::string> fields;
    while (reader.Next(fields)) {
        REQUIRE(!fields.empty() && fields.size() <= vek::planning::kMaxFields);
        std::size_t fieldBytes = 0;
        for (const std::string& field : fields)
            fieldBytes += field.size();
        REQUIRE(fieldBytes <= kLimits.recordBytes);
        outcome.records.push_back(fields);
        REQUIRE(reader.line() == static_cast<std::int64_t>(outcome.records.size()));
    }
    outcome.refusal = reader.refusal();
    // The refused record's number: after every record given.
    if (outcome.refusal) {
        REQUIRE(outcome.refusal->line > static_cast<std::int64_t>(outcome.records.size()));
    }
    return outcome;
}

Outcome Read(const std::string& bytes, char delimiter) {
    // fmemopen refuses an empty buffer with some C libraries; a lone newline is no record.
    std::string buffer = bytes.empty() ? std::string("\n") : bytes;
    std::FILE* file = fmemopen(buffer.data(), buffer.size(), "rb");
    REQUIRE(file != nullptr);
    Outcome outcome;
    {
        vek::planning::CsvReader reader(file, delimiter, kLimits);
        outcome = ReadAll(reader);
    }
    std::fclose(file);
    vek::planning::CsvReader inMemory(std::string_view(bytes), delimiter, kLimits);
    const Outcome fromMemory = ReadAll(inMemory);
    REQUIRE(fromMemory.records == outcome.records && fromMemory.refusal == outcome.refusal);
    return outcome;
}

// RFC 4180 with every field quoted and LF after each record.
std::string Written(const Records& records, char delimiter) {
    std::string out;
    for (const auto& fields : records) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) out += delimiter;
            out += '"';
            for (const char c : fields[i]) {
                if (c == '"') out += '"';
                out += c;
            }
            out += '"';
        }
        out += '\n';
    }
    return out;
}

std::string Expanded(std::string_view input) {
    const char lead = input.front();
    input.remove_prefix(1);
    const std::size_t mark = input.find(lead);
    const std::string_view head = mark == std::string_view::npos ? "" : input.substr(0, mark);
    const std::string_view body = mark == std::string_view::npos ? input : input.substr(mark + 1);
    // Line ends are dropped from BODY: one long record is what the bound is about, and thousands
    // of short repeated ones would only slow the search down.
    std::string repeated;
    for (const char c : body) {
        if (c != '\n' && c != '\r') repeated += c;
    }
    std::string bytes(head);
    if (repeated.empty() || bytes.size() > kLimits.recordBytes) return bytes;
    // Doubled rather than appended a copy at a time.
    const std::size_t copies = (kLimits.recordBytes - bytes.size()) / repeated.size() + 1;
    const std::size_t length = copies * repeated.size();
    while (repeated.size() < length)
        repeated += repeated;
    repeated.resize(length);
    return bytes + repeated;
}

void Check(const std::string& bytes, char delimiter) {
    const Outcome plain = Read(bytes, delimiter);
    if (!plain.refusal) {
        const Outcome again = Read(Written(plain.records, delimiter), delimiter);
        REQUIRE(!again.refusal);
        REQUIRE(again.records == plain.records);
    }
    // Empty lines are no records: they move the input's middle onto the end of a block without
    // changing what it says. The byte-order mark is skipped only at the very start.
    std::string_view text = bytes;
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::string shifted(kLimits.blockBytes - text.size() / 2 % kLimits.blockBytes, '\n');
    shifted.append(text);
    const Outcome moved = Read(shifted, delimiter);
    // The same record is refused; its reason may differ where it has two (too long, and a stray
    // quote), since which one is seen first depends on where the blocks end.
    REQUIRE(moved.refusal.has_value() == plain.refusal.has_value());
    if (plain.refusal) REQUIRE(moved.refusal->line == plain.refusal->line);
    if (!plain.refusal) REQUIRE(moved.records == plain.records);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.starts_with('\xFF') || input.starts_with('\xFE')) {
        Read(Expanded(input), input.front() == '\xFF' ? ';' : ',');
        return 0;
    }
    const std::string bytes(input);
    Check(bytes, ';');
    Check(bytes, ',');
    return 0;
}
