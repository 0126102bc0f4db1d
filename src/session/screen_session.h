// SPDX-License-Identifier: GPL-3.0-or-later
// The main screen without its windows. One session holds what the screen shows (the model
// state, the population type, the six field texts and the Z option's caption) and carries out
// every operation of the screen. The main window renders it; vek-calc drives it; so the two give
// the same answers by construction.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/design.h"
#include "model/fields.h"
#include "model/recalc.h"
#include "model/state.h"
#include "session/dependent.h"
#include "session/screen_record.h"

namespace vek {

inline constexpr std::string_view kZCaption = "   Z";
inline constexpr std::string_view kProbCaption = "   prob.";

// The fields in the order the screen shows them, prob next to its partner Z; vek-calc and the
// report list them so.
inline constexpr std::array<Field, 6> kShownOrder = {Field::V, Field::Z, Field::prob,
                                                     Field::E, Field::n, Field::N};

// What the text report needs of the screen.
struct ReportInput {
    ModelState state;
    Population population = Population::Infinite;
    std::string resultText;  // ScreenSession::ResultText
    std::int64_t secondsOfInteraction = 0;
    char separator = ',';
};

// The intra-class correlation ρ and mean cluster size m that a design effect was computed from.
struct Clusters {
    Quantity correlation;
    Quantity size;
    friend bool operator==(const Clusters&, const Clusters&) = default;
};

// How the sample is drawn and answered, beyond simple random sampling. The main screen never
// changes it: there every result is simple random sampling's.
struct Design {
    Quantity designEffect = kNoDesignEffect;
    Quantity responseRate = kFullResponse;
    std::optional<Clusters> clusters;  // where the design effect came from ρ and m
    friend bool operator==(const Design&, const Design&) = default;
};

// What the operations since the last TakeChanges wrote, so that a window redraws just that.
struct ScreenChanges {
    PerField<bool> texts;
    bool dependent = false;   // the dependent variable: its option and the fields' styles
    bool population = false;  // the population type: its options, the N field and N option
    bool zCaption = false;
};

class ScreenSession {
public:
    explicit ScreenSession(char separator = '.');

    const ModelState& state() const { return state_; }
    Population population() const { return population_; }
    char separator() const { return separator_; }
    std::string_view text(Field field) const { return texts_[field]; }
    std::string_view zOptionCaption() const { return zCaption_; }

    Editability EditabilityOf(Field field) const;
    // The dependent variable; the session only ever stores a valid code.
    Dependent dependent() const;
    // Whether its option can be chosen: N only for a finite population.
    bool CanChooseDependent(Dependent dependent) const;

    // The regional settings' decimal separator, read again when they change.
    void SetSeparator(char separator) { separator_ = separator; }

    // Used by every later recalculation; the caller keeps it valid (IsDesignEffect,
    // IsResponseRate).
    void SetDesign(const Design& design) { design_ = design; }
    const Design& design() const { return design_; }
    // The expected proportion that gave the current V through EnterProportion; none once V
    // changed any other way, so that a document never calls a typed variance a proportion's.
    std::optional<Quantity> proportion() const { return proportion_; }

    // Reads the text typed into an editable field as the field's rules say; Z and prob also
    // rewrite their partner. Nothing is recalculated.
    EntryOutcome LeaveField(Field field, std::string_view typed);
    // An expected proportion 0 < p < 1 typed as its variance p(1 − p) into the V field; Refused,
    // changing nothing, outside those bounds.
    EntryOutcome EnterProportion(std::string_view typed);
    // c contacts at the design's response rate typed as rounded(c × r) interviews into the n
    // field.
    EntryOutcome EnterContacts(std::string_view typed);
    // Entering Z or prob relabels the Z option after it.
    void EnterField(Field field);
    // Choosing a dependent variable's option: stored, nothing recalculated. False when its
    // option is disabled.
    bool ChooseDependentVariable(Dependent dependent);
    // The population type; going infinite while N is dependent makes n dependent. Does not
    // recalculate.
    void SetPopulation(Population population);
    // SetPopulation by the original program's kind: 1 infinite, 2 finite, anything else nothing.
    void SetPopulationType(unsigned kind);
    // A population option chosen: when it is not the current one, SetPopulation and
    // RecalculateDependent.
    void ChoosePopulation(Population population);
    // "Calcula". Throws InvalidFloatingPointOperation for a negative V, having written nothing.
    void RecalculateDependent();
    // "Recuperar": the record's values, code and population, the five fields rewritten, then
    // RecalculateDependent. Returns the problem, changing nothing, for a record the save never
    // writes.
    RestoreProblem Restore(const ScreenStateRecord& record);

    // "Guardar": the stored quantities, not the field texts.
    ScreenStateRecord Record() const { return RecordOf(state_, population_); }
    ReportInput Report() const;
    // The dependent field's text, both of Z and prob when Z is dependent: what the report and
    // vek-calc quote as the result.
    std::string ResultText() const;
    // "Error de entrada" or "Mal resultado" in a dependent field.
    bool ResultFailed() const;
    // The contacts needed for the stored sample size at the design's response rate; none when
    // the result failed.
    std::optional<Quantity> Contacts() const;

    // When the main window is created; the report's interaction time counts from it.
    void StartInteraction() { start_ = std::chrono::steady_clock::now(); }
    std::int64_t SecondsOfInteraction() const;

    ScreenChanges TakeChanges();

private:
    void Show(Field field, ShownText text);
    void ShowAll(const FieldTexts& texts);

    ModelState state_;
    Population population_ = Population::Infinite;
    char separator_;
    Design design_;
    std::optional<Quantity> proportion_;
    PerField<ShownText> texts_;
    std::string_view zCaption_ = kZCaption;
    ScreenChanges changes_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// The texts the fields start with, as laid out: the start-up values written with a comma
// whatever the regional settings, and never parsed at start-up.
PerField<ShownText> LaidOutFieldTexts();

}  // namespace vek
