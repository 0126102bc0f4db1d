// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/strata_table_model.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

#include "explore/spanish.h"
#include "planning/table.h"
#include "platform/shown.h"

using vek::platform::Shown;

namespace {

using vek::planning::StrataColumn;
using vek::planning::StrataRefusal;
using vek::planning::StratumText;

const QColor kRefused(255, 190, 190);
const QColor kResult(232, 240, 250);
const QColor kResultText(0, 40, 110);
const QColor kStale(150, 150, 150);
constexpr int kFirstRows = 3;
constexpr std::int64_t kHundred = 100;

StrataColumn ColumnAt(int column) {
    return vek::planning::kStrataColumns.at(static_cast<std::size_t>(column));
}

QString ResultTitle(int column) {
    switch (column) {
        case StrataTableModel::ResultN:
            return QStringLiteral("n");
        case StrataTableModel::ResultShare:
            return QStringLiteral("%");
        case StrataTableModel::ResultError:
            return QStringLiteral("E");
        default:
            break;
    }
    return QStringLiteral("Contactos");
}

QString Title(int column) {
    return column < StrataTableModel::kInputColumns ? vek::explore::ColumnTitle(ColumnAt(column))
                                                    : ResultTitle(column);
}

bool Blank(const StratumText& row) {
    return std::all_of(vek::planning::kStrataColumns.begin(), vek::planning::kStrataColumns.end(),
                       [&row](StrataColumn column) { return row[column].empty(); });
}

// Where a pasted header's cell goes: an input column, or none (a result, or a name unknown).
struct HeaderCell {
    std::optional<int> column;
    bool fileName = false;  // named as in a strata file: its rate is a fraction or a percentage
};

// The first row as a header of the window's titles or of the strata file's names; none when it
// holds a number or names no column. The window's titles win where the row uses them (its "n" is
// then the result's), the file's names otherwise.
std::optional<std::vector<HeaderCell>> HeaderOf(const std::vector<std::string>& cells,
                                                char separator) {
    const auto same = [](const std::string& cell, const QString& name) {
        return Shown(cell).trimmed().compare(name, Qt::CaseInsensitive) == 0;
    };
    const auto titled = [&](const std::string& cell) -> std::optional<int> {
        for (int column = 0; column < StrataTableModel::kColumns; ++column) {
            if (same(cell, Title(column))) return column;
        }
        return std::nullopt;
    };
    const auto named = [&](const std::string& cell) -> std::optional<int> {
        for (int column = 0; column < StrataTableModel::kInputColumns; ++column) {
            const std::string_view name = vek::planning::NameOf(ColumnAt(column));
            if (same(cell, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))))
                return column;
        }
        return std::nullopt;
    };
    bool windowTitles = false;
    bool anyName = false;
    for (const std::string& cell : cells) {
        const std::string plain = vek::planning::WithoutDigitGrouping(cell, separator);
        if (vek::planning::RateFromText(plain, separator)) return std::nullopt;
        windowTitles = windowTitles || (titled(cell) && !named(cell));
        anyName = anyName || titled(cell) || named(cell);
    }
    if (!anyName) return std::nullopt;
    std::vector<HeaderCell> header;
    for (const std::string& cell : cells) {
        const std::optional<int> column = windowTitles ? titled(cell) : named(cell);
        const bool input = column && *column < StrataTableModel::kInputColumns;
        header.push_back({input ? column : std::nullopt, !windowTitles});
    }
    return header;
}

std::vector<std::vector<std::string>> TabSeparatedRows(
    std::string_view text, std::optional<vek::planning::InputRefusal>& refusal) {
    vek::planning::CsvReader reader(text, '\t');
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> cells;
    while (reader.Next(cells))
        rows.push_back(cells);
    refusal = reader.refusal();
    return rows;
}

}  // namespace

StrataTableModel::StrataTableModel(char separator, QObject* parent)
    : QAbstractTableModel(parent), separator_(separator), rows_(kFirstRows) {
    Reindex();
}

int StrataTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StrataTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant StrataTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column();
    const bool result = column >= kInputColumns;
    const auto refused = refused_.find({index.row(), column});
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (result) return ResultText(index.row(), column);
            return Shown(rows_[static_cast<std::size_t>(index.row())][ColumnAt(column)]);
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            return refused != refused_.end() ? QVariant(refused->second) : QVariant();
        case Qt::BackgroundRole:
            if (refused != refused_.end()) return QBrush(kRefused);
            return result ? QVariant(QBrush(kResult)) : QVariant();
        case Qt::ForegroundRole:
            if (!result) return {};
            return QBrush(stale_ ? kStale : kResultText);
        case Qt::TextAlignmentRole:
            if (column == static_cast<int>(StrataColumn::Name)) return {};
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

bool StrataTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() >= kInputColumns) return false;
    rows_[static_cast<std::size_t>(index.row())][ColumnAt(index.column())] =
        value.toString().toStdString();
    Reindex();
    emit dataChanged(index, index);
    if (edited_) edited_();
    return true;
}

Qt::ItemFlags StrataTableModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() < kInputColumns ? flags | Qt::ItemIsEditable : flags;
}

QVariant StrataTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    return orientation == Qt::Horizontal ? Title(section) : QVariant(section + 1);
}

void StrataTableModel::Grow(int rows) {
    if (rows <= rowCount()) return;
    beginInsertRows({}, rowCount(), rows - 1);
    rows_.resize(static_cast<std::size_t>(rows));
    endInsertRows();
}

void StrataTableModel::AddRow() {
    Grow(rowCount() + 1);
    Reindex();
}

void StrataTableModel::RemoveRows(int first, int count) {
    if (count <= 0) return;
    beginRemoveRows({}, first, first + count - 1);
    rows_.erase(rows_.begin() + first, rows_.begin() + first + count);
    endRemoveRows();
    Reindex();
}

void StrataTableModel::Reindex() {
    strata_.assign(rows_.size(), std::nullopt);
    stratumRows_.clear();
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (Blank(rows_[row])) continue;
        strata_[row] = stratumRows_.size();
        stratumRows_.push_back(static_cast<int>(row));
    }
}

std::vector<StratumText> StrataTableModel::Strata() const {
    std::vector<StratumText> strata;
    strata.reserve(stratumRows_.size());
    for (const int row : stratumRows_) {
        StratumText stratum = rows_[static_cast<std::size_t>(row)];
        stratum[StrataColumn::response_rate] =
            vek::planning::PercentRateText(stratum[StrataColumn::response_rate]);
        strata.push_back(std::move(stratum));
    }
    return strata;
}

int StrataTableModel::RowOfStratum(std::size_t stratum) const {
    return stratum < stratumRows_.size() ? stratumRows_[stratum] : -1;
}

QString StrataTableModel::CellText(const StrataRefusal& refusal) const {
    if (!refusal.stratum || !refusal.column) return Shown(refusal.text);
    const int row = RowOfStratum(*refusal.stratum);
    if (row < 0) return Shown(refusal.text);
    return Shown(rows_[static_cast<std::size_t>(row)][*refusal.column]);
}

