// SPDX-License-Identifier: GPL-3.0-or-later
// Recalculation of the dependent variable: the one place of the sampling formulas.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "model/shown_text.h"
#include "model/state.h"

namespace vek {

inline constexpr std::string_view kInputErrorText = "Error de entrada";
inline constexpr std::string_view kBadResultText = "Mal resultado";

// A negative V: the standard deviation fails before any case can catch it. The program-wide
// error report shows this text.
class InvalidFloatingPointOperation : public std::runtime_error {
public:
    InvalidFloatingPointOperation() : std::runtime_error("Invalid floating point operation") {}
};

struct FieldText {
    Field field;
    ShownText text;
    friend bool operator==(const FieldText&, const FieldText&) = default;
};

// What an operation writes into the fields: one field's text, or Z's and prob's together. Held
// in place rather than on the heap, as a batch writes them millions of times.
class FieldTexts {
public:
    FieldTexts() = default;
    // Not explicit: `return {{field, text}}` reads as the pair's two texts do.
    FieldTexts(FieldText text) { Add(text); }
    FieldTexts(FieldText text, FieldText partner) {
        Add(text);
        Add(partner);
    }

    void Add(FieldText text) { texts_.at(size_++) = text; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    FieldText& operator[](std::size_t i) { return texts_.at(i); }
    const FieldText& operator[](std::size_t i) const { return texts_.at(i); }
    FieldText& front() { return (*this)[0]; }
    const FieldText& front() const { return (*this)[0]; }
    FieldText* begin() { return texts_.data(); }
    FieldText* end() { return texts_.data() + size_; }
    const FieldText* begin() const { return texts_.data(); }
    const FieldText* end() const { return texts_.data() + size_; }

    friend bool operator==(const FieldTexts& a, const FieldTexts& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    std::array<FieldText, 2> texts_;
    std::size_t size_ = 0;
};

// The design effect of simple random sampling itself.
inline constexpr Quantity kNoDesignEffect = Quantity::FromScaled(Quantity::kScale);

// Computes the dependent variable from the others, stores it (with prob when Z is dependent)
// and returns the text of its field or fields. A failing step leaves what earlier steps
// stored. Nothing happens for a code outside 1 … 5. Throws InvalidFloatingPointOperation for
// a negative V, before storing anything.
//
// A design effect d > 0 scales the variance: S is the rounded √(d × V), and a dependent V is
// the design's variance divided by d. With d = 1 every result is simple random sampling's.
FieldTexts RecalculateDependent(ModelState& state, Population population, char separator,
                                Quantity designEffect = kNoDesignEffect);

// S = rounded(√(d × V)), the standard deviation every case starts from. Throws
// InvalidFloatingPointOperation for a negative V and ArithmeticError when S does not fit.
Quantity StandardDeviationOf(Quantity variance, Quantity designEffect);

// The E that the E field shows with E dependent: the computation's own value, 0 included, before
// the range check keeps the stored E above 0. nullopt where the field shows "Error de entrada".
std::optional<Quantity> PrecisionErrorShown(ModelState state, Population population,
                                            Quantity designEffect = kNoDesignEffect);

}  // namespace vek
