// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/state.h"

#include <array>

namespace vek {

namespace {

constexpr std::array<Field, 1> kV = {Field::V};
constexpr std::array<Field, 2> kZ = {Field::Z, Field::prob};
constexpr std::array<Field, 1> kE = {Field::E};
constexpr std::array<Field, 1> kSample = {Field::n};
constexpr std::array<Field, 1> kPopulation = {Field::N};

// One mapping for both the mutable and the read-only access.
template <typename State>
auto& QuantityIn(State& state, Field field) {
    switch (field) {
        case Field::V:
            return state.PopulationVariance;
        case Field::Z:
            return state.StandardDistance;
        case Field::E:
            return state.PrecisionError;
        case Field::n:
            return state.SampleSize;
        case Field::N:
            return state.PopulationSize;
        case Field::prob:
            break;
    }
    return state.ErrorProbability;
}

}  // namespace

Quantity& QuantityOf(ModelState& state, Field field) {
    return QuantityIn(state, field);
}

Quantity QuantityOf(const ModelState& state, Field field) {
    return QuantityIn(state, field);
}

std::span<const Field> DependentFields(std::uint8_t code) {
    switch (code) {
        case 1:
            return kV;
        case 2:
            return kZ;
        case 3:
            return kE;
        case 4:
            return kSample;
        case 5:
            return kPopulation;
        default:
            return {};
    }
}

bool CanBeDependent(std::uint8_t code, Population population) {
    if (code < kFirstDependentCode || code > kLastDependentCode) return false;
    return code != CodeOf(Field::N) || population == Population::Finite;
}

Editability EditabilityOf(const ModelState& state, Population population, Field field) {
    for (const Field dependent : DependentFields(state.DependentVariable)) {
        if (dependent == field) return Editability::Dependent;
    }
    if (field == Field::N && population == Population::Infinite) {
        return Editability::InfinitePopulation;
    }
    return Editability::Editable;
}

void SwitchPopulation(ModelState& state, Population population) {
    if (state.DependentVariable == CodeOf(Field::N) &&
        !CanBeDependent(state.DependentVariable, population)) {
        state.DependentVariable = CodeOf(Field::n);
    }
}

}  // namespace vek
