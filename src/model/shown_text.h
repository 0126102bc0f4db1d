// SPDX-License-Identifier: GPL-3.0-or-later
// The text of a field as the model writes it: a quantity or one of the model's short messages.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string_view>
#include <type_traits>

#include "model/quantity.h"

namespace vek {

// Held in place, not on the heap: a batch copies millions of them, and the longest (a negative
// quantity with 15 whole digits and 4 decimals) has 21 characters.
class ShownText {
public:
    static constexpr std::size_t kCapacity = 23;
    static_assert(kCapacity >= kMaxQuantityChars);

    constexpr ShownText() = default;
    // Not explicit, so that a field's text is written as the text it shows.
    constexpr ShownText(std::string_view text) : size_(static_cast<std::uint8_t>(text.size())) {
        if (text.size() > kCapacity) throw std::length_error("a field's text is too long");
        std::copy(text.begin(), text.end(), chars_.begin());
    }
    constexpr ShownText(const char* text) : ShownText(std::string_view(text)) {}
    // The quantity's text, written in place.
    ShownText(Quantity q, char separator)
        : size_(static_cast<std::uint8_t>(WriteQuantity(chars_.data(), q, separator) -
                                          chars_.data())) {}

    constexpr std::string_view view() const { return {chars_.data(), size_}; }
    constexpr operator std::string_view() const { return view(); }

    friend constexpr bool operator==(const ShownText& a, const ShownText& b) {
        return a.view() == b.view();
    }
    // With any other text: a string, a view or a literal.
    template <class Text>
    requires std::is_convertible_v<const Text&, std::string_view>
    friend constexpr bool operator==(const ShownText& a, const Text& b) {
        return a.view() == std::string_view(b);
    }
    friend std::ostream& operator<<(std::ostream& out, const ShownText& text) {
        return out << text.view();
    }

private:
    std::array<char, kCapacity> chars_{};
    std::uint8_t size_ = 0;
};

}  // namespace vek
