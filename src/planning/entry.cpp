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

constexpr std::int64_t kHundred = 100;
constexpr Quantity kOnePercent = Quantity::FromScaled(Quantity::kScale / kHundred);

Entry Failure(Reason reason, Variable variable, std::string_view text) {
    return {EntryResult::Failed, Refusal{reason, variable, std::string(text)}, {}};
}

// The outcome of typing into a field.
Entry Told(const ScreenSession& session, Variable variable, std::string_view text,
           EntryOutcome outcome) {
    switch (outcome) {
        case EntryOutcome::NotANumber:
            return Failure(Reason::NotANumber, variable, text);
        case EntryOutcome::Refused:
            return Failure(Reason::OutOfRange, variable, text);
        case EntryOutcome::Corrected:
            return {EntryResult::Corrected, std::nullopt,
                    std::string(session.text(*FieldOf(variable)))};
        case EntryOutcome::Accepted:
            break;
    }
    return {};
}

Entry EnterDesignEffect(ScreenSession& session, std::string_view text) {
    const std::optional<Quantity> value = QuantityFromText(text, session.separator());
    if (!value) return Failure(Reason::NotANumber, Variable::deff, text);
    if (!IsDesignEffect(*value)) return Failure(Reason::OutOfRange, Variable::deff, text);
    Design design = session.design();
    design.designEffect = *value;
    design.clusters.reset();
    session.SetDesign(design);
    return {};
}

Entry EnterRate(ScreenSession& session, std::string_view text, RateForm form) {
    const std::optional<Quantity> rate = RateFromText(text, session.separator(), form);
    if (!rate) return Failure(Reason::NotANumber, Variable::response_rate, text);
    if (!IsResponseRate(*rate)) return Failure(Reason::OutOfRange, Variable::response_rate, text);
    Design design = session.design();
    design.responseRate = *rate;
    session.SetDesign(design);
    return {};
}

std::string_view WithoutTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

}  // namespace

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

std::optional<Reason> WhyNotEnterable(const ScreenSession& session, Variable variable) {
    const std::optional<Field> field = FieldOf(variable);
    if (!field) return std::nullopt;
    switch (session.EditabilityOf(*field)) {
        case Editability::Dependent:
            return Reason::Dependent;
        case Editability::InfinitePopulation:
            return Reason::InfinitePopulation;
        case Editability::Editable:
            break;
    }
    return std::nullopt;
}

Entry Enter(ScreenSession& session, Variable variable, std::string_view text) {
    if (const std::optional<Reason> why = WhyNotEnterable(session, variable)) {
        return Failure(*why, variable, text);
    }
    switch (variable) {
        case Variable::p:
            return Told(session, variable, text, session.EnterProportion(text));
        case Variable::contacts:
            return Told(session, variable, text, session.EnterContacts(text));
        case Variable::deff:
            return EnterDesignEffect(session, text);
        case Variable::response_rate:
            return EnterRate(session, text, RateForm::FractionOrPercent);
        case Variable::icc:
        case Variable::cluster_size:
            return Failure(Reason::Unpaired, variable, text);
        default:
            return Told(session, variable, text, session.LeaveField(*FieldOf(variable), text));
    }
}

Entry EnterClusters(ScreenSession& session, std::string_view correlation,
                    std::string_view clusterSize) {
    const std::optional<Quantity> icc = QuantityFromText(correlation, session.separator());
    if (!icc) return Failure(Reason::NotANumber, Variable::icc, correlation);
    const std::optional<Quantity> size = QuantityFromText(clusterSize, session.separator());
    if (!size) return Failure(Reason::NotANumber, Variable::cluster_size, clusterSize);
    const std::optional<Quantity> designEffect = DesignEffectOfClusters(*icc, *size);
    if (!designEffect) return Failure(Reason::OutOfRange, Variable::cluster_size, clusterSize);
    Design design = session.design();
    design.designEffect = *designEffect;
    design.clusters = Clusters{*icc, *size};
    session.SetDesign(design);
    return {};
}

Entry EnterResponsePercent(ScreenSession& session, std::string_view percent) {
    return EnterRate(session, percent, RateForm::Percent);
}

std::optional<Quantity> RateFromText(std::string_view text, char separator, RateForm form) {
    text = WithoutTrailingSpaces(text);
    const bool percent = text.ends_with('%');
    if (percent) text.remove_suffix(1);
    const std::optional<Quantity> value = QuantityFromText(text, separator);
    if (!value) return std::nullopt;
    if (!percent && form == RateForm::FractionOrPercent) return value;
    return Rounded(value->value() / kHundred);
}

bool IsBelowOnePercent(Quantity responseRate) {
    return responseRate < kOnePercent;
}

}  // namespace vek::planning
