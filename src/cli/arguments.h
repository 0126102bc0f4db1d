// The command line of vek-calc: options and the actions, in order.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/state.h"

namespace vek::cli {

// Typing `text` into a field and leaving it.
struct TypeInto {
    Field field;
    std::string text;
};

// Choosing "Infinito" or "Finito".
struct ChoosePopulation {
    Population population;
};

// Choosing the option of a dependent variable.
struct ChooseDependent {
    Field field;
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

struct Invocation {
    std::optional<char> separator;  // none given: the locale's
    bool json = false;
    bool help = false;
    std::optional<std::string> reportPath;  // written after the final calculation
    std::vector<Action> actions;
};

// Throws UsageError for anything it does not understand.
Invocation ParseArguments(std::span<const std::string_view> arguments);

std::string_view SymbolOf(Field field);

std::string_view HelpText();

}  // namespace vek::cli
