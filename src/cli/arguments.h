// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of vek-calc: options and the actions, in order.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/state.h"
#include "planning/entry.h"
#include "planning/stratified.h"

namespace vek::cli {

// Typing `text` into a field and leaving it: NAME=TEXT for the six fields, p (the expected
// proportion, typed into V as its variance) and contacts (typed into n as interviews).
struct TypeInto {
    planning::Variable variable;
    std::string text;
};

// Choosing "Infinito" or "Finito".
struct ChoosePopulation {
    Population population;
};

// Choosing the option of a dependent variable.
struct ChooseDependent {
    Dependent dependent;
};

// Pressing "Calcula".
struct Calculate {};

// "Recuperar" and "Guardar" of the file window.
struct LoadFile {
    std::string path;
};
struct SaveFile {
    std::string path;
};

using Action =
    std::variant<TypeInto, ChoosePopulation, ChooseDependent, Calculate, LoadFile, SaveFile>;

// --report's path for stdout.
inline constexpr std::string_view kStdoutPath = "-";

// --deff, or --icc with --cluster-size, and --response-rate: the design of the whole run, as
// typed; read once the separator is known.
struct DesignOptions {
    std::optional<std::string> designEffect;
    std::optional<std::string> correlation;
    std::optional<std::string> clusterSize;
    std::optional<std::string> responseRate;

    bool given() const { return designEffect || correlation || responseRate; }
};

struct Invocation {
    std::optional<char> separator;  // none given: the locale's
    bool json = false;
    bool help = false;
    bool version = false;
    bool paragraph = false;
    bool sheet = false;                     // --ficha: the technical sheet instead of the lines
    std::optional<std::string> reportPath;  // written after the final calculation
    std::vector<Action> actions;
    DesignOptions design;
    std::vector<std::string> sweeps;  // VAR=FROM:TO:STEP or VAR=A/B/C, at most two
    std::optional<std::string> batchPath;
    bool savesAFile = false;  // a --save action is among the actions
    // --strata FILE with --allocation and the values that fix the total, as typed.
    std::optional<std::string> strataPath;
    std::optional<planning::AllocationMethod> allocation;
    planning::StrataRequest strata;
};

// Throws UsageError for anything it does not understand.
Invocation ParseArguments(std::span<const std::string_view> arguments);

// The dependent variable of a name (V, Z, E, n or N), for `option`; throws UsageError for any
// other name.
Dependent DependentNamed(std::string_view value, std::string_view option);

std::string_view HelpText();

}  // namespace vek::cli
