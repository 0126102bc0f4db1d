// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/batch.h"

#include <algorithm>
#include <string_view>

namespace vek::planning {

namespace {

InputRefusal Refused(InputProblem problem, std::int64_t line, std::string text = {}) {
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

    // The first entry refused, or nothing when every cell was entered.
    std::optional<Refusal> Enter(ScreenSession& session) const {
        if (auto refusal = Choose(session, Column::Kind::Population)) return refusal;
        if (auto refusal = Choose(session, Column::Kind::Dependent)) return refusal;
        // Every column, so that a record shorter than the header still misses half a pair.
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const std::string_view text = i < record_.fields.size()
                                              ? std::string_view(record_.fields[i])
                                              : std::string_view();
            if (auto refusal = EnterValue(session, columns_[i], text)) return refusal;
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

    std::optional<Refusal> Choose(ScreenSession& session, Column::Kind kind) const {
        const std::string_view text = Cell(kind);
        if (text.empty()) return std::nullopt;
        const auto refused = [text](Reason reason) {
            return Refusal{reason, std::nullopt, std::string(text)};
        };
        if (kind == Column::Kind::Population) {
            if (text != "finite" && text != "infinite") return refused(Reason::NotAPopulation);
            session.ChoosePopulation(text == "finite" ? Population::Finite : Population::Infinite);
            return std::nullopt;
        }
        const std::optional<Dependent> dependent = DependentNamed(text);
        if (!dependent) return refused(Reason::NotADependent);
        if (session.ChooseDependentVariable(*dependent)) return std::nullopt;
        return refused(Reason::DependentNeedsFinite);
    }

    // An empty cell is not applied, save a missing half of icc and cluster_size.
    std::optional<Refusal> EnterValue(ScreenSession& session, const Column& column,
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
        return std::move(entry.refusal);
    }

    // The pair at cluster_size's place, as the options --icc and --cluster-size give it.
    Entry EnterClusters(ScreenSession& session) const {
        const std::string_view correlation = Cell(Variable::icc);
        const std::string_view clusterSize = Cell(Variable::cluster_size);
        if (correlation.empty() && clusterSize.empty()) return {};
        if (correlation.empty()) return Alone(Variable::cluster_size, clusterSize);
        if (clusterSize.empty()) return Alone(Variable::icc, correlation);
        return planning::EnterClusters(session, correlation, clusterSize);
    }

    static Entry Alone(Variable given, std::string_view text) {
        return {EntryResult::Failed, Refusal{Reason::Unpaired, given, std::string(text)}, {}};
    }

    const std::vector<Column>& columns_;
    const BatchRecord& record_;
};

std::variant<BatchColumns, InputRefusal> BatchColumns::Read(CsvReader& reader) {
    std::vector<std::string> header;
    if (!reader.Next(header)) {
        if (reader.refusal()) return *reader.refusal();
        return Refused(InputProblem::NoHeader, 0);
    }
    BatchColumns batch;
    for (auto name = header.begin(); name != header.end(); ++name) {
        if (std::find(header.begin(), name, *name) != name) {
            return Refused(InputProblem::ColumnTwice, 1, *name);
        }
        if (*name == "population") {
            batch.columns_.push_back({Column::Kind::Population});
        } else if (*name == "dependent") {
            batch.columns_.push_back({Column::Kind::Dependent});
        } else if (const auto variable = VariableNamed(*name);
                   variable && *variable != Variable::contacts) {
            batch.columns_.push_back({Column::Kind::Value, *variable});
        } else {
            return Refused(InputProblem::UnknownColumn, 1, *name);
        }
    }
    if (batch.columns_.empty()) return Refused(InputProblem::NoColumns, 1);
    const auto given = [&header](std::string_view name) {
        return std::find(header.begin(), header.end(), name) != header.end();
    };
    if (given("icc") != given("cluster_size")) {
        return Refused(InputProblem::ClusterColumnAlone, 1, given("icc") ? "icc" : "cluster_size");
    }
    return batch;
}

std::variant<ResultRow, InputRefusal> BatchColumns::Row(const ScreenSession& base,
                                                        const BatchRecord& record) const {
    if (record.fields.size() > columns_.size()) {
        return Refused(InputProblem::MoreFieldsThanColumns, record.line);
    }
    const Applied applied(columns_, record);
    if (!applied.Cell(Variable::deff).empty() && !applied.Cell(Variable::icc).empty()) {
        return Refused(InputProblem::DeffWithIcc, record.line);
    }
    ScreenSession session = base;
    std::optional<Refusal> refusal = applied.Enter(session);
    if (!refusal) session.RecalculateDependent();
    return RowOf(session, record.line - 1, std::move(refusal));
}

}  // namespace vek::planning
