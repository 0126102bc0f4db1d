// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/strata.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <unordered_set>

#include "model/fields.h"
#include "planning/entry.h"

namespace vek::planning {

namespace {

constexpr std::array<std::string_view, kStrataColumns.size()> kColumnNames = {
    "stratum", "N", "V", "p", "deff", "cost", "response_rate", "min", "max", "n"};

constexpr std::array<std::pair<std::string_view, AllocationMethod>, 5> kMethodNames = {{
    {"proportional", AllocationMethod::Proportional},
    {"equal", AllocationMethod::Equal},
    {"neyman", AllocationMethod::Neyman},
    {"optimal", AllocationMethod::Optimal},
    {"given", AllocationMethod::Given},
}};

constexpr std::string_view kTotalRowName = "total";
constexpr std::int64_t kMaxWhole = std::numeric_limits<std::int64_t>::max() / Quantity::kScale;

bool Has(std::span<const StrataColumn> columns, StrataColumn column) {
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

// Reads the cells of one row; the first refusal ends it.
class StratumReader {
public:
    StratumReader(const StratumText& row, std::size_t index, char separator)
        : row_(row), index_(index), separator_(separator) {}

    // Every refused cell of the row, in the order the cells are checked; a check that needs a
    // refused cell (the bounds need N, the deviation V and d) is left out.
    std::vector<StrataRefusal> Read(Stratum& stratum, bool given) {
        std::vector<StrataRefusal> refused;
        const auto accepted = [&](std::optional<StrataRefusal> refusal) {
            if (refusal) refused.push_back(std::move(*refusal));
            return !refusal;
        };
        stratum.name = row_[StrataColumn::Name];
        if (stratum.name.empty()) {
            refused.push_back(Refusal(StrataProblem::EmptyName));
        } else if (stratum.name == kTotalRowName) {
            refused.push_back(Refusal(StrataProblem::ReservedName));
        }
        const bool sized = accepted(Whole(StrataColumn::N, stratum.size));
        const bool varied = accepted(Variance(stratum));
        const bool designed =
            accepted(OptionalValue(StrataColumn::deff, IsDesignEffect, stratum.designEffect));
        accepted(OptionalValue(StrataColumn::Cost, IsCost, stratum.cost));
        accepted(OptionalValue(StrataColumn::response_rate, IsResponseRate, stratum.responseRate));
        if (sized && accepted(Bounds(stratum)) && given) accepted(Given(stratum));
        if (varied && designed) accepted(Deviation(stratum));
        return refused;
    }

private:
    static bool IsCost(Quantity cost) { return cost > Quantity(); }

    StrataRefusal Refusal(StrataProblem problem,
                          std::optional<StrataColumn> column = std::nullopt) const {
        const StrataColumn named = column.value_or(StrataColumn::Name);
        return {.problem = problem, .stratum = index_, .column = column, .text = row_[named]};
    }

    // A whole number of at least 1; N and n must be given, min and max may be left empty.
    std::optional<StrataRefusal> Whole(StrataColumn column, std::int64_t& value) const {
        const std::string& text = row_[column];
        if (text.empty()) return Refusal(StrataProblem::Missing, column);
        const std::optional<Quantity> read = QuantityFromText(text, separator_);
        if (!read) return Refusal(StrataProblem::NotANumber, column);
        if (read->scaled() % Quantity::kScale != 0) return Refusal(StrataProblem::NotWhole, column);
        if (read->scaled() < Quantity::kScale) return Refusal(StrataProblem::Refused, column);
        value = read->scaled() / Quantity::kScale;
        return std::nullopt;
    }

    // V as the V field reads it, or p as the p= action turns it into V.
    std::optional<StrataRefusal> Variance(Stratum& stratum) const {
        const bool typed = !row_[StrataColumn::V].empty();
        const bool proportion = !row_[StrataColumn::p].empty();
        if (typed && proportion) return Refusal(StrataProblem::BothVarianceAndProportion);
        if (!typed && !proportion) return Refusal(StrataProblem::NeitherVarianceNorProportion);
        const StrataColumn column = typed ? StrataColumn::V : StrataColumn::p;
        const std::optional<Quantity> read = QuantityFromText(row_[column], separator_);
        if (!read) return Refusal(StrataProblem::NotANumber, column);
        const std::optional<Quantity> accepted =
            typed ? (IsPopulationVariance(*read) ? read : std::nullopt)
                  : VarianceOfProportion(*read);
        if (!accepted) return Refusal(StrataProblem::Refused, column);
        stratum.variance = *accepted;
        if (!typed) stratum.proportion = read;
        return std::nullopt;
    }

    // An optional value that keeps its default when left empty.
    template <class Rule>
    std::optional<StrataRefusal> OptionalValue(StrataColumn column, Rule rule,
                                               Quantity& value) const {
        const std::string& text = row_[column];
        if (text.empty()) return std::nullopt;
        // A rate is read as everywhere else: 0,7, "70 %" or "70%".
        const std::optional<Quantity> read = column == StrataColumn::response_rate
                                                 ? RateFromText(text, separator_)
                                                 : QuantityFromText(text, separator_);
        if (!read) return Refusal(StrataProblem::NotANumber, column);
        if (!rule(*read)) return Refusal(StrataProblem::Refused, column);
        value = *read;
        return std::nullopt;
    }

    // n within min … max, for the method Given.
    std::optional<StrataRefusal> Given(Stratum& stratum) const {
        stratum.given.emplace();
        if (auto refused = Whole(StrataColumn::n, *stratum.given)) return refused;
        if (*stratum.given < stratum.minimum || *stratum.given > stratum.maximum) {
            return Refusal(StrataProblem::SizeOutsideBounds, StrataColumn::n);
        }
        return std::nullopt;
    }

    std::optional<StrataRefusal> Deviation(Stratum& stratum) const {
        try {
            stratum.deviation = StandardDeviationOf(stratum.variance, stratum.designEffect);
        } catch (const ArithmeticError&) {
            return Refusal(StrataProblem::OutOfRange, StrataColumn::deff);
        }
        return std::nullopt;
    }

    // 1 ≤ min ≤ max ≤ N; max defaults to N, min to the lesser of 2 and max.
    std::optional<StrataRefusal> Bounds(Stratum& stratum) const {
        stratum.maximum = stratum.size;
        if (!row_[StrataColumn::Maximum].empty()) {
            if (auto refused = Whole(StrataColumn::Maximum, stratum.maximum)) return refused;
            if (stratum.maximum > stratum.size) {
                return Refusal(StrataProblem::MaximumAboveSize, StrataColumn::Maximum);
            }
        }
        stratum.minimum = std::min<std::int64_t>(2, stratum.maximum);
        if (!row_[StrataColumn::Minimum].empty()) {
            if (auto refused = Whole(StrataColumn::Minimum, stratum.minimum)) return refused;
            if (stratum.minimum > stratum.maximum) {
                return Refusal(StrataProblem::MinimumAboveMaximum, StrataColumn::Minimum);
            }
        }
        return std::nullopt;
    }

    const StratumText& row_;
    std::size_t index_;
    char separator_;
};

// Σ N_h beyond what a quantity holds; each N_h fits, so the running sum cannot overflow first.
std::optional<StrataRefusal> SumsOutOfRange(std::span<const Stratum> strata) {
    std::int64_t sizes = 0;
    for (const Stratum& stratum : strata) {
        // min ≤ max ≤ N, so Σ N bounds the others.
        sizes += stratum.size;
        if (sizes > kMaxWhole) {
            return StrataRefusal{.problem = StrataProblem::OutOfRange,
                                 .column = StrataColumn::N,
                                 .text = std::to_string(sizes)};
        }
    }
    return std::nullopt;
}

// The columns against the method, and the number of rows.
std::optional<StrataRefusal> ColumnsProblem(std::span<const StrataColumn> columns,
                                            std::span<const StratumText> rows,
                                            AllocationMethod method) {
    const bool given = method == AllocationMethod::Given;
    if (Has(columns, StrataColumn::n) && !given) {
        return StrataRefusal{.problem = StrataProblem::SizesWithoutGiven,
                             .column = StrataColumn::n};
    }
    if (given && !Has(columns, StrataColumn::n)) {
        return StrataRefusal{.problem = StrataProblem::GivenWithoutSizes,
                             .column = StrataColumn::n};
    }
    if (rows.empty()) return StrataRefusal{.problem = StrataProblem::NoStrata};
    if (std::ssize(rows) > kMaxStrata) {
        return StrataRefusal{.problem = StrataProblem::TooManyStrata,
                             .stratum = static_cast<std::size_t>(kMaxStrata)};
    }
    return std::nullopt;
}

// Reads every row; `refused` is given each row's refusals (a repeated name among them) and says
// whether to read on.
template <class Refused>
std::vector<Stratum> ReadRows(std::span<const StratumText> rows, char separator,
                              AllocationMethod method, Refused refused) {
    std::vector<Stratum> strata(rows.size());
    std::unordered_set<std::string_view> names;
    names.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        StratumReader reader(rows[i], i, separator);
        std::vector<StrataRefusal> row = reader.Read(strata[i], method == AllocationMethod::Given);
        const std::string& name = strata[i].name;
        const bool named = !name.empty() && name != kTotalRowName;
        if (named && !names.insert(name).second) {
            row.push_back(StrataRefusal{.problem = StrataProblem::RepeatedName,
                                        .stratum = i,
                                        .column = StrataColumn::Name,
                                        .text = name});
        }
        if (!row.empty() && !refused(row)) break;
    }
    return strata;
}

}  // namespace

std::string_view NameOf(StrataColumn column) {
    return kColumnNames[static_cast<std::size_t>(column)];
}

std::optional<StrataColumn> StrataColumnNamed(std::string_view name) {
    for (const StrataColumn column : kStrataColumns) {
        if (NameOf(column) == name) return column;
    }
    return std::nullopt;
}

std::string_view NameOf(AllocationMethod method) {
    for (const auto& [name, candidate] : kMethodNames) {
        if (candidate == method) return name;
    }
    return {};
}

std::optional<AllocationMethod> AllocationMethodNamed(std::string_view name) {
    for (const auto& [candidate, method] : kMethodNames) {
        if (candidate == name) return method;
    }
    return std::nullopt;
}

Checked<std::vector<Stratum>> StrataOf(std::span<const StrataColumn> columns,
                                       std::span<const StratumText> rows, char separator,
                                       AllocationMethod method) {
    if (auto refused = ColumnsProblem(columns, rows, method)) return *refused;
    std::optional<StrataRefusal> first;
    std::vector<Stratum> strata =
        ReadRows(rows, separator, method, [&](std::vector<StrataRefusal>& refused) {
            first = std::move(refused.front());
            return false;
        });
    if (first) return *first;
    if (auto refused = SumsOutOfRange(strata)) return *refused;
    return strata;
}

std::vector<StrataRefusal> RefusedCells(std::span<const StratumText> rows, char separator,
                                        AllocationMethod method) {
    std::vector<StrataRefusal> cells;
    ReadRows(rows.first(std::min<std::size_t>(rows.size(), kMaxStrata)), separator, method,
             [&](std::vector<StrataRefusal>& refused) {
                 std::move(refused.begin(), refused.end(), std::back_inserter(cells));
                 return true;
             });
    return cells;
}

std::string WithoutDigitGrouping(std::string_view text, char separator) {
    constexpr std::size_t kGroup = 3;
    const char grouping = separator == ',' ? '.' : ',';
    const auto digits = [&](std::size_t from) {
        std::size_t at = from;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        return at - from;
    };
    std::size_t at = text.starts_with('-') || text.starts_with('+') ? 1 : 0;
    const std::size_t lead = digits(at);
    if (lead == 0 || lead > kGroup) return std::string(text);
    std::string plain(text.substr(0, at + lead));
    at += lead;
    bool grouped = false;
    while (at < text.size() && text[at] == grouping) {
        if (digits(at + 1) != kGroup) return std::string(text);
        plain += text.substr(at + 1, kGroup);
        at += 1 + kGroup;
        grouped = true;
    }
    if (!grouped) return std::string(text);
    return plain.append(text.substr(at));
}

std::string PercentRateText(std::string_view percent) {
    if (percent.empty() || percent.ends_with('%')) return std::string(percent);
    return std::string(percent) + " %";
}

std::string RateAsPercent(std::string_view rate, char separator) {
    constexpr std::int64_t kHundred = 100;
    const std::optional<Quantity> read = RateFromText(rate, separator);
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max() / kHundred;
    if (!read || read->scaled() > kLargest || read->scaled() < -kLargest) return std::string(rate);
    return QuantityToText(Quantity::FromScaled(read->scaled() * kHundred), separator);
}

}  // namespace vek::planning
