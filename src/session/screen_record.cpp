// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/screen_record.h"

namespace vek {

RestoreProblem RestoreProblemOf(const ScreenStateRecord& record) {
    if (!DependentOf(record.DependentVariable)) return RestoreProblem::DependentCodeOutOfRange;
    if (record.finite > 1) return RestoreProblem::PopulationByteInvalid;
    if (!CanBeDependent(record.DependentVariable, PopulationOf(record))) {
        return RestoreProblem::NDependentButInfinite;
    }
    return RestoreProblem::None;
}

ScreenStateRecord RecordOf(const ModelState& state, Population population) {
    return {state.PopulationVariance,
            state.StandardDistance,
            state.PrecisionError,
            state.SampleSize,
            state.PopulationSize,
            state.DependentVariable,
            std::uint8_t{population == Population::Finite}};
}

void ApplyToModel(const ScreenStateRecord& record, ModelState& state) {
    state.PopulationVariance = record.PopulationVariance;
    state.StandardDistance = record.StandardDistance;
    state.PrecisionError = record.PrecisionError;
    state.SampleSize = record.SampleSize;
    state.PopulationSize = record.PopulationSize;
    state.DependentVariable = record.DependentVariable;
}

Population PopulationOf(const ScreenStateRecord& record) {
    return record.finite == 1 ? Population::Finite : Population::Infinite;
}

}  // namespace vek
