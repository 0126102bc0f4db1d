// SPDX-License-Identifier: GPL-3.0-or-later
// The one outside setting the program consults: the decimal symbol of the regional settings.
#pragma once

namespace vek::platform {

// The first character of the system locale's decimal symbol; '.' when there is none or it is
// not a single-byte character.
char SystemDecimalSeparator();

}  // namespace vek::platform
