// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/entry.h"

#include <array>
#include <utility>

namespace vek::planning {

namespace {

constexpr std::array<std::pair<std::string_view, Variable>, 12> kNames = {{
    {"V", Variable::V},
    {"Z", Variable::Z},
    {"prob", Variable::prob},
    {"E", Variable::E},
    {"n", Variable::n},
    {"N", Variable::N},
    {"p", Variable::p},
    {"contacts", Variable::contacts},
    {"deff", Variable::deff},
    {"icc", Variable::icc},
    {"cluster_size", Variable::cluster_size},
    {"response_rate", Variable::response_rate},
}};

std::string Typed(Variable variable, std::string_view text) {
    return std::string(NameOf(variable)) + "=" + std::string(text);
}

Entry Failure(Variable variable, std::string_view text, const std::string& why) {
    return {EntryResult::Failed, Typed(variable, text) + ": " + why};
}

Entry NotANumber(const ScreenSession& session, Variable variable, std::string_view text) {
    return Failure(
        variable, text,
        "not a number (decimal separator '" + std::string(1, session.separator()) + "')");
}

// The outcome of typing into a field, told as vek-calc tells it.
Entry Told(const ScreenSession& session, Variable variable, std::string_view text,
           EntryOutcome outcome) {
    switch (outcome) {
        case EntryOutcome::NotANumber:
            return NotANumber(session, variable, text);
        case EntryOutcome::Refused:
            return Failure(variable, text, "refused, " + RuleOf(variable));
        case EntryOutcome::Corrected:
            return {EntryResult::Corrected,
                    Typed(variable, text) + ": corrected to " + session.text(*FieldOf(variable))};
        case EntryOutcome::Accepted:
            break;
    }
    return {};
}

Entry EnterDesign(ScreenSession& session, Variable variable, std::string_view text) {
    const std::optional<Quantity> value = QuantityFromText(text, session.separator());
    if (!value) return NotANumber(session, variable, text);
    Design design = session.design();
    if (variable == Variable::deff) {
        if (!IsDesignEffect(*value)) return Failure(variable, text, "refused, " + RuleOf(variable));
        design.designEffect = *value;
    } else {
        if (!IsResponseRate(*value)) {
            return Failure(variable, text, "refused, " + RuleOf(variable));
        }
        design.responseRate = *value;
    }
    session.SetDesign(design);
    return {};
}

}  // namespace

std::string RuleOf(Variable variable) {
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

std::optional<Variable> VariableNamed(std::string_view name) {
    for (const auto& [candidate, variable] : kNames) {
        if (candidate == name) return variable;
    }
    return std::nullopt;
}

std::string_view NameOf(Variable variable) {
    for (const auto& [name, candidate] : kNames) {
        if (candidate == variable) return name;
    }
    return "?";
}

std::optional<Field> FieldOf(Variable variable) {
    switch (variable) {
        case Variable::V:
        case Variable::p:
            return Field::V;
        case Variable::Z:
            return Field::Z;
        case Variable::prob:
            return Field::prob;
        case Variable::E:
            return Field::E;
        case Variable::n:
        case Variable::contacts:
            return Field::n;
        case Variable::N:
            return Field::N;
        case Variable::deff:
        case Variable::icc:
        case Variable::cluster_size:
        case Variable::response_rate:
            break;
    }
    return std::nullopt;
}

std::optional<Dependent> DependentNamed(std::string_view name) {
    for (const Dependent dependent : kDependents) {
        if (SymbolOf(FieldOf(dependent)) == name) return dependent;
    }
    return std::nullopt;
}

Variable VariableOf(Dependent dependent) {
    switch (dependent) {
        case Dependent::V:
            return Variable::V;
        case Dependent::Z:
            return Variable::Z;
        case Dependent::E:
            return Variable::E;
        case Dependent::n:
            return Variable::n;
        case Dependent::N:
            return Variable::N;
    }
    return Variable::n;
}

std::optional<std::string> WhyNotEnterable(const ScreenSession& session, Variable variable) {
    const std::optional<Field> field = FieldOf(variable);
    if (!field) return std::nullopt;
    const auto typedInto = [&] {
        return std::string(SymbolOf(*field)) + " cannot be typed into: ";
    };
    switch (session.EditabilityOf(*field)) {
        case Editability::Dependent:
            return typedInto() + "it is the dependent variable";
        case Editability::InfinitePopulation:
            return typedInto() + "the population is infinite (choose --finite first)";
        case Editability::Editable:
            break;
    }
    return std::nullopt;
}

Entry Enter(ScreenSession& session, Variable variable, std::string_view text) {
    if (const std::optional<std::string> why = WhyNotEnterable(session, variable)) {
        return Failure(variable, text, *why);
    }
    switch (variable) {
        case Variable::p:
            return Told(session, variable, text, session.EnterProportion(text));
        case Variable::contacts:
            return Told(session, variable, text, session.EnterContacts(text));
        case Variable::deff:
        case Variable::response_rate:
            return EnterDesign(session, variable, text);
        case Variable::icc:
        case Variable::cluster_size:
            return Failure(variable, text, "icc and cluster_size go together");
        default:
            return Told(session, variable, text, session.LeaveField(*FieldOf(variable), text));
    }
}

Entry EnterClusters(ScreenSession& session, std::string_view correlation,
                    std::string_view clusterSize) {
    const std::optional<Quantity> icc = QuantityFromText(correlation, session.separator());
    if (!icc) return NotANumber(session, Variable::icc, correlation);
    const std::optional<Quantity> size = QuantityFromText(clusterSize, session.separator());
    if (!size) return NotANumber(session, Variable::cluster_size, clusterSize);
    const std::optional<Quantity> designEffect = DesignEffectOfClusters(*icc, *size);
    if (!designEffect) {
        return Failure(Variable::cluster_size, clusterSize,
                       "refused, " + RuleOf(Variable::cluster_size));
    }
    Design design = session.design();
    design.designEffect = *designEffect;
    session.SetDesign(design);
    return {};
}

}  // namespace vek::planning
