// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/strata.h"

#include <variant>

#include "cli/english.h"
#include "cli/errors.h"
#include "cli/refusal_text.h"
#include "planning/paragraph.h"
#include "planning/strata_file.h"
#include "planning/table.h"
#include "planning/technical_sheet.h"

namespace vek::cli {

namespace {

using planning::DesignValue;
using planning::StrataColumn;
using planning::StrataProblem;
using planning::StrataRefusal;

std::string_view OptionOf(DesignValue value) {
    switch (value) {
        case DesignValue::TotalN:
            return "--total-n";
        case DesignValue::TargetError:
            return "--target-E";
        case DesignValue::Budget:
            return "--budget";
        case DesignValue::FixedCost:
            break;
    }
    return "--fixed-cost";
}

// The rule a cell's value must keep, as the entries of the screen word theirs.
std::string RuleOf(StrataColumn column) {
    switch (column) {
        case StrataColumn::V:
            return cli::RuleOf(planning::Variable::V);
        case StrataColumn::p:
            return cli::RuleOf(planning::Variable::p);
        case StrataColumn::deff:
            return cli::RuleOf(planning::Variable::deff);
        case StrataColumn::response_rate:
            return cli::RuleOf(planning::Variable::response_rate);
        case StrataColumn::Cost:
            return "the cost must be greater than 0";
        case StrataColumn::Name:
        case StrataColumn::N:
        case StrataColumn::Minimum:
        case StrataColumn::Maximum:
        case StrataColumn::n:
            break;
    }
    return std::string(planning::NameOf(column)) + " must be at least 1";
}

std::string RuleOf(DesignValue value) {
    if (value == DesignValue::TargetError) return cli::RuleOf(planning::Variable::E);
    return "the fixed cost must not be below 0";
}

// What a refused value is and why, for the cell or the option that holds it.
class Wording {
public:
    Wording(const StrataRefusal& refusal, char separator)
        : refusal_(refusal), separator_(separator) {}

