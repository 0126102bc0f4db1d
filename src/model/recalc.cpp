// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/recalc.h"

#include <cmath>
#include <limits>

#include "model/pair.h"

namespace vek {

namespace {

constexpr Quantity kZero = Quantity::FromScaled(0);
constexpr Quantity kSmallestError = Quantity::FromScaled(1);
constexpr Quantity kOne = Quantity::FromScaled(Quantity::kScale);

long double Root(long double x) {
    if (!(x >= 0)) throw ArithmeticError("square root of a negative number");
    return std::sqrt(x);
}

long double Divide(long double dividend, long double divisor) {
    if (divisor == 0) throw ArithmeticError("division by zero");
    return dividend / divisor;
}

long double Squared(long double x) {
    return x * x;
}

struct Recalculation {
    ModelState& state;
    bool finite;
    char separator;
    Quantity designEffect;
    long double deviation;  // S, the rounded standard deviation of the design

    [[nodiscard]] long double Z() const { return state.StandardDistance.value(); }
    [[nodiscard]] long double E() const { return state.PrecisionError.value(); }
    [[nodiscard]] long double n() const { return state.SampleSize.value(); }
    [[nodiscard]] long double N() const { return state.PopulationSize.value(); }

    // √((N − 1)/(N − n)): how much a finite population raises V or Z.
    [[nodiscard]] long double FiniteFactor() const { return Root(Divide(N() - 1, N() - n())); }
    // √((N − n)/(N − 1)): how much a finite population lowers E.
    [[nodiscard]] long double InverseFiniteFactor() const {
        return Root(Divide(N() - n(), N() - 1));
    }

    [[nodiscard]] ShownText Text(Quantity q) const { return {q, separator}; }
};

// Runs the computation steps of a case; a failing step leaves earlier stores in place and
// turns the text of every dependent field into the input error.
template <typename Steps>
FieldTexts Protected(std::uint8_t code, Steps steps) {
    try {
        return steps();
    } catch (const ArithmeticError&) {
        FieldTexts texts;
        for (const Field field : DependentFields(code)) {
            texts.Add({field, kInputErrorText});
        }
        return texts;
    }
}

FieldTexts RecalculateVariance(const Recalculation& r) {
    ModelState& state = r.state;
    auto texts = Protected(state.DependentVariable, [&]() -> FieldTexts {
        // A rounded standard deviation of its own, not S.
        Quantity deviation = Rounded(Root(r.n()) * Divide(r.E(), r.Z()));
        if (r.finite) deviation = Rounded(deviation.value() * r.FiniteFactor());
        const Quantity designVariance = Rounded(Squared(deviation.value()));
        // Under a design effect the design's variance is d times the population's.
        state.PopulationVariance = r.designEffect == kNoDesignEffect
                                       ? designVariance
                                       : Rounded(designVariance.value() / r.designEffect.value());
        return {{Field::V, r.Text(state.PopulationVariance)}};
    });
    if (state.PopulationVariance <= kZero) texts.front().text = kBadResultText;
    return texts;
}

FieldTexts RecalculateDistance(const Recalculation& r) {
    ModelState& state = r.state;
    return Protected(state.DependentVariable, [&]() -> FieldTexts {
        state.StandardDistance = Rounded(Root(r.n()) * Divide(r.E(), r.deviation));
        if (r.finite) state.StandardDistance = Rounded(r.Z() * r.FiniteFactor());
        state.ErrorProbability = ProbabilityForDistance(state.StandardDistance);
        return {{Field::Z, r.Text(state.StandardDistance)},
                {Field::prob, r.Text(state.ErrorProbability)}};
    });
}

// Each step stores its rounded E at once: a failing second step leaves the first one's.
void ComputePrecisionError(const Recalculation& r) {
    ModelState& state = r.state;
    state.PrecisionError = Rounded(Divide(r.Z() * r.deviation, Root(r.n())));
    if (r.finite) state.PrecisionError = Rounded(r.E() * r.InverseFiniteFactor());
}

FieldTexts RecalculatePrecisionError(const Recalculation& r) {
    ModelState& state = r.state;
    auto texts = Protected(state.DependentVariable, [&]() -> FieldTexts {
        ComputePrecisionError(r);
        return {{Field::E, r.Text(state.PrecisionError)}};
    });
    // E must stay usable as a divisor; the field keeps the computed text.
    if (state.PrecisionError <= kZero) state.PrecisionError = kSmallestError;
    return texts;
}

FieldTexts RecalculateSampleSize(const Recalculation& r) {
    ModelState& state = r.state;
    auto texts = Protected(state.DependentVariable, [&]() -> FieldTexts {
        state.SampleSize = Rounded(Squared(Divide(r.Z() * r.deviation, r.E())));
        if (r.finite) {
            state.SampleSize = Rounded(Divide(r.N(), Divide(r.N() - 1, r.n()) + 1));
        }
        // Rounded to four decimals first, so a value whole up to noise stays whole.
        state.SampleSize = Up(state.SampleSize);
        return {{Field::n, r.Text(state.SampleSize)}};
    });
    if (state.SampleSize < kOne) state.SampleSize = kOne;
    return texts;
}

FieldTexts RecalculatePopulationSize(const Recalculation& r) {
    ModelState& state = r.state;
    auto texts = Protected(state.DependentVariable, [&]() -> FieldTexts {
        const long double spread = Squared(r.Z() * r.deviation);
        const long double error = Squared(r.E());
        state.PopulationSize = Rounded(Divide(spread - error, Divide(spread, r.n()) - error));
        state.PopulationSize = Up(state.PopulationSize);
        return {{Field::N, r.Text(state.PopulationSize)}};
    });
    if (state.PopulationSize < kOne) texts.front().text = kBadResultText;
    return texts;
}

}  // namespace

// Outside any case's protection: a negative V ends the whole recalculation. d × V is formed in
// extended precision; for d = 1 it is V itself.
Quantity StandardDeviationOf(Quantity variance, Quantity designEffect) {
    if (variance < kZero) throw InvalidFloatingPointOperation();
    return Rounded(std::sqrt(designEffect.value() * variance.value()));
}

std::optional<Quantity> PrecisionErrorShown(ModelState state, Population population,
                                            Quantity designEffect) {
    const Recalculation r{state, population == Population::Finite, '.', designEffect,
                          StandardDeviationOf(state.PopulationVariance, designEffect).value()};
    try {
        ComputePrecisionError(r);
    } catch (const ArithmeticError&) {
        return std::nullopt;
    }
    return state.PrecisionError;
}

FieldTexts RecalculateDependent(ModelState& state, Population population, char separator,
                                Quantity designEffect) {
    const Recalculation r{state, population == Population::Finite, separator, designEffect,
                          StandardDeviationOf(state.PopulationVariance, designEffect).value()};
    switch (state.DependentVariable) {
        case 1:
            return RecalculateVariance(r);
        case 2:
            return RecalculateDistance(r);
        case 3:
            return RecalculatePrecisionError(r);
        case 4:
            return RecalculateSampleSize(r);
        case 5:
            return RecalculatePopulationSize(r);
        default:
            return {};
    }
}

}  // namespace vek
