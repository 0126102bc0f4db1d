// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/quantity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace vek {

namespace {

constexpr long double kTwoTo63 = 0x1p63L;
constexpr std::uint64_t kMaxPositiveMagnitude = std::numeric_limits<std::int64_t>::max();
constexpr std::uint64_t kMaxNegativeMagnitude = kMaxPositiveMagnitude + 1;

// With more integer digits than this a scaled value cannot fit in 64 bits.
constexpr std::int64_t kMaxScaledDigits = 19;
// Far beyond any exponent that can still give a quantity, and far from overflowing.
constexpr std::int64_t kExponentCap = 1'000'000'000;
constexpr std::int64_t kScaleDigits = 4;

class TextReader {
public:
    explicit TextReader(std::string_view text) : text_(text) {}

    void SkipSpaces() {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }
    bool Take(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    std::string_view TakeDigits() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9')
            ++pos_;
        return text_.substr(start, pos_ - start);
    }
    [[nodiscard]] bool AtEnd() const { return pos_ == text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The value of the text as digits times a power of ten; the power already counts the four
// decimals of a quantity, so the scaled value is digits × 10^shift.
struct ScaledDecimal {
    bool negative = false;
    std::string digits;  // no leading or trailing zeros; empty for zero
    std::int64_t shift = 0;
};

bool TakeSign(TextReader& reader) {
    if (reader.Take('-')) return true;
    reader.Take('+');
    return false;
}

std::int64_t TakeExponent(TextReader& reader) {
    if (!reader.Take('e') && !reader.Take('E')) return 0;
    const bool negative = TakeSign(reader);
    std::int64_t exponent = 0;
    for (const char digit : reader.TakeDigits()) {
        exponent = std::min(exponent * 10 + (digit - '0'), kExponentCap);
    }
    return negative ? -exponent : exponent;
}

void DropInsignificantZeros(ScaledDecimal& number) {
    std::string& digits = number.digits;
    const std::size_t last = digits.find_last_not_of('0');
    if (last == std::string::npos) {
        digits.clear();
        return;
    }
    number.shift += static_cast<std::int64_t>(digits.size() - last - 1);
    digits.erase(last + 1);
    digits.erase(0, digits.find_first_not_of('0'));
}

std::optional<ScaledDecimal> ParseDecimal(std::string_view text, char separator) {
    TextReader reader(text);
    reader.SkipSpaces();
    ScaledDecimal number;
    number.negative = TakeSign(reader);
    const std::string_view integer = reader.TakeDigits();
    const bool hasSeparator = reader.Take(separator);
    const std::string_view fraction = hasSeparator ? reader.TakeDigits() : std::string_view{};
    if (integer.empty() && !hasSeparator) return std::nullopt;
    const std::int64_t exponent = TakeExponent(reader);
    reader.SkipSpaces();
    if (!reader.AtEnd()) return std::nullopt;

    number.digits.reserve(integer.size() + fraction.size());
    number.digits.append(integer).append(fraction);
    number.shift = exponent - static_cast<std::int64_t>(fraction.size()) + kScaleDigits;
    DropInsignificantZeros(number);
    return number;
}

// Digits as an integer; the caller keeps them to at most 19, so they fit in 64 bits unsigned.
std::uint64_t DigitsValue(std::string_view digits) {
    std::uint64_t value = 0;
    for (const char digit : digits)
        value = value * 10 + static_cast<std::uint64_t>(digit - '0');
    return value;
}

// Whether the dropped digits, read as a fraction of the last kept digit, round it up: above a
// half always, at exactly a half only towards an even result. The dropped digits end in a
// non-zero digit, so a 5 followed by anything is above a half.
bool RoundsUp(std::string_view dropped, std::uint64_t kept) {
    if (dropped.empty() || dropped.front() < '5') return false;
    if (dropped.front() > '5' || dropped.size() > 1) return true;
    return kept % 2 != 0;
}

// The magnitude of the scaled value, rounded half to even; nullopt when it cannot fit.
std::optional<std::uint64_t> ScaledMagnitude(const ScaledDecimal& number) {
    const auto length = static_cast<std::int64_t>(number.digits.size());
    if (length == 0) return 0;
    const std::int64_t wholeDigits = length + number.shift;
    if (wholeDigits > kMaxScaledDigits) return std::nullopt;
    if (wholeDigits < 0) return 0;
    if (number.shift >= 0) {
        std::uint64_t value = DigitsValue(number.digits);
        for (std::int64_t i = 0; i < number.shift; ++i)
            value *= 10;
        return value;
    }
    const std::string_view digits = number.digits;
    const std::uint64_t kept = DigitsValue(digits.substr(0, wholeDigits));
    return kept + (RoundsUp(digits.substr(wholeDigits), kept) ? 1 : 0);
}

std::int64_t Negated(std::uint64_t magnitude) {
    if (magnitude == 0) return 0;
    return -static_cast<std::int64_t>(magnitude - 1) - 1;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// What a file of numbers holds by the million: up to 14 whole digits, then up to 4 decimals
// after the separator; no sign, blank or exponent. Read straight into the scaled integer, which
// is what the general reading gives them; nothing for any other text.
std::optional<Quantity> PlainDecimal(std::string_view text, char separator) {
    constexpr std::size_t kMaxWholeDigits = 14;
    std::int64_t scaled = 0;
    std::size_t at = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        if (at == kMaxWholeDigits) return std::nullopt;
        scaled = scaled * 10 + (text[at] - '0');
    }
    if (at == 0) return std::nullopt;
    std::size_t decimals = 0;
    if (at < text.size()) {
        decimals = text.size() - at - 1;
        if (text[at] != separator || decimals > kScaleDigits) return std::nullopt;
        for (++at; at < text.size(); ++at) {
            if (!IsDigit(text[at])) return std::nullopt;
            scaled = scaled * 10 + (text[at] - '0');
        }
    }
    constexpr std::array<std::int64_t, kScaleDigits + 1> kUnits = {10000, 1000, 100, 10, 1};
    return Quantity::FromScaled(scaled * kUnits[decimals]);
}

}  // namespace

// Taken on the scaled integer.
Quantity Up(Quantity q) {
    const std::int64_t scaled = q.scaled();
    const std::int64_t remainder = scaled % Quantity::kScale;
    // Whole, or negative: cutting towards zero already goes up.
    if (remainder <= 0) return Quantity::FromScaled(scaled - remainder);
    const std::int64_t missing = Quantity::kScale - remainder;
    if (scaled > std::numeric_limits<std::int64_t>::max() - missing) {
        throw ArithmeticError("result outside the range of a quantity");
    }
    return Quantity::FromScaled(scaled + missing);
}

Quantity Rounded(long double x) {
    // The default rounding mode, never changed here, sends exact halves to the even neighbour.
    const long double scaled = std::rintl(x * Quantity::kScale);
    if (!(scaled >= -kTwoTo63 && scaled < kTwoTo63)) {
        throw ArithmeticError("result outside the range of a quantity");
    }
    return Quantity::FromScaled(static_cast<std::int64_t>(scaled));
}

std::optional<Quantity> QuantityFromText(std::string_view text, char separator) {
    if (const std::optional<Quantity> plain = PlainDecimal(text, separator)) return plain;
    const std::optional<ScaledDecimal> number = ParseDecimal(text, separator);
    if (!number) return std::nullopt;
    const std::optional<std::uint64_t> magnitude = ScaledMagnitude(*number);
    if (!magnitude) return std::nullopt;
    if (number->negative) {
        if (*magnitude > kMaxNegativeMagnitude) return std::nullopt;
        return Quantity::FromScaled(Negated(*magnitude));
    }
    if (*magnitude > kMaxPositiveMagnitude) return std::nullopt;
    return Quantity::FromScaled(static_cast<std::int64_t>(*magnitude));
}

namespace {

// "00" … "99": two digits a step, half the divisions.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes the last `count` digits of `value` before `end`; returns where they start.
char* WriteDigits(char* end, std::uint32_t value, int count) {
    for (; count >= 2; count -= 2, value /= 100) {
        const std::size_t pair = 2 * static_cast<std::size_t>(value % 100);
        end -= 2;
        end[0] = kDigitPairs[pair];
        end[1] = kDigitPairs[pair + 1];
    }
    if (count == 1) *--end = static_cast<char>('0' + value % 10);
    return end;
}

// Writes every digit of `value` before `end`; returns where they start.
char* WriteNumber(char* end, std::uint32_t value) {
    for (; value >= 100; value /= 100)
        end = WriteDigits(end, value % 100, 2);
    return WriteDigits(end, value, value >= 10 ? 2 : 1);
}

// The number of decimal digits of `value`, 1 for 0.
int DigitCount(std::uint64_t value) {
    int count = 1;
    for (; value >= 10000; value /= 10000)
        count += 4;
    return count + (value >= 10 ? 1 : 0) + (value >= 100 ? 1 : 0) + (value >= 1000 ? 1 : 0);
}

// Writes every digit of `value` before `end`. Vek-calc writes millions of these, so the digits
// are taken two at a time in the narrowest integer that holds them.
void WriteWhole(char* end, std::uint64_t value) {
    for (; value > std::numeric_limits<std::uint32_t>::max(); value /= 10)
        *--end = static_cast<char>('0' + value % 10);
    WriteNumber(end, static_cast<std::uint32_t>(value));
}

}  // namespace

// The length is counted first, so that the digits are written in place from the last one: the
// whole part, then the decimals without their trailing zeros.
char* WriteQuantity(char* out, Quantity q, char separator) {
    const bool negative = q.scaled() < 0;
    // Unsigned arithmetic takes the magnitude of the most negative value too.
    const auto bits = static_cast<std::uint64_t>(q.scaled());
    const std::uint64_t magnitude = negative ? 0 - bits : bits;
    if (negative) *out++ = '-';
    const std::uint64_t whole = magnitude / Quantity::kScale;
    out += DigitCount(whole);
    WriteWhole(out, whole);
    auto decimals = static_cast<std::uint32_t>(magnitude % Quantity::kScale);
    if (decimals == 0) return out;
    int count = kScaleDigits;
    for (; decimals % 10 == 0; --count)
        decimals /= 10;
    *out++ = separator;
    out += count;
    WriteDigits(out, decimals, count);
    return out;
}

std::string QuantityToText(Quantity q, char separator) {
    return std::string(QuantityChars(q, separator).view());
}

}  // namespace vek
