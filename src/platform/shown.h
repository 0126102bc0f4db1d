// SPDX-License-Identifier: GPL-3.0-or-later
// The model, the session and planning write UTF-8; every window shows their texts through this.
#pragma once

#include <QString>
#include <string_view>

namespace vek::platform {

inline QString Shown(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vek::platform
