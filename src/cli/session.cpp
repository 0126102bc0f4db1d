#include "cli/session.h"

#include <algorithm>

#include "cli/errors.h"
#include "model/fields.h"

namespace vek::cli {

namespace {

std::size_t IndexOf(Field field) {
    return static_cast<std::size_t>(field) - 1;
}

std::string Typed(const TypeInto& typing) {
    return std::string(SymbolOf(typing.field)) + "=" + typing.text;
}

std::string RuleOf(Field field) {
    switch (field) {
        case Field::V:
            return "V must be greater than 0";
        case Field::E:
            return "E must be greater than 0";
        case Field::n:
            return "n must be at least 1, and below N while the population is finite and N is "
                   "not dependent";
        case Field::N:
            return "N must be greater than n unless n is dependent";
        case Field::Z:
        case Field::prob:
            break;
    }
    return "the field refuses it";
}

std::string WhyNotEditable(const ModelState& state, Field field) {
    const auto dependent = DependentFields(state.DependentVariable);
    if (std::find(dependent.begin(), dependent.end(), field) != dependent.end()) {
        return "it is the dependent variable";
    }
    return "the population is infinite (choose --finite first)";
}

}  // namespace

const std::string& Session::FieldTextOf(Field field) const {
    return field_texts_[IndexOf(field)];
}

void Session::Apply(const Action& action) {
    std::visit([this](const auto& a) { Apply(a); }, action);
}

void Session::Calculate() {
    Show(RecalculateDependent(state_, population_, separator_));
}

void Session::Show(const std::vector<FieldText>& texts) {
    for (const FieldText& shown : texts)
        field_texts_[IndexOf(shown.field)] = shown.text;
}

void Session::Apply(const TypeInto& typing) {
    if (!FieldIsEditable(state_, population_, typing.field)) {
        throw UsageError(Typed(typing) + ": " + std::string(SymbolOf(typing.field)) +
                         " cannot be typed into: " + WhyNotEditable(state_, typing.field));
    }
    const FieldExit exit = LeaveField(state_, typing.field, typing.text, population_, separator_);
    switch (exit.outcome) {
        case EntryOutcome::NotANumber:
            throw UsageError(Typed(typing) + ": not a number (decimal separator '" +
                             std::string(1, separator_) + "')");
        case EntryOutcome::Refused:
            throw UsageError(Typed(typing) + ": refused, " + RuleOf(typing.field));
        case EntryOutcome::Corrected:
            warnings_.push_back("warning: " + Typed(typing) + ": corrected to " +
                                exit.texts.front().text);
            break;
        case EntryOutcome::Accepted:
            break;
    }
    Show(exit.texts);
}

// Choosing the option already chosen runs nothing, as on the screen.
void Session::Apply(const ChoosePopulation& choice) {
    if (choice.population == population_) return;
    population_ = choice.population;
    SwitchPopulation(state_, population_);
    Calculate();
}

// The N option is enabled only for a finite population.
void Session::Apply(const ChooseDependent& choice) {
    if (choice.field == Field::N && population_ == Population::Infinite) {
        throw UsageError(
            "--dependent N: N can be dependent only with a finite population "
            "(choose --finite first)");
    }
    state_.DependentVariable = static_cast<std::uint8_t>(choice.field);
}

bool ResultFailed(const Session& session) {
    const auto dependent = DependentFields(session.state().DependentVariable);
    return std::any_of(dependent.begin(), dependent.end(), [&](Field field) {
        const std::string& text = session.FieldTextOf(field);
        return text == kInputErrorText || text == kBadResultText;
    });
}

}  // namespace vek::cli
