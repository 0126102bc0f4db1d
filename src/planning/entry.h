// SPDX-License-Identifier: GPL-3.0-or-later
// Entering one value, as vek-calc's actions, sweeps and batch rows do: into a field of the screen
// with the field's rules, or into the design. Every refusal is told in vek-calc's words.
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

// The rule that refuses a value of `variable`, in vek-calc's words: "V must be greater than 0".
std::string RuleOf(Variable variable);

enum class EntryResult { Accepted, Corrected, Failed };

struct Entry {
    EntryResult result = EntryResult::Accepted;
    // "NAME=TEXT: refused, V must be greater than 0" for a failure; "NAME=TEXT: corrected to
    // 3,9" for a correction.
    std::string message;
};

// Enters `text` as vek-calc's NAME=TEXT does. icc and cluster_size are entered together, with
// EnterClusters.
Entry Enter(ScreenSession& session, Variable variable, std::string_view text);

// The design effect of an intra-class correlation and a mean cluster size.
Entry EnterClusters(ScreenSession& session, std::string_view correlation,
                    std::string_view clusterSize);

// Whether a variable can be entered at all in the session's state, and why not.
std::optional<std::string> WhyNotEnterable(const ScreenSession& session, Variable variable);

}  // namespace vek::planning
