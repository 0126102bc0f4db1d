// SPDX-License-Identifier: GPL-3.0-or-later
// Records of a CSV stream (RFC 4180), read by libcsv a block at a time, so memory stays bounded
// whatever the input: a record over 64 KiB, more than 32 fields or an unterminated quote is
// refused, never an allocation that grows with the input.
#pragma once

#include <csv.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "planning/input_refusal.h"

namespace vek::planning {

inline constexpr std::size_t kMaxRecordBytes = std::size_t{64} * 1024;
inline constexpr std::size_t kMaxFields = 32;

// How much is read at a time and how long a record may be. vek-calc uses the defaults; the
// fuzzer uses small ones, which reach the same bounds with inputs a thousand times shorter.
struct CsvLimits {
    std::size_t blockBytes = std::size_t{64} * 1024;
    std::size_t recordBytes = kMaxRecordBytes;
};

class CsvReader {
public:
    // Reads `file` (not owned), or `text` (not copied: it outlives the reader), with `delimiter`
    // between fields. A UTF-8 byte-order mark is skipped; lines may end in LF or CR LF; empty
    // lines are not records.
    CsvReader(std::FILE* file, char delimiter, CsvLimits limits = {});
    CsvReader(std::string_view text, char delimiter, CsvLimits limits = {});
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // The next record's fields; false at the end and once a record or the input is refused.
    bool Next(std::vector<std::string>& fields);
    // The same fields without a copy, valid until the next call.
    bool Next(std::vector<std::string_view>& fields);
    // Why reading stopped before the end; nothing after a complete read.
    const std::optional<InputRefusal>& refusal() const { return refusal_; }

    // The number of the last record returned, the first being 1.
    std::int64_t line() const { return line_; }

private:
    static void OnField(void* text, std::size_t length, void* reader);
    static void OnRecord(int terminator, void* reader);
    std::optional<std::string_view> ReadBlock();
    bool Feed(std::string_view bytes);
    bool Refuse(InputProblem problem);
    std::size_t FieldsOfCurrentRecord() const;
    void DropTakenRecords();

    std::FILE* file_ = nullptr;
    std::string_view text_;  // what is left of an in-memory input
    CsvLimits limits_;
    std::unique_ptr<char[]> block_;  // a file is read into a block at a time, never cleared
    csv_parser parser_{};
    bool atStart_ = true;
    bool ended_ = false;
    std::int64_t line_ = 0;
    // The records read and not yet taken, then the fields of the record being read, one after
    // the other in one buffer: no allocation per field or record once the buffers have grown.
    std::string bytes_;
    std::vector<std::size_t> fieldEnds_;   // in bytes_
    std::vector<std::size_t> recordEnds_;  // in fieldEnds_, of every complete record
    std::size_t taken_ = 0;                // records of recordEnds_ already returned
    std::size_t currentBytes_ = 0;
    std::optional<InputProblem> problem_;  // noted inside libcsv's callbacks
    std::optional<InputRefusal> refusal_;
};

}  // namespace vek::planning
