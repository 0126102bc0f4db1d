// SPDX-License-Identifier: GPL-3.0-or-later
// The text report that justifies the current result: Windows-1252, CR LF after every line.
#pragma once

#include <QByteArray>
#include <QString>

#include "session/screen_session.h"

namespace vek {

QByteArray BuildReport(const ReportInput& input);

// `text` right-aligned in width + 1 columns; a longer text unchanged.
QString PadLeft(const QString& text, int width);

}  // namespace vek
