// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_reader.h"

#include <cstring>

#include "cli/errors.h"

namespace vek::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// RFC 4180 keeps blanks around a field as part of it: nothing is trimmed.
int NoSpaces(unsigned char) {
    return 0;
}

std::string RecordOver(std::size_t bytes) {
    constexpr std::size_t kKiB = 1024;
    return "a record over " + (bytes % kKiB == 0 ? std::to_string(bytes / kKiB) + " KiB"
                                                 : std::to_string(bytes) + " bytes");
}

}  // namespace

CsvReader::CsvReader(std::FILE* file, char delimiter, CsvLimits limits)
    : file_(file),
      limits_(limits),
      recordTooLong_(RecordOver(limits.recordBytes)),
      block_(std::make_unique_for_overwrite<char[]>(limits.blockBytes)) {
    csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&parser_, static_cast<unsigned char>(delimiter));
    csv_set_space_func(&parser_, NoSpaces);
    // libcsv grows a field's buffer by 128 bytes at a time by default: a field near the bound
    // would be copied hundreds of times.
    csv_set_blk_size(&parser_, limits.recordBytes / 4);
}

CsvReader::~CsvReader() {
    csv_free(&parser_);
}

void CsvReader::Refuse(const std::string& why) const {
    throw UsageError("line " +
                     std::to_string(line_ + static_cast<std::int64_t>(ready_.size()) + 1) + ": " +
                     why);
}

// The callbacks run inside libcsv, a C library: no exception may pass through it, so they note
// the first problem and Feed throws it afterwards.
void CsvReader::OnField(void* text, std::size_t length, void* data) {
    auto& reader = *static_cast<CsvReader*>(data);
    if (!reader.problem_.empty()) return;
    reader.currentBytes_ += length + 1;
    if (reader.current_.size() == kMaxFields) {
        reader.problem_ = "more than 32 fields";
    } else if (reader.currentBytes_ > reader.limits_.recordBytes) {
        reader.problem_ = reader.recordTooLong_;
    } else if (std::memchr(text, '\0', length) != nullptr) {
        reader.problem_ = "a NUL byte in a field";
    } else {
        reader.current_.emplace_back(static_cast<const char*>(text), length);
    }
}

void CsvReader::OnRecord(int, void* data) {
    auto& reader = *static_cast<CsvReader*>(data);
    if (!reader.problem_.empty()) return;
    reader.ready_.push_back(std::move(reader.current_));
    reader.current_.clear();
    reader.currentBytes_ = 0;
}

void CsvReader::Feed(const char* bytes, std::size_t length) {
    const std::size_t parsed = csv_parse(&parser_, bytes, length, OnField, OnRecord, this);
    if (!problem_.empty()) Refuse(problem_);
    if (parsed != length) {
        Refuse(csv_error(&parser_) == CSV_EPARSE ? "a quote inside an unquoted field"
                                                 : csv_strerror(csv_error(&parser_)));
    }
    // The field being read is held by libcsv until it ends: a long one is refused here, before
    // it can grow with the input.
    if (currentBytes_ + csv_get_buffer_size(&parser_) > 2 * limits_.recordBytes) {
        Refuse(recordTooLong_);
    }
}

bool CsvReader::Next(std::vector<std::string>& fields) {
    while (ready_.empty() && !ended_) {
        const std::size_t read = std::fread(block_.get(), 1, limits_.blockBytes, file_);
        if (std::ferror(file_)) throw UsageError("cannot read the batch input");
        std::string_view bytes(block_.get(), read);
        if (atStart_ && !bytes.empty()) {
            if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
            atStart_ = false;
        }
        Feed(bytes.data(), bytes.size());
        if (read == 0) {
            ended_ = true;
            if (csv_fini(&parser_, OnField, OnRecord, this) != 0) Refuse("an unterminated quote");
            if (!problem_.empty()) Refuse(problem_);
        }
    }
    if (ready_.empty()) return false;
    fields = std::move(ready_.front());
    ready_.pop_front();
    ++line_;
    return true;
}

}  // namespace vek::cli