void StrataTableModel::SetRefusals(const std::vector<StrataRefusal>& refusals) {
    refused_.clear();
    for (const StrataRefusal& refusal : refusals) {
        if (!refusal.stratum) continue;
        const int row = RowOfStratum(*refusal.stratum);
        if (row < 0) continue;
        StrataRefusal shown = refusal;
        shown.text = CellText(refusal).toStdString();
        // A problem of the whole row (no name, neither V nor p) marks its name.
        const int column = static_cast<int>(refusal.column.value_or(StrataColumn::Name));
        refused_.try_emplace({row, column}, vek::explore::StrataRefused(shown, separator_));
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

void StrataTableModel::SetDesign(std::shared_ptr<const vek::planning::StratifiedDesign> design,
                                 bool stale) {
    design_ = std::move(design);
    stale_ = stale;
    emit dataChanged(index(0, kInputColumns), index(rowCount() - 1, kColumns - 1));
}

QString StrataTableModel::ResultText(int row, int column) const {
    const std::optional<std::size_t> stratum = strata_[static_cast<std::size_t>(row)];
    if (!design_ || !stratum || *stratum >= design_->results.size()) return {};
    const vek::planning::StratumResult& result = design_->results[*stratum];
    const auto text = [this](vek::Quantity q) { return Shown(vek::QuantityToText(q, separator_)); };
    switch (column) {
        case ResultN:
            return QString::number(result.n);
        case ResultShare:
            return text(vek::Quantity::FromScaled(result.share.scaled() * kHundred));
        case ResultError:
            return text(result.error);
        default:
            break;
    }
    return text(result.contacts);
}

std::string StrataTableModel::Typed(std::string_view text, StrataColumn column,
                                    bool fileRate) const {
    if (column == StrataColumn::Name) return std::string(text);
    std::string plain = vek::planning::WithoutDigitGrouping(text, separator_);
    if (column == StrataColumn::response_rate && fileRate)
        return vek::planning::RateAsPercent(plain, separator_);
    return plain;
}

StrataTableModel::Pasted StrataTableModel::Paste(std::string_view text, int row, int column) {
    Pasted pasted;
    std::vector<std::vector<std::string>> records = TabSeparatedRows(text, pasted.refusal);
    if (pasted.refusal || records.empty()) return pasted;
    const std::optional<std::vector<HeaderCell>> header = HeaderOf(records.front(), separator_);
    if (header) records.erase(records.begin());
    // Without a header the cells go to the columns from the current one on.
    const auto placeOf = [&](std::size_t cell) -> HeaderCell {
        if (header) return cell < header->size() ? (*header)[cell] : HeaderCell{};
        const int at = column + static_cast<int>(cell);
        return {at < kInputColumns ? std::optional(at) : std::nullopt, false};
    };
    Grow(row + static_cast<int>(records.size()));
    for (std::size_t r = 0; r < records.size(); ++r) {
        StratumText& target = rows_[static_cast<std::size_t>(row) + r];
        for (std::size_t c = 0; c < records[r].size(); ++c) {
            const HeaderCell place = placeOf(c);
            if (!place.column) continue;
            const StrataColumn into = ColumnAt(*place.column);
            target[into] = Typed(records[r][c], into, place.fileName);
            pasted.sizes = pasted.sizes || (into == StrataColumn::n && !target[into].empty());
        }
    }
    Reindex();
    emit dataChanged(index(row, 0), index(rowCount() - 1, kColumns - 1));
    return pasted;
}

void StrataTableModel::SetTable(const vek::planning::StrataTable& table) {
    beginResetModel();
    rows_.clear();
    for (const StratumText& read : table.rows) {
        StratumText& row = rows_.emplace_back();
        for (const StrataColumn column : table.columns)
            row[column] = Typed(read[column], column, true);
    }
    Grow(kFirstRows);
    refused_.clear();
    design_.reset();
    Reindex();
    endResetModel();
}

QList<int> StrataTableModel::ShownColumns() const {
    QList<int> columns;
    for (int column = 0; column < kColumns; ++column) {
        if (column != kSizesColumn || sizesShown_) columns << column;
    }
    return columns;
}

QList<QStringList> StrataTableModel::Lines() const {
    const QList<int> columns = ShownColumns();
    QStringList header;
    for (const int column : columns)
        header << Title(column);
    QList<QStringList> lines = {header};
    for (const int row : stratumRows_) {
        QStringList line;
        for (const int column : columns)
            line << data(index(row, column), Qt::DisplayRole).toString();
        lines << line;
    }
    if (!design_) return lines;
    const auto text = [this](vek::Quantity q) { return Shown(vek::QuantityToText(q, separator_)); };
    QStringList total;
    for (const int column : columns) {
        switch (column) {
            case static_cast<int>(StrataColumn::Name):
                total << QStringLiteral("Total");
                break;
            case static_cast<int>(StrataColumn::N):
                total << QString::number(design_->size);
                break;
            case ResultN:
                total << QString::number(design_->total);
                break;
            case ResultShare:
                total << QStringLiteral("100");
                break;
            case ResultError:
                total << text(design_->error);
                break;
            case ResultContacts:
                total << text(design_->contacts);
                break;
            default:
                total << QString();
                break;
        }
    }
    lines << total;
    return lines;
}

QString StrataTableModel::TabSeparated() const {
    QString text;
    for (const QStringList& line : Lines())
        text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QString StrataTableModel::Html() const {
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    const QList<QStringList> lines = Lines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString cell = i == 0 ? QStringLiteral("th") : QStringLiteral("td");
        html += QStringLiteral("<tr>");
        for (const QString& text : lines[i])
            html += QStringLiteral("<%1>%2</%1>").arg(cell, text.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}
