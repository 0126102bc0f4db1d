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
        // Every column, so that a record shorter than the header still misses half a pair.
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const std::string_view text = i < record_.fields.size()
                                              ? std::string_view(record_.fields[i])
                                              : std::string_view();
            if (std::optional<std::string> why = EnterValue(session, columns_[i], text)) return why;
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
        const std::optional<Dependent> dependent = DependentNamed(text);
        if (!dependent) {
            return "dependent takes V, Z, E, n or N, not '" + std::string(text) + "'";
        }
        if (session.ChooseDependentVariable(*dependent)) return std::nullopt;
        return "dependent=" + std::string(text) +
               ": N can be dependent only with a finite population";
    }

    // An empty cell is not applied, save a missing half of icc and cluster_size.
    std::optional<std::string> EnterValue(ScreenSession& session, const Column& column,
                                          std::string_view text) const {
        if (column.kind != Column::Kind::Value || column.variable == Variable::icc) {
            return std::nullopt;
        }
        Entry entry;
        if (column.variable == Variable::cluster_size) {
            entry = EnterClusters(session);
        } else if (!text.empty()) {
            entry = planning::Enter(session, column.variable, text);
        }
        if (entry.result == EntryResult::Failed) return entry.message;
        return std::nullopt;
    }

    // The pair at cluster_size's place, as the options --icc and --cluster-size give it.
    Entry EnterClusters(ScreenSession& session) const {
        const std::string_view correlation = Cell(Variable::icc);
        const std::string_view clusterSize = Cell(Variable::cluster_size);
        if (correlation.empty() && clusterSize.empty()) return {};
        if (correlation.empty()) return Alone(Variable::cluster_size, clusterSize, Variable::icc);
        if (clusterSize.empty()) return Alone(Variable::icc, correlation, Variable::cluster_size);
        return planning::EnterClusters(session, correlation, clusterSize);
    }

    static Entry Alone(Variable given, std::string_view text, Variable missing) {
        return {EntryResult::Failed, std::string(NameOf(given)) + "=" + std::string(text) +
                                         ": needs " + std::string(NameOf(missing)) +
                                         " in the same row"};
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
    const auto given = [&header](std::string_view name) {
        return std::find(header.begin(), header.end(), name) != header.end();
    };
    if (given("icc") != given("cluster_size")) {
        return Refusal(InputProblem::ClusterColumnAlone, 1, given("icc") ? "icc" : "cluster_size");
    }
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
