// SPDX-License-Identifier: GPL-3.0-or-later
// Entering one value, as vek-calc's actions, sweeps and batch rows and the exploring window do:
// into a field of the screen with the field's rules, or into the design. A refusal comes back as
// a reason and the text refused; each front end words it in its own language.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "session/screen_session.h"

namespace vek::planning {

// What can be entered: the six fields, the expected proportion p and the contacts (typed into V
// and n), the design effect d (directly or as ρ with the mean cluster size) and the response
// rate r.
enum class Variable { V, Z, prob, E, n, N, p, contacts, deff, icc, cluster_size, response_rate };

std::optional<Variable> VariableNamed(std::string_view name);
std::string_view NameOf(Variable variable);

// The field a variable is typed into; none for the design's.
std::optional<Field> FieldOf(Variable variable);

// The dependent variable of a name: V, Z, E, n or N.
std::optional<Dependent> DependentNamed(std::string_view name);
Variable VariableOf(Dependent dependent);

// Why an entry was refused.
enum class Reason {
    NotANumber,            // not a number with the session's decimal separator
    OutOfRange,            // the variable's own rule refuses the value
    Dependent,             // the variable's field is the dependent variable
    InfinitePopulation,    // N while the population is infinite
    Unpaired,              // icc or cluster_size without the other
    NotAPopulation,        // a batch's population is neither "finite" nor "infinite"
    NotADependent,         // a batch's dependent is not V, Z, E, n or N
    DependentNeedsFinite,  // a batch's dependent is N while the population is infinite
};

// A refused entry: why, the variable entered (none for a batch's population and dependent) and
// the text as given.
struct Refusal {
    Reason reason = Reason::NotANumber;
    std::optional<Variable> variable;
    std::string text;
    friend bool operator==(const Refusal&, const Refusal&) = default;
};

enum class EntryResult { Accepted, Corrected, Failed };

struct Entry {
    EntryResult result = EntryResult::Accepted;
    std::optional<Refusal> refusal;  // where it failed
    std::string correctedTo;         // where it was corrected: what the field shows now
};

// Enters `text` as vek-calc's NAME=TEXT does. icc and cluster_size are entered together, with
// EnterClusters.
Entry Enter(ScreenSession& session, Variable variable, std::string_view text);

// The design effect of an intra-class correlation and a mean cluster size.
Entry EnterClusters(ScreenSession& session, std::string_view correlation,
                    std::string_view clusterSize);

// The response rate as a percentage, with or without its sign: "70" is 70 %.
Entry EnterResponsePercent(ScreenSession& session, std::string_view percent);

// Why a variable cannot be entered at all in the session's state (Dependent or
// InfinitePopulation); none when it can.
std::optional<Reason> WhyNotEnterable(const ScreenSession& session, Variable variable);

// How a response rate is written: a fraction ("0,7") or a percentage ("70 %", "70%"); or, in a
// field that holds a percentage, a percentage with or without its sign.
enum class RateForm { FractionOrPercent, Percent };

// The one reader of a response rate; nullopt for text that is not one of those forms. The
// value is not checked against 0 < r ≤ 1.
std::optional<Quantity> RateFromText(std::string_view text, char separator,
                                     RateForm form = RateForm::FractionOrPercent);

// A rate below 1 %: typed into a percentage, "0,5" was most likely meant as 50 %.
bool IsBelowOnePercent(Quantity responseRate);

}  // namespace vek::planning
