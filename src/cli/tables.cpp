// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tables.h"

#include <algorithm>
#include <deque>
#include <future>
#include <optional>
#include <thread>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/english.h"
#include "cli/errors.h"
#include "planning/table.h"

namespace vek::cli {

namespace {

constexpr std::int64_t kRowsPerChunk = 8192;

struct Chunk {
    // Room for a chunk's rows at once: grown a row at a time, the text is copied many times.
    explicit Chunk(std::size_t rows) { text.reserve(rows * kBytesPerRow); }

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
        chunk.failed = chunk.failed || planning::Failed(row);
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
template <class Input, class Next, class Work>
void InOrder(Next next, Work work, TableWriter& writer) {
    const std::size_t inFlight = std::size_t{2} * std::max(1U, std::thread::hardware_concurrency());
    std::deque<std::future<Chunk>> pending;
    while (std::optional<Input> input = next()) {
        if (pending.size() == inFlight) {
            writer.Write(pending.front().get());
            pending.pop_front();
        }
        pending.push_back(std::async(std::launch::async,
                                     [&work, input = std::move(*input)] { return work(input); }));
    }
    for (auto& chunk : pending)
        writer.Write(chunk.get());
}

// ---- Batches -------------------------------------------------------------------------------

// A column of the batch file: a value entered as NAME=TEXT is, or one of the two choices.
struct Column {
    enum class Kind { Value, Population, Dependent } kind = Kind::Value;
    planning::Variable variable = planning::Variable::V;
};

std::vector<Column> ColumnsOf(const std::vector<std::string>& header) {
    std::vector<Column> columns;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string& name = header[i];
        if (std::find(header.begin(), header.begin() + static_cast<std::ptrdiff_t>(i), name) !=
            header.begin() + static_cast<std::ptrdiff_t>(i)) {
            throw UsageError("line 1: the column '" + name + "' is given twice");
        }
        if (name == "population") {
            columns.push_back({Column::Kind::Population});
        } else if (name == "dependent") {
            columns.push_back({Column::Kind::Dependent});
        } else if (const auto variable = planning::VariableNamed(name);
                   variable && *variable != planning::Variable::contacts) {
            columns.push_back({Column::Kind::Value, *variable});
        } else {
            throw UsageError("line 1: unknown column '" + name + "'");
        }
    }
    return columns;
}

struct Record {
    std::int64_t line = 0;
    std::vector<std::string> fields;
};

class BatchRow {
public:
    BatchRow(ScreenSession& session, const std::vector<Column>& columns, const Record& record)
        : session_(session), columns_(columns), record_(record) {}

    // The first entry refused, or nothing when every cell was entered.
    std::optional<planning::Refusal> Enter() {
        if (record_.fields.size() > columns_.size()) {
            throw UsageError("line " + std::to_string(record_.line) +
                             ": more fields than the header has columns");
        }
        if (!Cell(planning::Variable::deff).empty() && !Cell(planning::Variable::icc).empty()) {
            throw UsageError("line " + std::to_string(record_.line) +
                             ": deff and icc cannot both give the design effect");
        }
        if (auto refusal = Choose(Column::Kind::Population)) return refusal;
        if (auto refusal = Choose(Column::Kind::Dependent)) return refusal;
        for (std::size_t i = 0; i < record_.fields.size(); ++i) {
            if (auto refusal = EnterValue(columns_[i], record_.fields[i])) return refusal;
        }
        return std::nullopt;
    }

private:
    std::string_view Cell(planning::Variable variable) const {
        for (std::size_t i = 0; i < record_.fields.size(); ++i) {
            if (columns_[i].kind == Column::Kind::Value && columns_[i].variable == variable) {
                return record_.fields[i];
            }
        }
        return {};
    }

    std::string_view Cell(Column::Kind kind) const {
        for (std::size_t i = 0; i < record_.fields.size(); ++i) {
            if (columns_[i].kind == kind) return record_.fields[i];
        }
        return {};
    }

    std::optional<planning::Refusal> Choose(Column::Kind kind) const {
        const std::string_view text = Cell(kind);
        if (text.empty()) return std::nullopt;
        const auto refused = [text](planning::Reason reason) {
            return planning::Refusal{reason, std::nullopt, std::string(text)};
        };
        if (kind == Column::Kind::Population) {
            if (text != "finite" && text != "infinite") {
                return refused(planning::Reason::NotAPopulation);
            }
            session_.ChoosePopulation(text == "finite" ? Population::Finite : Population::Infinite);
            return std::nullopt;
        }
        const std::optional<Field> dependent = planning::DependentFieldNamed(text);
        if (!dependent) return refused(planning::Reason::NotADependent);
        if (!session_.ChooseDependentVariable(CodeOf(*dependent))) {
            return refused(planning::Reason::DependentNeedsFinite);
        }
        return std::nullopt;
    }

    std::optional<planning::Refusal> EnterValue(const Column& column,
                                                const std::string& text) const {
        if (column.kind != Column::Kind::Value || text.empty()) return std::nullopt;
        planning::Entry entry;
        if (column.variable == planning::Variable::icc) return std::nullopt;
        if (column.variable == planning::Variable::cluster_size) {
            const std::string_view correlation = Cell(planning::Variable::icc);
            if (correlation.empty()) {
                return planning::Refusal{planning::Reason::Unpaired,
                                         planning::Variable::cluster_size, text};
            }
            entry = planning::EnterClusters(session_, correlation, text);
        } else {
            entry = planning::Enter(session_, column.variable, text);
        }
        return std::move(entry.refusal);
    }

    ScreenSession& session_;
    const std::vector<Column>& columns_;
    const Record& record_;
};

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
        [&](std::int64_t first) {
            const std::int64_t last = std::min(points, first + kRowsPerChunk);
            Chunk chunk(static_cast<std::size_t>(last - first));
            for (std::int64_t index = first; index < last; ++index)
                writer.Append(chunk, planning::GridPoint(base, sweeps, index));
            return chunk;
        },
        writer);
    return writer.Finish();
}

bool WriteBatch(const ScreenSession& base, std::FILE* in, TableFormat format, std::FILE* out) {
    CsvReader reader(in, planning::CsvDelimiter(base.separator()));
    std::vector<std::string> header;
    if (!reader.Next(header)) throw UsageError("the batch input has no header line");
    const std::vector<Column> columns = ColumnsOf(header);
    if (columns.empty()) throw UsageError("line 1: no columns");
    TableWriter writer(format, base.separator(), out);
    InOrder<std::vector<Record>>(
        [&]() -> std::optional<std::vector<Record>> {
            std::vector<Record> records;
            Record record;
            while (static_cast<std::int64_t>(records.size()) < kRowsPerChunk &&
                   reader.Next(record.fields)) {
                record.line = reader.line();
                records.push_back(std::move(record));
                record = Record{};
            }
            if (records.empty()) return std::nullopt;
            return records;
        },
        [&](const std::vector<Record>& records) {
            Chunk chunk(records.size());
            for (const Record& record : records) {
                ScreenSession session = base;
                std::optional<planning::Refusal> refusal =
                    BatchRow(session, columns, record).Enter();
                if (!refusal) session.RecalculateDependent();
                writer.Append(chunk, planning::RowOf(session, record.line - 1, std::move(refusal)));
            }
            return chunk;
        },
        writer);
    return writer.Finish();
}

}  // namespace vek::cli
