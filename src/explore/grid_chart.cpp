// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/grid_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <algorithm>
#include <cmath>

using vek::planning::Grid;
using vek::planning::Variable;

namespace {

constexpr int kAboutSixTicks = 6;
constexpr double kOrdersOfMagnitude = 100;
constexpr double kSmallestStep = 0.0001;  // a quantity's resolution

QString Text(long double value, char separator) {
    return QString::fromStdString(vek::QuantityToText(vek::Rounded(value), separator));
}

// A round tick step (1, 2 or 5 times a power of ten) for about six ticks over the span.
double TickStep(double span, double smallest) {
    const double raw = span / kAboutSixTicks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw) return std::max(factor * power, smallest);
    }
    return std::max(10 * power, smallest);
}

// A category axis whose labels stand on round values between `low` and `high`; `label` turns
// a plotted value into its text.
template <class Label>
QCategoryAxis* RoundAxis(double low, double high, double smallestStep, Label label,
                         const QString& title) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTitleText(title);
    if (!(high > low)) {
        low -= 1;
        high += 1;
    }
    const double step = TickStep(high - low, smallestStep);
    axis->setRange(low, high);
    axis->setStartValue(low);
    // The ticks are accumulated, and the bound allows for it, as the chart always drew them.
    // NOLINTNEXTLINE(clang-analyzer-security.FloatLoopCounter)
    for (double tick = std::ceil(low / step) * step; tick <= high + step / 1e6; tick += step) {
        axis->append(label(tick), tick);
    }
    return axis;
}

template <class Visit>
void ForEachPoint(const Grid& grid, bool contacts, Visit visit) {
    for (std::int64_t column = 0; column < grid.columns(); ++column) {
        for (std::int64_t row = 0; row < grid.rows(); ++row) {
            if (const auto value = grid.plotted(row, column, contacts)) visit(row, column, *value);
        }
    }
}

}  // namespace

QString TitleOf(Variable variable) {
    switch (variable) {
        case Variable::V:
            return QStringLiteral("Varianza poblacional (V)");
        case Variable::Z:
            return QStringLiteral("Distancia estandarizada (Z)");
        case Variable::prob:
            return QStringLiteral("Probabilidad de error (prob)");
        case Variable::E:
            return QStringLiteral("Error de precisión (E)");
        case Variable::n:
        case Variable::contacts:
            return QStringLiteral("Tamaño de la muestra (n)");
        case Variable::N:
            return QStringLiteral("Tamaño de la población (N)");
        case Variable::p:
            return QStringLiteral("Proporción esperada (p)");
        case Variable::deff:
        case Variable::icc:
        case Variable::cluster_size:
            return QStringLiteral("Efecto de diseño");
        case Variable::response_rate:
            return QStringLiteral("Tasa de respuesta");
    }
    return {};
}

bool SpansOrdersOfMagnitude(const Grid& grid, bool contacts) {
    long double low = 0;
    long double high = 0;
    ForEachPoint(grid, contacts, [&](std::int64_t, std::int64_t, vek::Quantity value) {
        if (value.scaled() <= 0) return;
        low = low == 0 ? value.value() : std::min(low, value.value());
        high = std::max(high, value.value());
    });
    return low > 0 && high / low > kOrdersOfMagnitude;
}

QString ShowGrid(QChart& chart, const ChartRequest& request) {
    const Grid& grid = *request.grid;
    const char separator = grid.separator;
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes())
        chart.removeAxis(axis);
    const auto plotted = [&](vek::Quantity value) -> std::optional<double> {
        if (!request.logarithmic) return static_cast<double>(value.value());
        if (value.scaled() <= 0) return std::nullopt;
        return std::log10(static_cast<double>(value.value()));
    };

    std::vector<QLineSeries*> curves;
    double low = 0;
    double high = 0;
    bool any = false;
    QString summary;
    for (std::int64_t column = 0; column < grid.columns(); ++column) {
        auto* curve = new QLineSeries;
        curve->setName(QString::fromLatin1(vek::planning::NameOf(request.columns.variable).data()) +
                       QStringLiteral(" = ") + Text(grid.sweeps[1].at(column).value(), separator));
        QList<QPointF> points;
        for (std::int64_t row = 0; row < grid.rows(); ++row) {
            const auto value = grid.plotted(row, column, request.contacts);
            const auto y = value ? plotted(*value) : std::nullopt;
            if (!y) continue;
            points.append({static_cast<double>(grid.sweeps[0].at(row).value()), *y});
            low = any ? std::min(low, *y) : *y;
            high = any ? std::max(high, *y) : *y;
            any = true;
        }
        curve->replace(points);
        curves.push_back(curve);
        chart.addSeries(curve);
        if (!points.isEmpty()) {
            const auto first = grid.plotted(0, column, request.contacts);
            const auto last = grid.plotted(grid.rows() - 1, column, request.contacts);
            summary += curve->name() + QStringLiteral(": de ") +
                       (first ? Text(first->value(), separator) : QStringLiteral("—")) +
                       QStringLiteral(" a ") +
                       (last ? Text(last->value(), separator) : QStringLiteral("—")) +
                       QStringLiteral("; ");
        }
    }
    auto* current = new QScatterSeries;
    current->setName(QStringLiteral("Pantalla principal"));
    if (const auto value = grid.plotted(grid.nearestRow, grid.nearestColumn, request.contacts)) {
        if (const auto y = plotted(*value)) {
            current->append(static_cast<double>(grid.sweeps[0].at(grid.nearestRow).value()), *y);
        }
    }
    chart.addSeries(current);

    const double left = static_cast<double>(grid.sweeps[0].at(0).value());
    const double right = static_cast<double>(grid.sweeps[0].at(grid.rows() - 1).value());
    QCategoryAxis* horizontal = RoundAxis(
        std::min(left, right), std::max(left, right), kSmallestStep,
        [&](double x) { return Text(x, separator); }, TitleOf(request.rows.variable));
    const QString verticalTitle =
        request.contacts
            ? QStringLiteral("Contactos necesarios")
            : TitleOf(grid.cells.empty() ? Variable::n
                                         : vek::planning::VariableOf(grid.cells.front().dependent));
    QCategoryAxis* vertical =
        request.logarithmic
            ? RoundAxis(
                  std::floor(low), std::ceil(high), 1,
                  [&](double k) { return Text(std::pow(10.0L, k), separator); }, verticalTitle)
            : RoundAxis(
                  low, high, kSmallestStep, [&](double y) { return Text(y, separator); },
                  verticalTitle);
    chart.addAxis(horizontal, Qt::AlignBottom);
    chart.addAxis(vertical, Qt::AlignLeft);
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(horizontal);
        series->attachAxis(vertical);
    }
    return QStringLiteral("%1 curvas de %2 frente a %3. ")
               .arg(grid.columns())
               .arg(verticalTitle, TitleOf(request.rows.variable)) +
           summary.chopped(summary.isEmpty() ? 0 : 2) + QLatin1Char('.');
}
