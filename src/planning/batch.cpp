// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/batch.h"

#include <algorithm>
#include <string_view>

namespace vek::planning {

namespace {

InputRefusal Refusal(InputProblem problem, std::int64_t line, std::string text = {}) {
    return {problem, line, std::move(text)};
}

}  // namespace

// One record entered into a session, cell by cell.
class BatchColumns::Applied {
public:
    Applied(const std::vector<Column>& columns, const BatchRecord& record)
        : columns_(columns), record_(record) {}

    std::string_view Cell(Variable variable) const {
        for (std::size_t i = 0; i < record_.fields.size(); ++i) {
            if (columns_[i].kind == Column::Kind::Value && columns_[i].variable == variable) {
                return record_.fields[i];
            }
        }
        return {};
    }

    // The first failing entry's message, or nothing when every cell was entered.
    std::optional<std::string> Enter(ScreenSession& session) const {
        if (std::optional<std::string> why = Choose(session, Column::Kind::Population)) return why;
        if (std::optional<std::string> why = Choose(session, Column::Kind::Dependent)) return why;
        for (std::size_t i = 0; i < record_.fields.size(); ++i) {
            if (std::optional<std::string> why =
                    EnterValue(session, columns_[i], record_.fields[i])) {
                return why;
            }
        }
        return std::nullopt;
    }

private:
    std::string_view Cell(Column::Kind kind) const {
        for (std::size_t i = 0; i < record_.fields.size(); ++i) {
            if (columns_[i].kind == kind) return record_.fields[i];
        }
        return {};
    }

    std::optional<std::string> Choose(ScreenSession& session, Column::Kind kind) const {
        const std::string_view text = Cell(kind);
        if (text.empty()) return std::nullopt;
        if (kind == Column::Kind::Population) {
            if (text != "finite" && text != "infinite") {
                return "population=" + std::string(text) + ": must be finite or infinite";
            }
            session.ChoosePopulation(text == "finite" ? Population::Finite : Population::Infinite);
            return std::nullopt;
        }
        const std::optional<Field> dependent = DependentFieldNamed(text);
        if (!dependent) {
            return "dependent takes V, Z, E, n or N, not '" + std::string(text) + "'";
        }
        if (session.ChooseDependentVariable(CodeOf(*dependent))) return std::nullopt;
        return "dependent=" + std::string(text) +
               ": N can be dependent only with a finite population";
    }

    std::optional<std::string> EnterValue(ScreenSession& session, const Column& column,
                                          const std::string& text) const {
        if (column.kind != Column::Kind::Value || text.empty()) return std::nullopt;
        Entry entry;
        if (column.variable == Variable::icc) return std::nullopt;
        if (column.variable == Variable::cluster_size) {
            const std::string_view correlation = Cell(Variable::icc);
            if (correlation.empty()) return "cluster_size=" + text + ": needs icc in the same row";
            entry = EnterClusters(session, correlation, text);
        } else {
            entry = planning::Enter(session, column.variable, text);
        }
        if (entry.result == EntryResult::Failed) return entry.message;
        return std::nullopt;
    }

    const std::vector<Column>& columns_;
    const BatchRecord& record_;
};

std::variant<BatchColumns, InputRefusal> BatchColumns::Read(CsvReader& reader) {
    std::vector<std::string> header;
    if (!reader.Next(header)) {
        if (reader.refusal()) return *reader.refusal();
        return Refusal(InputProblem::NoHeader, 0);
    }
    BatchColumns batch;
    for (auto name = header.begin(); name != header.end(); ++name) {
        if (std::find(header.begin(), name, *name) != name) {
            return Refusal(InputProblem::ColumnTwice, 1, *name);
        }
        if (*name == "population") {
            batch.columns_.push_back({Column::Kind::Population});
        } else if (*name == "dependent") {
            batch.columns_.push_back({Column::Kind::Dependent});
        } else if (const auto variable = VariableNamed(*name);
                   variable && *variable != Variable::contacts) {
            batch.columns_.push_back({Column::Kind::Value, *variable});
        } else {
            return Refusal(InputProblem::UnknownColumn, 1, *name);
        }
    }
    if (batch.columns_.empty()) return Refusal(InputProblem::NoColumns, 1);
    return batch;
}

std::variant<ResultRow, InputRefusal> BatchColumns::Row(const ScreenSession& base,
                                                        const BatchRecord& record) const {
    if (record.fields.size() > columns_.size()) {
        return Refusal(InputProblem::MoreFieldsThanColumns, record.line);
    }
    const Applied applied(columns_, record);
    if (!applied.Cell(Variable::deff).empty() && !applied.Cell(Variable::icc).empty()) {
        return Refusal(InputProblem::DeffWithIcc, record.line);
    }
    ScreenSession session = base;
    std::optional<std::string> failure = applied.Enter(session);
    if (!failure) session.RecalculateDependent();
    return RowOf(session, record.line - 1, std::move(failure).value_or(std::string()));
}

}  // namespace vek::planning
