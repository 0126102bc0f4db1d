// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tables.h"

#include <algorithm>
#include <deque>
#include <future>
#include <optional>
#include <span>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "cli/english.h"
#include "cli/errors.h"
#include "cli/refusal_text.h"
#include "planning/batch.h"

namespace vek::cli {

namespace {

constexpr std::int64_t kRowsPerChunk = 8192;

struct Chunk {
    // Room for `rows` at once in `text`, a written chunk's: grown a row at a time, the text would
    // be copied many times, and fresh memory costs a page fault every 4 KiB.
    Chunk(std::size_t rows, std::string written) : text(std::move(written)) {
        text.clear();
        text.reserve(rows * kBytesPerRow);
    }

    static constexpr std::size_t kBytesPerRow = 128;
    std::string text;
    bool failed = false;
};

// Writes the rows of a table as they come, in order. The header waits for the first rows, so
// that input refused before any row is computed leaves standard output empty.
class TableWriter {
public:
    TableWriter(TableFormat format, char separator, std::FILE* out)
        : format_(format), separator_(separator), out_(out) {}

    void Append(Chunk& chunk, const planning::ResultRow& row) const {
        chunk.failed = chunk.failed || row.failed;
        switch (format_) {
            case TableFormat::Csv:
                planning::AppendCsv(chunk.text, row, separator_, InEnglish);
                return;
            case TableFormat::JsonArray:
                if (!chunk.text.empty()) chunk.text += ",\n";
                planning::AppendJson(chunk.text, row, separator_, InEnglish);
                return;
            case TableFormat::JsonLines:
                planning::AppendJson(chunk.text, row, separator_, InEnglish);
                chunk.text += '\n';
                return;
        }
    }

    void Write(const Chunk& chunk) {
        if (chunk.text.empty()) return;
        Start();
        if (format_ == TableFormat::JsonArray && wroteRows_) Put(",\n");
        Put(chunk.text);
        wroteRows_ = true;
        failed_ = failed_ || chunk.failed;
    }

    // Returns whether any row failed.
    bool Finish() {
        Start();
        if (format_ == TableFormat::JsonArray) Put(wroteRows_ ? "\n]\n" : "]\n");
        if (std::fflush(out_) != 0) throw UsageError("cannot write on stdout");
        return failed_;
    }

private:
    void Start() {
        if (started_) return;
        started_ = true;
        if (format_ == TableFormat::Csv) Put(planning::CsvHeader(separator_));
        if (format_ == TableFormat::JsonArray) Put("[\n");
    }

    void Put(std::string_view text) {
        if (std::fwrite(text.data(), 1, text.size(), out_) != text.size()) {
            throw UsageError("cannot write on stdout");
        }
    }

    TableFormat format_;
    char separator_;
    std::FILE* out_;
    bool started_ = false;
    bool wroteRows_ = false;
    bool failed_ = false;
};

// Runs `work` on each chunk that `next` gives, on worker threads, and writes the results in the
// chunks' order; a few chunks at most are in flight, so memory does not grow with the input.
// Each chunk's text is written into the buffer of one written before.
template <class Input, class Next, class Work>
void InOrder(Next next, Work work, TableWriter& writer) {
    const std::size_t inFlight = std::size_t{2} * std::max(1U, std::thread::hardware_concurrency());
    std::deque<std::future<Chunk>> pending;
    std::string written;
    while (std::optional<Input> input = next()) {
        if (pending.size() == inFlight) {
            Chunk chunk = pending.front().get();
            writer.Write(chunk);
            written = std::move(chunk.text);
            pending.pop_front();
        }
        pending.push_back(std::async(
            std::launch::async,
            [&work, input = std::move(*input), buffer = std::exchange(written, {})]() mutable {
                return work(input, std::move(buffer));
            }));
    }
    for (auto& chunk : pending)
        writer.Write(chunk.get());
}

}  // namespace

bool WriteSweeps(const ScreenSession& base, std::span<const planning::Sweep> sweeps,
                 TableFormat format, std::FILE* out) {
    TableWriter writer(format, base.separator(), out);
    const std::int64_t points = planning::GridSize(sweeps);
    std::int64_t next = 0;
    InOrder<std::int64_t>(
        [&]() -> std::optional<std::int64_t> {
            if (next >= points) return std::nullopt;
            const std::int64_t first = next;
            next = std::min(points, next + kRowsPerChunk);
            return first;
        },
        [&](std::int64_t first, std::string buffer) {
            const std::int64_t last = std::min(points, first + kRowsPerChunk);
            Chunk chunk(static_cast<std::size_t>(last - first), std::move(buffer));
            for (std::int64_t index = first; index < last; ++index)
                writer.Append(chunk, planning::GridPoint(base, sweeps, index));
            return chunk;
        },
        writer);
    return writer.Finish();
}

// A chunk of a batch's records as they travel to a worker: every field in one vector, so that
// thousands of records cost the reading thread a few allocations.
struct BatchChunk {
    std::int64_t firstLine = 0;
    std::vector<std::string> fields;
    std::vector<std::size_t> fieldCounts;  // one a record
};

bool WriteBatch(const ScreenSession& base, std::FILE* in, TableFormat format, std::FILE* out) {
    planning::CsvReader reader(in, planning::CsvDelimiter(base.separator()));
    const auto refused = [](const planning::InputRefusal& refusal) {
        return UsageError(RefusalText(refusal, "batch"));
    };
    auto header = planning::BatchColumns::Read(reader);
    if (const auto* refusal = std::get_if<planning::InputRefusal>(&header)) throw refused(*refusal);
    const auto& columns = std::get<planning::BatchColumns>(header);
    TableWriter writer(format, base.separator(), out);
    std::vector<std::string_view> fields;
    InOrder<BatchChunk>(
        [&]() -> std::optional<BatchChunk> {
            BatchChunk chunk;
            chunk.firstLine = reader.line() + 1;
            chunk.fieldCounts.reserve(kRowsPerChunk);
            while (static_cast<std::int64_t>(chunk.fieldCounts.size()) < kRowsPerChunk &&
                   reader.Next(fields)) {
                if (chunk.fields.empty()) chunk.fields.reserve(kRowsPerChunk * fields.size());
                chunk.fields.insert(chunk.fields.end(), fields.begin(), fields.end());
                chunk.fieldCounts.push_back(fields.size());
            }
            if (reader.refusal()) throw refused(*reader.refusal());
            if (chunk.fieldCounts.empty()) return std::nullopt;
            return chunk;
        },
        [&](const BatchChunk& records, std::string buffer) {
            Chunk chunk(records.fieldCounts.size(), std::move(buffer));
            planning::BatchRecord record{records.firstLine, {}};
            std::span<const std::string> rest = records.fields;
            for (const std::size_t count : records.fieldCounts) {
                record.fields = rest.first(count);
                rest = rest.subspan(count);
                auto row = columns.Row(base, record);
                if (const auto* refusal = std::get_if<planning::InputRefusal>(&row)) {
                    throw refused(*refusal);
                }
                writer.Append(chunk, std::get<planning::ResultRow>(row));
                ++record.line;
            }
            return chunk;
        },
        writer);
    return writer.Finish();
}

}  // namespace vek::cli
