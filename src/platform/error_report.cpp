// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/error_report.h"

#include "platform/dialogs.h"

namespace vek::platform {

QString ErrorReportText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

void ReportError(const QString& message) {
    dialogs().message(nullptr, MessageIcon::Error, QString::fromLatin1(kProgramTitle),
                      ErrorReportText(message));
}

}  // namespace vek::platform
