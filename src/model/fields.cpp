// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/fields.h"

#include <algorithm>

#include "model/pair.h"

namespace vek {

namespace {

constexpr Quantity kZero = Quantity::FromScaled(0);
constexpr Quantity kOne = Quantity::FromScaled(Quantity::kScale);
constexpr Quantity kLargestDistance = Quantity::FromScaled(39000);
constexpr Quantity kSmallestProbability = Quantity::FromScaled(1);
constexpr Quantity kLargestProbability = Quantity::FromScaled(9999);

bool IsDependent(const ModelState& state, Field field) {
    return state.DependentVariable == static_cast<std::uint8_t>(field);
}

// The rule of a single field, on the value just stored. n stays below N while N is given, as
// the field's hint "1 < n < N" promises.
bool Accepts(const ModelState& state, Population population, Field field) {
    const Quantity n = state.SampleSize;
    const Quantity N = state.PopulationSize;
    switch (field) {
        case Field::V:
            return IsPopulationVariance(state.PopulationVariance);
        case Field::E:
            return state.PrecisionError > kZero;
        case Field::n:
            return n >= kOne &&
                   (population == Population::Infinite || IsDependent(state, Field::N) || n < N);
        case Field::N:
            return N > n || IsDependent(state, Field::n);
        case Field::Z:
        case Field::prob:
            break;
    }
    return true;
}

FieldExit LeaveSingleField(ModelState& state, Field field, std::string_view text,
                           Population population, char separator) {
    Quantity& quantity = QuantityOf(state, field);
    const Quantity previous = quantity;
    const std::optional<Quantity> typed = QuantityFromText(text, separator);
    if (!typed) return {EntryOutcome::NotANumber, {{field, kNotANumberText}}};
    quantity = *typed;
    EntryOutcome outcome = EntryOutcome::Accepted;
    if (!Accepts(state, population, field)) {
        quantity = previous;
        outcome = EntryOutcome::Refused;
    }
    return {outcome, {{field, ShownText(quantity, separator)}}};
}

Quantity BroughtIntoRange(Field field, Quantity q) {
    if (field == Field::Z) return std::min(Magnitude(q), kLargestDistance);
    return std::clamp(q, kSmallestProbability, kLargestProbability);
}

Quantity PartnerValue(Field field, Quantity q) {
    return field == Field::Z ? ProbabilityForDistance(q) : DistanceForProbability(q);
}

// Text that is not a number keeps the previous value and still refreshes the partner.
FieldExit LeavePairField(ModelState& state, Field field, std::string_view text, char separator) {
    const Field partner = field == Field::Z ? Field::prob : Field::Z;
    Quantity& quantity = QuantityOf(state, field);
    const std::optional<Quantity> typed = QuantityFromText(text, separator);
    if (typed) quantity = *typed;
    const Quantity inRange = BroughtIntoRange(field, quantity);
    EntryOutcome outcome = EntryOutcome::Accepted;
    if (!typed) {
        outcome = EntryOutcome::NotANumber;
    } else if (inRange != quantity) {
        outcome = EntryOutcome::Corrected;
    }
    quantity = inRange;
    Quantity& partnerQuantity = QuantityOf(state, partner);
    partnerQuantity = PartnerValue(field, quantity);
    return {outcome,
            {{field, ShownText(quantity, separator)},
             {partner, ShownText(partnerQuantity, separator)}}};
}

}  // namespace

bool IsPopulationVariance(Quantity variance) {
    return variance > kZero;
}

FieldExit LeaveField(ModelState& state, Field field, std::string_view text, Population population,
                     char separator) {
    if (field == Field::Z || field == Field::prob) {
        return LeavePairField(state, field, text, separator);
    }
    return LeaveSingleField(state, field, text, population, separator);
}

}  // namespace vek
