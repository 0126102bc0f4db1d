// The model state: the six quantities of the screen and which one is dependent.
#pragma once

#include <cstdint>
#include <span>

#include "model/quantity.h"

namespace vek {

// The population type has no variable of its own: the screen's options hold it.
enum class Population { Infinite, Finite };

// The main screen's fields, numbered like their edit boxes Edit1 … Edit6. The numbers 1 … 5
// are also the dependent-variable codes (file record, report formula).
enum class Field : std::uint8_t { V = 1, Z = 2, E = 3, n = 4, N = 5, prob = 6 };

inline constexpr std::uint8_t kFirstDependentCode = 1;
inline constexpr std::uint8_t kLastDependentCode = 5;

struct ModelState {
    Quantity PopulationVariance = Quantity::FromScaled(2500);    // V 0.25
    Quantity StandardDistance = Quantity::FromScaled(19600);     // Z 1.96
    Quantity ErrorProbability = Quantity::FromScaled(500);       // prob 0.05
    Quantity PrecisionError = Quantity::FromScaled(300);         // E 0.03
    Quantity SampleSize = Quantity::FromScaled(10680000);        // n 1068
    Quantity PopulationSize = Quantity::FromScaled(100000000);   // N 10000
    std::uint8_t DependentVariable = 4;                          // n

    friend bool operator==(const ModelState&, const ModelState&) = default;
};

// The program's one model state; tests make their own ModelState instead.
ModelState& ProgramState();

Quantity& QuantityOf(ModelState& state, Field field);
Quantity QuantityOf(const ModelState& state, Field field);

// The field or fields that show a dependent variable: Z comes with prob. Empty for a code
// outside 1 … 5.
std::span<const Field> DependentFields(std::uint8_t code);

// Whether the user may type into `field`: not while it is dependent, and N only for a finite
// population.
bool FieldIsEditable(const ModelState& state, Population population, Field field);

// What choosing a population type does to the model: N cannot stay dependent in an infinite
// population, so n becomes the dependent variable. The caller recalculates afterwards.
void SwitchPopulation(ModelState& state, Population population);

}  // namespace vek
