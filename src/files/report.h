// The text report that justifies the current result: Windows-1252, CR LF after every line.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

#include "model/state.h"

namespace vek {

struct ReportInput {
    const ModelState& state;
    Population population;
    // The texts the fields Edit1 … Edit6 show, indexed by Field number - 1; the result quotes
    // the dependent field(s) as displayed.
    std::array<QString, 6> fieldTexts;
    std::int64_t secondsOfInteraction = 0;
    char separator = ',';
};

QByteArray BuildReport(const ReportInput& input);

// What the report quotes as the result: the dependent field's text, for Z with prob's; cut to
// 255 characters.
QString ResultText(const ReportInput& input);

// `text` right-aligned in width + 1 columns; a longer text unchanged.
QString PadLeft(const QString& text, int width);

}  // namespace vek
