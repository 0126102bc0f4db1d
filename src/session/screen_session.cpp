// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/screen_session.h"

#include <algorithm>
#include <utility>

namespace vek {

namespace {

constexpr std::size_t kMaxResultLength = 255;
constexpr char kLaidOutSeparator = ',';

}  // namespace

PerField<ShownText> LaidOutFieldTexts() {
    const ModelState startUp;
    PerField<ShownText> texts;
    for (const Field field : kFields)
        texts[field] = ShownText(QuantityOf(startUp, field), kLaidOutSeparator);
    return texts;
}

ScreenSession::ScreenSession(char separator) : separator_(separator), texts_(LaidOutFieldTexts()) {}

Editability ScreenSession::EditabilityOf(Field field) const {
    return vek::EditabilityOf(state_, population_, field);
}

Dependent ScreenSession::dependent() const {
    return DependentOf(state_.DependentVariable).value();
}

bool ScreenSession::CanChooseDependent(Dependent dependent) const {
    return CanBeDependent(CodeOf(dependent), population_);
}

void ScreenSession::Show(Field field, ShownText text) {
    texts_[field] = text;
    changes_.texts[field] = true;
}

void ScreenSession::ShowAll(const FieldTexts& texts) {
    for (const FieldText& shown : texts)
        Show(shown.field, shown.text);
}

EntryOutcome ScreenSession::LeaveField(Field field, std::string_view typed) {
    const Quantity variance = state_.PopulationVariance;
    FieldExit exit = vek::LeaveField(state_, field, typed, population_, separator_);
    // Tabbing through V keeps its proportion; any other V is no longer p(1 − p).
    if (state_.PopulationVariance != variance) proportion_.reset();
    ShowAll(exit.texts);
    return exit.outcome;
}

EntryOutcome ScreenSession::EnterProportion(std::string_view typed) {
    const std::optional<Quantity> proportion = QuantityFromText(typed, separator_);
    if (!proportion) return EntryOutcome::NotANumber;
    const std::optional<Quantity> variance = VarianceOfProportion(*proportion);
    if (!variance) return EntryOutcome::Refused;
    const EntryOutcome outcome = LeaveField(Field::V, QuantityToText(*variance, separator_));
    if (outcome == EntryOutcome::Accepted) proportion_ = *proportion;
    return outcome;
}

EntryOutcome ScreenSession::EnterContacts(std::string_view typed) {
    const std::optional<Quantity> contacts = QuantityFromText(typed, separator_);
    if (!contacts) return EntryOutcome::NotANumber;
    const Quantity interviews = InterviewsOfContacts(*contacts, design_.responseRate);
    return LeaveField(Field::n, QuantityToText(interviews, separator_));
}

void ScreenSession::EnterField(Field field) {
    if (field != Field::Z && field != Field::prob) return;
    zCaption_ = field == Field::Z ? kZCaption : kProbCaption;
    changes_.zCaption = true;
}

bool ScreenSession::ChooseDependentVariable(Dependent dependent) {
    if (!CanChooseDependent(dependent)) return false;
    state_.DependentVariable = CodeOf(dependent);
    changes_.dependent = true;
    return true;
}

void ScreenSession::SetPopulationType(unsigned kind) {
    if (kind != 1 && kind != 2) return;
    SetPopulation(kind == 2 ? Population::Finite : Population::Infinite);
}

void ScreenSession::SetPopulation(Population population) {
    population_ = population;
    changes_.population = true;
    const std::uint8_t before = state_.DependentVariable;
    SwitchPopulation(state_, population_);
    if (state_.DependentVariable != before) changes_.dependent = true;
}

void ScreenSession::ChoosePopulation(Population population) {
    if (population == population_) return;
    SetPopulation(population);
    RecalculateDependent();
}

void ScreenSession::RecalculateDependent() {
    if (dependent() == Dependent::V) proportion_.reset();
    ShowAll(vek::RecalculateDependent(state_, population_, separator_, design_.designEffect));
}

// The options are chosen before the population type is set, so an infinite population restored
// over a screen with N dependent keeps the file's dependent variable.
RestoreProblem ScreenSession::Restore(const ScreenStateRecord& record) {
    if (const RestoreProblem problem = RestoreProblemOf(record); problem != RestoreProblem::None) {
        return problem;
    }
    ApplyToModel(record, state_);
    proportion_.reset();
    changes_.dependent = true;
    for (const Field field : {Field::V, Field::Z, Field::E, Field::n, Field::N})
        Show(field, ShownText(QuantityOf(state_, field), separator_));
    SetPopulation(PopulationOf(record));
    RecalculateDependent();
    return RestoreProblem::None;
}

ReportInput ScreenSession::Report() const {
    return {state_, population_, ResultText(), SecondsOfInteraction(), separator_};
}

std::string ScreenSession::ResultText() const {
    if (dependent() != Dependent::Z) return std::string(texts_[FieldOf(dependent())]);
    std::string text = "Z= ";
    text.append(texts_[Field::Z]).append("; prob= ").append(texts_[Field::prob]);
    text.resize(std::min(text.size(), kMaxResultLength));
    return text;
}

bool ScreenSession::ResultFailed() const {
    const auto shown = FieldsOf(dependent());
    return std::any_of(shown.begin(), shown.end(), [this](Field field) {
        return texts_[field] == kInputErrorText || texts_[field] == kBadResultText;
    });
}

std::optional<Quantity> ScreenSession::Contacts() const {
    if (ResultFailed()) return std::nullopt;
    return ContactsNeeded(state_.SampleSize, design_.responseRate);
}

std::int64_t ScreenSession::SecondsOfInteraction() const {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
}

ScreenChanges ScreenSession::TakeChanges() {
    return std::exchange(changes_, ScreenChanges{});
}

}  // namespace vek
