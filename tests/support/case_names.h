// SPDX-License-Identifier: GPL-3.0-or-later
// Table rows print as their names, not as bytes. A test file brings PrintTo into the namespace
// of its cases (`using vek::tests::PrintTo;`), where GoogleTest looks for it.
#pragma once

#include <ostream>

namespace vek::tests {

template <class Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

}  // namespace vek::tests
