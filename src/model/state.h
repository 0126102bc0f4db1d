// SPDX-License-Identifier: GPL-3.0-or-later
// The model state: the six quantities of the screen and which one is dependent.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/quantity.h"

namespace vek {

// The population type has no variable of its own: the screen's options hold it.
enum class Population { Infinite, Finite };

// The main screen's fields, numbered like their edit boxes Edit1 … Edit6. The numbers 1 … 5
// are also the dependent-variable codes (file record, report formula).
enum class Field : std::uint8_t { V = 1, Z = 2, E = 3, n = 4, N = 5, prob = 6 };

// Every field, in the order of their numbers.
inline constexpr std::array<Field, 6> kFields = {Field::V, Field::Z, Field::E,
                                                 Field::n, Field::N, Field::prob};

inline constexpr std::uint8_t kFirstDependentCode = 1;
inline constexpr std::uint8_t kLastDependentCode = 5;

constexpr std::uint8_t CodeOf(Field field) {
    return static_cast<std::uint8_t>(field);
}

// One value for each field, reached by the field.
template <class T>
class PerField {
public:
    T& operator[](Field field) { return values_[IndexOf(field)]; }
    const T& operator[](Field field) const { return values_[IndexOf(field)]; }
    friend bool operator==(const PerField&, const PerField&) = default;

private:
    static constexpr std::size_t IndexOf(Field field) { return CodeOf(field) - 1U; }
    std::array<T, kFields.size()> values_{};
};

struct ModelState {
    Quantity PopulationVariance = Quantity::FromScaled(2500);   // V 0.25
    Quantity StandardDistance = Quantity::FromScaled(19600);    // Z 1.96
    Quantity ErrorProbability = Quantity::FromScaled(500);      // prob 0.05
    Quantity PrecisionError = Quantity::FromScaled(300);        // E 0.03
    Quantity SampleSize = Quantity::FromScaled(10680000);       // n 1068
    Quantity PopulationSize = Quantity::FromScaled(100000000);  // N 10000
    std::uint8_t DependentVariable = 4;                         // n

    friend bool operator==(const ModelState&, const ModelState&) = default;
};

// "V", "Z", "E", "n", "N" and "prob", as the screen and the report name them.
constexpr std::string_view SymbolOf(Field field) {
    constexpr std::array<std::string_view, kFields.size()> kSymbols = {"V", "Z", "E",
                                                                       "n", "N", "prob"};
    return kSymbols[CodeOf(field) - 1U];
}

Quantity& QuantityOf(ModelState& state, Field field);
Quantity QuantityOf(const ModelState& state, Field field);

// The field or fields that show a dependent variable: Z comes with prob. Empty for a code
// outside 1 … 5.
std::span<const Field> DependentFields(std::uint8_t code);

// Whether `code` names a variable that may be dependent: V, Z, E and n always, N only for a
// finite population (an infinite one plays no part in the formulas).
bool CanBeDependent(std::uint8_t code, Population population);

enum class Editability {
    Editable,
    Dependent,           // the dependent variable is computed, never typed
    InfinitePopulation,  // N plays no part in an infinite population
};

// Whether the user may type into `field`.
Editability EditabilityOf(const ModelState& state, Population population, Field field);

// What choosing a population type does to the model: N cannot stay dependent in an infinite
// population, so n becomes the dependent variable. The caller recalculates afterwards.
void SwitchPopulation(ModelState& state, Population population);

}  // namespace vek
