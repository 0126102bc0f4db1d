// SPDX-License-Identifier: GPL-3.0-or-later
// Any text read as a quantity, with either decimal separator: a text that converts must give
// back the same quantity through its own text; and every scaled value survives text and back.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "model/quantity.h"
#include "require.h"

namespace {

bool IsQuantityText(const std::string& text, char separator) {
    for (const char c : text) {
        if ((c < '0' || c > '9') && c != '-' && c != separator) return false;
    }
    return !text.empty();
}

void CheckRoundTrip(vek::Quantity q, char separator) {
    const std::string text = vek::QuantityToText(q, separator);
    REQUIRE(IsQuantityText(text, separator));
    const auto back = vek::QuantityFromText(text, separator);
    REQUIRE(back.has_value() && *back == q);
}

void CheckText(std::string_view text, char separator) {
    if (const auto q = vek::QuantityFromText(text, separator)) CheckRoundTrip(*q, separator);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckText(text, ',');
    CheckText(text, '.');
    if (size >= sizeof(std::int64_t)) {
        std::int64_t scaled = 0;
        std::memcpy(&scaled, data, sizeof scaled);
        CheckRoundTrip(vek::Quantity::FromScaled(scaled), ',');
        CheckRoundTrip(vek::Quantity::FromScaled(scaled), '.');
    }
    return 0;
}
