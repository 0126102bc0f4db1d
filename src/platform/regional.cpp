// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regional.h"

#include <QLocale>

namespace vek::platform {

char SystemDecimalSeparator() {
    const QString symbol = QLocale::system().decimalPoint();
    if (symbol.isEmpty() || symbol.front().unicode() > 0x7f) return '.';
    return symbol.front().toLatin1();
}

}  // namespace vek::platform
