// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/csv_reader.h"

#include <cstring>
#include <new>

namespace vek::planning {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// RFC 4180 keeps blanks around a field as part of it: nothing is trimmed.
int NoSpaces(unsigned char) {
    return 0;
}

}  // namespace

CsvReader::CsvReader(std::FILE* file, char delimiter, CsvLimits limits)
    : CsvReader(std::string_view(), delimiter, limits) {
    file_ = file;
    block_ = std::make_unique_for_overwrite<char[]>(limits.blockBytes);
}

CsvReader::CsvReader(std::string_view text, char delimiter, CsvLimits limits)
    : text_(text), limits_(limits) {
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

bool CsvReader::Refuse(InputProblem problem) {
    if (!refusal_) {
        refusal_ = InputRefusal{problem, line_ + static_cast<std::int64_t>(ready_.size()) + 1,
                                std::string()};
    }
    return false;
}

// The callbacks run inside libcsv, a C library: no exception may pass through it, so they note
// the first problem and Feed refuses it afterwards.
void CsvReader::OnField(void* text, std::size_t length, void* data) {
    auto& reader = *static_cast<CsvReader*>(data);
    if (reader.problem_) return;
    reader.currentBytes_ += length + 1;
    if (reader.current_.size() == kMaxFields) {
        reader.problem_ = InputProblem::TooManyFields;
    } else if (reader.currentBytes_ > reader.limits_.recordBytes) {
        reader.problem_ = InputProblem::RecordTooLong;
    } else if (std::memchr(text, '\0', length) != nullptr) {
        reader.problem_ = InputProblem::NulByte;
    } else {
        reader.current_.emplace_back(static_cast<const char*>(text), length);
    }
}

void CsvReader::OnRecord(int, void* data) {
    auto& reader = *static_cast<CsvReader*>(data);
    if (reader.problem_) return;
    reader.ready_.push_back(std::move(reader.current_));
    reader.current_.clear();
    reader.currentBytes_ = 0;
}

bool CsvReader::Feed(std::string_view bytes) {
    const std::size_t parsed =
        csv_parse(&parser_, bytes.data(), bytes.size(), OnField, OnRecord, this);
    if (problem_) return Refuse(*problem_);
    if (parsed != bytes.size()) {
        switch (csv_error(&parser_)) {
            case CSV_EPARSE:
                return Refuse(InputProblem::QuoteInUnquoted);
            case CSV_ENOMEM:
                throw std::bad_alloc();
            default:  // CSV_ETOOBIG: a field beyond what libcsv can hold
                return Refuse(InputProblem::RecordTooLong);
        }
    }
    // The field being read is held by libcsv until it ends: a long one is refused here, before
    // it can grow with the input.
    if (currentBytes_ + csv_get_buffer_size(&parser_) > 2 * limits_.recordBytes) {
        return Refuse(InputProblem::RecordTooLong);
    }
    return true;
}

std::optional<std::string_view> CsvReader::ReadBlock() {
    if (file_ == nullptr) {
        const std::string_view block = text_.substr(0, limits_.blockBytes);
        text_.remove_prefix(block.size());
        return block;
    }
    const std::size_t read = std::fread(block_.get(), 1, limits_.blockBytes, file_);
    if (std::ferror(file_)) return std::nullopt;
    return std::string_view(block_.get(), read);
}

bool CsvReader::Next(std::vector<std::string>& fields) {
    while (ready_.empty() && !ended_ && !refusal_) {
        const std::optional<std::string_view> read = ReadBlock();
        if (!read) {
            refusal_ = InputRefusal{InputProblem::Unreadable, 0, std::string()};
            break;
        }
        std::string_view bytes = *read;
        if (atStart_ && !bytes.empty()) {
            if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
            atStart_ = false;
        }
        if (!Feed(bytes)) break;
        if (read->empty()) {
            ended_ = true;
            if (csv_fini(&parser_, OnField, OnRecord, this) != 0) {
                Refuse(InputProblem::UnterminatedQuote);
            } else if (problem_) {
                Refuse(*problem_);
            }
        }
    }
    if (refusal_ || ready_.empty()) return false;
    fields = std::move(ready_.front());
    ready_.pop_front();
    ++line_;
    return true;
}

}  // namespace vek::planning
