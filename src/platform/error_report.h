// SPDX-License-Identifier: GPL-3.0-or-later
// The program-wide error report: whatever a handler does not catch ends the handler and is
// shown in a message box; the program carries on.
#pragma once

#include <QString>
#include <exception>
#include <utility>

namespace vek::platform {

// The program's title, the caption of the error report.
inline constexpr const char* kProgramTitle = "VEK";

// The error's text with a full stop appended when it ends in a character that sorts after '.'.
QString ErrorReportText(const QString& message);

// Shows the error report for `message` (modal, error icon, one OK button).
void ReportError(const QString& message);

// Runs a handler and reports what escapes it: exceptions must not cross Qt's signal-slot
// boundary.
template <class Handler>
void Guarded(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        ReportError(QString::fromUtf8(error.what()));
    } catch (...) {
        ReportError(QStringLiteral("Unknown error"));
    }
}

// A slot that runs `handler` through Guarded; Qt drops the signal's arguments.
template <class Handler>
auto Guard(Handler handler) {
    return [handler = std::move(handler)]() { Guarded(handler); };
}

}  // namespace vek::platform
