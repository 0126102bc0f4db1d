// SPDX-License-Identifier: GPL-3.0-or-later
// A broken property: named on stderr, then libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace vek::fuzz {

inline void Require(bool condition, const char* property) {
    if (condition) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

}  // namespace vek::fuzz

#define REQUIRE(condition) ::vek::fuzz::Require((condition), #condition)
