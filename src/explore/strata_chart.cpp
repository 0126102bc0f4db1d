// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/strata_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <algorithm>

#include "explore/grid_chart.h"
#include "explore/spanish.h"

namespace vek::explore {

namespace {

const QColor kBars(0x4e, 0x79, 0xa7);
const QColor kLine(0xe1, 0x57, 0x59);
constexpr qreal kLineWidth = 2;
constexpr double kLeastError = 0.0001;  // a quantity's resolution

QString Text(Quantity value, char separator) {
    return QString::fromStdString(QuantityToText(value, separator));
}

}  // namespace

QString ShowStrata(QChart& chart, const planning::StratifiedDesign& design, char separator) {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    const std::size_t drawn = std::min(design.strata.size(), kMostBars);
    auto* sizes = new QBarSet(QStringLiteral("Tamaño de la muestra (n)"));
    sizes->setColor(kBars);
    auto* errors = new QLineSeries;
    errors->setName(QStringLiteral("Error de precisión (E), a la derecha"));
    errors->setPen(QPen(kLine, kLineWidth));
    QStringList names;
    double mostN = 0;
    double mostE = 0;
    QString summary;
    for (std::size_t h = 0; h < drawn; ++h) {
        const planning::StratumResult& result = design.results[h];
        const QString name = QString::fromStdString(design.strata[h].name);
        names << name;
        sizes->append(static_cast<double>(result.n));
        errors->append(static_cast<double>(h), static_cast<double>(result.error.value()));
        mostN = std::max(mostN, static_cast<double>(result.n));
        mostE = std::max(mostE, static_cast<double>(result.error.value()));
        summary += QStringLiteral("; %1: n %2, E %3")
                       .arg(name)
                       .arg(result.n)
                       .arg(Text(result.error, separator));
    }
    auto* bars = new QBarSeries;
    bars->append(sizes);
    chart.addSeries(bars);
    chart.addSeries(errors);

    // The legend names the bars and the line; the axes need no titles of their own.
    auto* strata = new QBarCategoryAxis;
    strata->append(names);
    auto* n = new QCategoryAxis;
    n->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    ShowRoundTicks(*n, 0, std::max(mostN, 1.0), separator, {});
    auto* e = new QCategoryAxis;
    e->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    ShowRoundTicks(*e, 0, std::max(mostE, kLeastError), separator, {});
    e->setLinePenColor(kLine);
    e->setLabelsColor(kLine);
    e->setGridLineVisible(false);
    for (const auto& [axis, side] :
         {std::pair<QAbstractAxis*, Qt::Alignment>{strata, Qt::AlignBottom},
          {n, Qt::AlignLeft},
          {e, Qt::AlignRight}}) {
        axis->setTruncateLabels(false);
        chart.addAxis(axis, side);
    }
    bars->attachAxis(strata);
    bars->attachAxis(n);
    errors->attachAxis(strata);
    errors->attachAxis(e);

    QString told = QStringLiteral("n y E de %1 estratos").arg(design.strata.size());
    if (drawn < design.strata.size()) told += QStringLiteral(" (los %1 primeros)").arg(drawn);
    return told + summary + QLatin1Char('.');
}

QString StrataChartTitle(const planning::StratifiedDesign& design, const ScreenSession& screen) {
    return QStringLiteral("n y E por estrato; afijación: %1; %2")
        .arg(MethodTitle(design.method), DistanceAndConfidence(screen));
}

}  // namespace vek::explore
