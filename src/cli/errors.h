// SPDX-License-Identifier: GPL-3.0-or-later
// Failures of a vek-calc run that end it with exit status 2 and nothing on stdout.
#pragma once

#include <stdexcept>

namespace vek::cli {

// The command line cannot be understood, or an action is one the screen would not allow.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vek::cli