    std::string Typed() const {
        if (refusal_.value) return std::string(OptionOf(*refusal_.value)) + " " + refusal_.text;
        return std::string(planning::NameOf(*refusal_.column)) + "=" + refusal_.text;
    }
    std::string Rule() const {
        return refusal_.value ? RuleOf(*refusal_.value) : RuleOf(*refusal_.column);
    }
    std::string Value(const std::optional<Quantity>& q) const {
        return QuantityToText(q.value_or(Quantity()), separator_);
    }
    char separator() const { return separator_; }

private:
    const StrataRefusal& refusal_;
    char separator_;
};

std::string Why(const StrataRefusal& refusal, char separator) {
    const Wording w(refusal, separator);
    const std::string column =
        refusal.column ? std::string(planning::NameOf(*refusal.column)) : std::string();
    switch (refusal.problem) {
        case StrataProblem::SizesWithoutGiven:
            return "an 'n' column goes with --allocation given only";
        case StrataProblem::GivenWithoutSizes:
            return "--allocation given needs an 'n' column";
        case StrataProblem::NoStrata:
            return "the strata input has no stratum after its header";
        case StrataProblem::TooManyStrata:
            return "more than " + std::to_string(planning::kMaxStrata) + " strata";
        case StrataProblem::EmptyName:
            return "the stratum has no name";
        case StrataProblem::RepeatedName:
            return "the stratum '" + refusal.text + "' is given twice";
        case StrataProblem::ReservedName:
            return "no stratum can be named 'total', the whole sample's row";
        case StrataProblem::BothVarianceAndProportion:
            return "both V and p are given; give one of them";
        case StrataProblem::NeitherVarianceNorProportion:
            return "neither V nor p is given";
        case StrataProblem::Missing:
            return column + " is empty";
        case StrataProblem::NotANumber:
            return w.Typed() + ": not a number (decimal separator '" + w.separator() + "')";
        case StrataProblem::Refused:
            return w.Typed() + ": refused, " + w.Rule();
        case StrataProblem::NotWhole:
            return w.Typed() + ": not a whole number";
        case StrataProblem::MinimumAboveMaximum:
            return w.Typed() + ": above max";
        case StrataProblem::MaximumAboveSize:
            return w.Typed() + ": above N";
        case StrataProblem::SizeOutsideBounds:
            return w.Typed() + ": outside min to max";
        case StrataProblem::OutOfRange:
            if (refusal.stratum) {
                return w.Typed() + ": the standard deviation is beyond the range of a quantity";
            }
            return "the sum of " + column + " is beyond the range of a quantity";
        case StrataProblem::NoTotal:
            return "--strata needs one of --total-n, --target-E and --budget";
        case StrataProblem::SeveralTotals:
            return "only one of --total-n, --target-E and --budget can fix the total";
        case StrataProblem::TotalWithGiven:
            return "--allocation given takes each n from the file; " +
                   std::string(OptionOf(*refusal.value)) + " has nothing to fix";
        case StrataProblem::FixedCostWithoutBudget:
            return "--fixed-cost goes with --budget";
        case StrataProblem::TotalOutsideBounds:
            return w.Typed() + ": outside " + w.Value(refusal.least) + " to " +
                   w.Value(refusal.most) + ", the sums of min and max";
        case StrataProblem::BudgetBelowMinimum:
            return w.Typed() + ": below " + w.Value(refusal.least) +
                   ", the cost of every stratum's min";
        case StrataProblem::TargetUnreachable:
            return w.Typed() + ": out of reach, the maximums give E " + w.Value(refusal.least);
    }
    return {};
}

// The header's line for the problems of its columns, the stratum's record for a stratum's.
std::optional<std::int64_t> LineOf(const StrataRefusal& refusal,
                                   std::span<const std::int64_t> lines) {
    if (refusal.problem == StrataProblem::SizesWithoutGiven ||
        refusal.problem == StrataProblem::GivenWithoutSizes) {
        return 1;
    }
    if (refusal.stratum && *refusal.stratum < lines.size()) return lines[*refusal.stratum];
    return std::nullopt;
}

void Put(std::FILE* out, const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0) {
        throw UsageError("cannot write on stdout");
    }
}

}  // namespace

std::string StrataRefusalText(const StrataRefusal& refusal, std::span<const std::int64_t> lines,
                              char separator) {
    const std::optional<std::int64_t> line = LineOf(refusal, lines);
    const std::string why = Why(refusal, separator);
    return line ? "line " + std::to_string(*line) + ": " + why : why;
}

void WriteStrata(const Invocation& invocation, const ScreenSession& screen, std::FILE* in,
                 std::FILE* out) {
    const char separator = screen.separator();
    if (const auto problem = planning::StrataRequestProblem(invocation.strata)) {
        throw UsageError(StrataRefusalText(*problem, {}, separator));
    }
    planning::CsvReader reader(in, planning::CsvDelimiter(separator));
    auto read = planning::ReadStrataTable(reader);
    if (const auto* refusal = std::get_if<planning::InputRefusal>(&read)) {
        throw UsageError(RefusalText(*refusal, "strata"));
    }
    const auto& table = std::get<planning::StrataTable>(read);
    auto strata = planning::StrataOf(table.columns, table.rows, separator, *invocation.allocation);
    if (!strata) throw UsageError(StrataRefusalText(strata.refusal(), table.lines, separator));
    const auto design = planning::PlanStrata(std::move(*strata), invocation.strata, screen);
    if (!design) throw UsageError(StrataRefusalText(design.refusal(), table.lines, separator));
    if (invocation.paragraph) {
        Put(out, planning::StratifiedParagraph(*design, screen) + "\n");
    } else if (invocation.sheet) {
        Put(out, planning::StratifiedSheet(*design, screen));
    } else if (invocation.json) {
        Put(out, planning::StrataJsonLines(*design, separator));
    } else {
        Put(out, planning::StrataCsv(*design, separator));
    }
}

}  // namespace vek::cli
