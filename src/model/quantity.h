// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal quantities: the values of the sampling model, with exactly four decimals.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vek {

// An arithmetic step failed: the root of a negative number, a division by zero (0/0 too) or a
// result outside the range of a quantity. Never a special value: the step stops.
class ArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value held as a signed 64-bit integer times 10000. Copies and comparisons work on the scaled
// integer; arithmetic happens in long double on value().
class Quantity {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Quantity() = default;
    static constexpr Quantity FromScaled(std::int64_t scaled) { return Quantity(scaled); }

    constexpr std::int64_t scaled() const { return scaled_; }
    long double value() const { return static_cast<long double>(scaled_) / kScale; }

    // clang-tidy 14 takes the literal 0 of the defaulted <=> for a null pointer.
    // NOLINTNEXTLINE(modernize-use-nullptr)
    friend constexpr auto operator<=>(Quantity, Quantity) = default;

private:
    constexpr explicit Quantity(std::int64_t scaled) : scaled_(scaled) {}
    std::int64_t scaled_ = 0;
};

// x as a quantity: x times 10000 rounded to the nearest integer, an exact half to the even
// neighbour. Throws ArithmeticError when x is not finite or the result does not fit.
Quantity Rounded(long double x);

// The smallest whole number not below q (a whole q unchanged). Throws ArithmeticError when
// that does not fit.
Quantity Up(Quantity q);

// The text a user typed, read with `separator` as decimal separator; nullopt when it is not a
// number or lies outside the range of a quantity.
std::optional<Quantity> QuantityFromText(std::string_view text, char separator);

// The shortest fixed-point text of q: no grouping, no exponent, at most four decimals.
std::string QuantityToText(Quantity q, char separator);

// The most characters of that text: a sign, 15 whole digits, the separator and 4 decimals.
inline constexpr std::size_t kMaxQuantityChars = 21;

// Writes the same text at `out`, which has room for kMaxQuantityChars; returns its end. For a
// writer of many values: no allocation and no copy.
char* WriteQuantity(char* out, Quantity q, char separator);

// The same text in a buffer of its own.
class QuantityChars {
public:
    QuantityChars(Quantity q, char separator)
        : size_(static_cast<std::size_t>(WriteQuantity(chars_.data(), q, separator) -
                                         chars_.data())) {}
    std::string_view view() const { return {chars_.data(), size_}; }

private:
    std::array<char, kMaxQuantityChars> chars_;
    std::size_t size_;
};

}  // namespace vek
