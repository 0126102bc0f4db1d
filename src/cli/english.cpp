// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/english.h"

namespace vek::cli {

namespace {

using planning::Reason;
using planning::SweepFault;
using planning::Variable;

std::string NotANumber(char decimalSeparator) {
    return "not a number (decimal separator '" + std::string(1, decimalSeparator) + "')";
}

// "V cannot be typed into: it is the dependent variable".
std::string NotTypable(Variable variable, Reason reason) {
    const std::optional<Field> field = planning::FieldOf(variable);
    const std::string typedInto =
        std::string(field ? SymbolOf(*field) : planning::NameOf(variable)) +
        " cannot be typed into: ";
    if (reason == Reason::Dependent) return typedInto + "it is the dependent variable";
    return typedInto + "the population is infinite (choose --finite first)";
}

}  // namespace

std::string RuleOf(planning::Variable variable) {
    switch (variable) {
        case Variable::V:
            return "V must be greater than 0";
        case Variable::E:
            return "E must be greater than 0";
        case Variable::n:
        case Variable::contacts:
            return "n must be at least 1, and below N while the population is finite and N is "
                   "not dependent";
        case Variable::N:
            return "N must be greater than n unless n is dependent";
        case Variable::p:
            return "p must be above 0 and below 1";
        case Variable::deff:
            return "the design effect must be greater than 0";
        case Variable::icc:
        case Variable::cluster_size:
            return "the cluster size must be at least 1 and the intra-class correlation between "
                   "0 and 1";
        case Variable::response_rate:
            return "the response rate must be above 0 and at most 1";
        case Variable::Z:
        case Variable::prob:
            break;
    }
    return "the field refuses it";
}

std::string InEnglish(const planning::Refusal& refusal, char decimalSeparator) {
    const Variable variable = refusal.variable.value_or(Variable::V);
    const std::string typed = std::string(planning::NameOf(variable)) + "=" + refusal.text + ": ";
    switch (refusal.reason) {
        case Reason::NotANumber:
            return typed + NotANumber(decimalSeparator);
        case Reason::OutOfRange:
            return typed + "refused, " + RuleOf(variable);
        case Reason::Dependent:
        case Reason::InfinitePopulation:
            return typed + NotTypable(variable, refusal.reason);
        case Reason::Unpaired:
            return typed + (variable == Variable::icc ? "needs cluster_size in the same row"
                                                      : "needs icc in the same row");
        case Reason::NotAPopulation:
            return "population=" + refusal.text + ": must be finite or infinite";
        case Reason::NotADependent:
            return "dependent takes V, Z, E, n or N, not '" + refusal.text + "'";
        case Reason::DependentNeedsFinite:
            return "dependent=" + refusal.text +
                   ": N can be dependent only with a finite population";
    }
    return {};
}

std::string InEnglish(const planning::SweepProblem& problem, char decimalSeparator) {
    const Variable variable = problem.variable.value_or(Variable::V);
    const std::string name(planning::NameOf(variable));
    switch (problem.fault) {
        case SweepFault::NotASweep:
            return "'" + problem.text +
                   "' is not VAR=FROM:TO:STEP or VAR=A/B/... with VAR one of V, Z, prob, E, n, "
                   "N, p, deff or response_rate";
        case SweepFault::NotANumber:
            return "'" + problem.text + "' is " + NotANumber(decimalSeparator);
        case SweepFault::NotARange:
            return "a range is FROM:TO:STEP";
        case SweepFault::StepNotPositive:
            return "STEP must be greater than 0";
        case SweepFault::ToBelowFrom:
            return "TO must not be below FROM";
        case SweepFault::TooManyPoints:
            return "more than " + std::to_string(planning::kMaxSweepPoints) + " points";
        case SweepFault::SweptTwice:
            return name + " is swept twice";
        case SweepFault::ZWithProb:
            return "Z and prob are one pair: sweep one of them";
        case SweepFault::PWithV:
            return "p sets V: sweep one of them";
        case SweepFault::Dependent:
            return "cannot sweep " + name + ": " + NotTypable(variable, Reason::Dependent);
        case SweepFault::InfinitePopulation:
            return "cannot sweep " + name + ": " + NotTypable(variable, Reason::InfinitePopulation);
    }
    return {};
}

std::string CorrectionInEnglish(planning::Variable variable, std::string_view text,
                                std::string_view correctedTo) {
    std::string told(planning::NameOf(variable));
    return told.append("=").append(text).append(": corrected to ").append(correctedTo);
}

}  // namespace vek::cli
