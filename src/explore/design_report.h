// SPDX-License-Identifier: GPL-3.0-or-later
// "Informe del diseño (PDF)…": one A4 document of a design, its text kept as text and its chart
// painted as vectors at the page's width, for the protocol.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QChart;

namespace vek::explore {

struct DesignReport {
    QString title;
    QString sheet;  // the technical sheet, a line each
    QString paragraph;
    QString tableTitle;
    QList<QStringList> table;            // its header first; repeated on every page it spans
    std::function<void(QChart&)> chart;  // draws the chart, its title included
    QString command;                     // the vek-calc command that reproduces it
};

// The PDF of `report`, dated `date`: the title and the date, the sheet, the paragraph, the table
// (without its empty columns), the chart and the command, with the fonts embedded.
QByteArray DesignPdf(const DesignReport& report, const QDate& date);

// What the file dialog asks for it.
inline constexpr const char* kReportFileName = "diseño.pdf";

}  // namespace vek::explore
