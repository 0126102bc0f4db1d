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
        const auto waiting = static_cast<std::int64_t>(recordEnds_.size() - taken_);
        refusal_ = InputRefusal{problem, line_ + waiting + 1, std::string()};
    }
    return false;
}

// The callbacks run inside libcsv, a C library: no exception may pass through it, so they note
// the first problem and Feed refuses it afterwards.
void CsvReader::OnField(void* text, std::size_t length, void* data) {
    auto& reader = *static_cast<CsvReader*>(data);
    if (reader.problem_) return;
    reader.currentBytes_ += length + 1;
    if (reader.FieldsOfCurrentRecord() == kMaxFields) {
        reader.problem_ = InputProblem::TooManyFields;
    } else if (reader.currentBytes_ > reader.limits_.recordBytes) {
        reader.problem_ = InputProblem::RecordTooLong;
    } else if (std::memchr(text, '\0', length) != nullptr) {
        reader.problem_ = InputProblem::NulByte;
    } else {
        reader.bytes_.append(static_cast<const char*>(text), length);
        reader.fieldEnds_.push_back(reader.bytes_.size());
    }
}

std::size_t CsvReader::FieldsOfCurrentRecord() const {
    return fieldEnds_.size() - (recordEnds_.empty() ? 0 : recordEnds_.back());
}

void CsvReader::OnRecord(int, void* data) {
    auto& reader = *static_cast<CsvReader*>(data);
    if (reader.problem_) return;
    reader.recordEnds_.push_back(reader.fieldEnds_.size());
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

// Once every complete record is taken, only the fields of the record being read are kept, moved
// to the front.
void CsvReader::DropTakenRecords() {
    if (recordEnds_.empty()) return;
    const std::size_t fields = recordEnds_.back();
    const std::size_t bytes = fields == 0 ? 0 : fieldEnds_[fields - 1];
    bytes_.erase(0, bytes);
    fieldEnds_.erase(fieldEnds_.begin(), fieldEnds_.begin() + static_cast<std::ptrdiff_t>(fields));
    for (std::size_t& end : fieldEnds_)
        end -= bytes;
    recordEnds_.clear();
    taken_ = 0;
}

bool CsvReader::Next(std::vector<std::string>& fields) {
    std::vector<std::string_view> views;
    if (!Next(views)) return false;
    fields.assign(views.begin(), views.end());
    return true;
}

bool CsvReader::Next(std::vector<std::string_view>& fields) {
    if (taken_ == recordEnds_.size()) DropTakenRecords();
    while (recordEnds_.empty() && !ended_ && !refusal_) {
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
    if (refusal_ || taken_ == recordEnds_.size()) return false;
    const std::size_t first = taken_ == 0 ? 0 : recordEnds_[taken_ - 1];
    const std::size_t last = recordEnds_[taken_];
    fields.resize(last - first);
    for (std::size_t field = first; field < last; ++field) {
        const std::size_t start = field == 0 ? 0 : fieldEnds_[field - 1];
        fields[field - first] = std::string_view(bytes_).substr(start, fieldEnds_[field] - start);
    }
    ++taken_;
    ++line_;
    return true;
}

}  // namespace vek::planning
