// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/grid_chart.h"

#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "explore/spanish.h"

namespace vek::explore {

namespace {

using planning::Grid;
using planning::Variable;

constexpr int kAboutSixTicks = 6;
constexpr double kOrdersOfMagnitude = 100;
constexpr double kSmallestStep = 0.0001;  // a quantity's resolution
// A curve of more points than a chart has pixels across draws no better: longer sweeps are
// thinned to about this many.
constexpr std::int64_t kMostPoints = 500;
// Room the chart leaves around its plot: margins and the horizontal axis' labels and title
// below it; margins and the vertical axis' title and labels beside it.
constexpr int kAroundThePlot = 90;
constexpr int kBesideThePlot = 120;
// Twelve colours told apart at a glance, one for each curve (the theme's repeat after five).
constexpr QRgb kCurveColours[kMostCurves] = {0x4e79a7, 0xf28e2b, 0xe15759, 0x76b7b2,
                                             0x59a14f, 0xedc948, 0xb07aa1, 0xff9da7,
                                             0x9c755f, 0x17becf, 0x2f4b7c, 0xbab0ac};
constexpr qreal kCurveWidth = 2;
// The main screen's point: the table's highlight, ringed.
const QColor kNearestFill(255, 255, 160);
const QColor kNearestRing(0, 0, 0);
constexpr qreal kNearestSize = 12;
// A legend entry's marker and the gaps around it, in multiples of the font's height.
constexpr double kMarkerHeights = 2.5;
// A document's text, as a share of its height.
constexpr int kDocumentLines = 48;

QString Text(long double value, char separator) {
    return QString::fromStdString(QuantityToText(Rounded(value), separator));
}

// The round tick step (1, 2 or 5 times a power of ten) that gives the nearest to six ticks over
// the span.
double TickStep(double span, double smallest) {
    const double power = std::pow(10.0, std::floor(std::log10(span / kAboutSixTicks)));
    double best = power;
    for (const double factor : {2.0, 5.0, 10.0}) {
        const auto ticks = [span](double step) { return std::abs(span / step - kAboutSixTicks); };
        if (ticks(factor * power) < ticks(best)) best = factor * power;
    }
    return std::max(best, smallest);
}

// Labels on round values between `low` and `high`, and the range they cover.
struct Ticks {
    double low = 0;
    double high = 1;
    QList<std::pair<QString, double>> labels;
};

// `label` turns a plotted value into its text.
template <class Label>
Ticks RoundTicks(double low, double high, double smallestStep, Label label) {
    if (!(high > low)) {
        low -= 1;
        high += 1;
    }
    Ticks ticks{low, high, {}};
    const double step = TickStep(high - low, smallestStep);
    // The ticks are accumulated, and the bound allows for it, as the chart always drew them.
    // NOLINTNEXTLINE(clang-analyzer-security.FloatLoopCounter)
    for (double tick = std::ceil(low / step) * step; tick <= high + step / 1e6; tick += step) {
        ticks.labels.append({label(tick), tick});
    }
    return ticks;
}

// The chart's axis on that side, made once and kept: a new axis lays its labels out afresh.
QCategoryAxis* AxisAt(QChart& chart, Qt::Alignment side) {
    const QList<QAbstractAxis*> axes =
        chart.axes(side == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical);
    if (!axes.isEmpty()) return static_cast<QCategoryAxis*>(axes.constFirst());
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTruncateLabels(false);
    chart.addAxis(axis, side);
    return axis;
}

// Changes only what differs, as every change lays the chart out again.
void ShowTicks(QCategoryAxis& axis, const Ticks& ticks, const QString& title) {
    if (axis.titleText() != title) axis.setTitleText(title);
    QStringList labels;
    for (const auto& [text, value] : ticks.labels)
        labels << text;
    if (axis.categoriesLabels() != labels || axis.startValue() != ticks.low) {
        for (const QString& old : axis.categoriesLabels())
            axis.remove(old);
        axis.setStartValue(ticks.low);
        for (const auto& [text, value] : ticks.labels)
            axis.append(text, value);
    }
    axis.setRange(ticks.low, ticks.high);
}

// The chart's curves, one for each drawn column, then the point of the main screen: the ones it
// has where their number is right, so that their drawn items stay.
std::pair<QList<QLineSeries*>, QScatterSeries*> Curves(QChart& chart, qsizetype count) {
    QList<QLineSeries*> curves;
    QScatterSeries* current = nullptr;
    for (QAbstractSeries* series : chart.series()) {
        if (auto* curve = qobject_cast<QLineSeries*>(series)) curves << curve;
        if (auto* point = qobject_cast<QScatterSeries*>(series)) current = point;
    }
    if (curves.size() == count && current != nullptr) return {curves, current};
    chart.removeAllSeries();
    curves.clear();
    QAbstractAxis* horizontal = AxisAt(chart, Qt::AlignBottom);
    QAbstractAxis* vertical = AxisAt(chart, Qt::AlignLeft);
    const auto added = [&](QXYSeries* series) {
        chart.addSeries(series);
        series->attachAxis(horizontal);
        series->attachAxis(vertical);
    };
    for (qsizetype i = 0; i < count; ++i) {
        auto* curve = new QLineSeries;
        curve->setPen(QPen(QColor(kCurveColours[i % kMostCurves]), kCurveWidth));
        curves << curve;
        added(curve);
    }
    current = new QScatterSeries;
    current->setName(QStringLiteral("Pantalla principal"));
    current->setColor(kNearestFill);
    current->setBorderColor(kNearestRing);
    current->setMarkerSize(kNearestSize);
    added(current);
    return {curves, current};
}

// The rows a curve is drawn through: all of them, or about kMostPoints spread evenly, the last
// among them.
std::vector<std::int64_t> DrawnRows(const Grid& grid) {
    const std::int64_t rows = grid.rows();
    const std::int64_t stride = std::max<std::int64_t>(1, (rows + kMostPoints - 1) / kMostPoints);
    std::vector<std::int64_t> drawn;
    for (std::int64_t row = 0; row < rows; row += stride)
        drawn.push_back(row);
    if (drawn.back() != rows - 1) drawn.push_back(rows - 1);
    return drawn;
}

QString VerticalTitle(const Grid& grid, bool contacts) {
    if (contacts) return QStringLiteral("Contactos necesarios");
    return TitleOf(planning::VariableOf(grid.base.dependent()));
}

// The document's fonts in pixels, in proportion to its height, so that they read at its size.
void UseDocumentFonts(QChart& chart, int height) {
    const int pixels = height / kDocumentLines;
    QFont text = chart.font();
    text.setPixelSize(pixels);
    QFont title = text;
    title.setBold(true);
    title.setPixelSize(pixels * 4 / 3);
    chart.setTitleFont(title);
    chart.legend()->setFont(text);
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsFont(text);
        QFont axisTitle = text;
        axisTitle.setBold(true);
        axis->setTitleFont(axisTitle);
    }
}

// The legend below the chart where its entries fit `width` in one row, else beside it: a
// document's height holds every entry.
void PlaceLegend(QChart& chart, qreal width) {
    const QFontMetricsF metrics(chart.legend()->font());
    qreal needed = 0;
    for (QLegendMarker* marker : chart.legend()->markers()) {
        needed += metrics.horizontalAdvance(marker->label()) + kMarkerHeights * metrics.height();
    }
    const qreal available = width - chart.margins().left() - chart.margins().right();
    chart.legend()->setAlignment(needed <= available ? Qt::AlignBottom : Qt::AlignRight);
}

}  // namespace

std::vector<std::int64_t> DrawnColumns(const Grid& grid) {
    const std::int64_t columns = grid.columns();
    std::vector<std::int64_t> drawn;
    if (columns <= kMostCurves) {
        for (std::int64_t column = 0; column < columns; ++column)
            drawn.push_back(column);
        return drawn;
    }
    for (std::int64_t i = 0; i < kMostCurves; ++i)
        drawn.push_back(i * (columns - 1) / (kMostCurves - 1));
    // The nearest column takes the place of the drawn one closest to it.
    auto closest = std::min_element(drawn.begin(), drawn.end(), [&](auto a, auto b) {
        return std::abs(a - grid.nearestColumn) < std::abs(b - grid.nearestColumn);
    });
    *closest = grid.nearestColumn;
    return drawn;
}

bool SpansOrdersOfMagnitude(const Grid& grid, bool contacts) {
    long double low = 0;
    long double high = 0;
    for (const std::int64_t column : DrawnColumns(grid)) {
        for (const std::int64_t row : DrawnRows(grid)) {
            const std::optional<Quantity> value = grid.plotted(row, column, contacts);
            if (!value || value->scaled() <= 0) continue;
            low = low == 0 ? value->value() : std::min(low, value->value());
            high = std::max(high, value->value());
        }
    }
    return low > 0 && high / low > kOrdersOfMagnitude;
}

QString ShowGrid(QChart& chart, const ChartRequest& request) {
    const Grid& grid = *request.grid;
    const char separator = grid.base.separator();
    const Variable rowVariable = grid.sweeps[0].variable();
    const Variable columnVariable = grid.sweeps[1].variable();
    const auto plotted = [&](Quantity value) -> std::optional<double> {
        if (!request.logarithmic) return static_cast<double>(value.value());
        if (value.scaled() <= 0) return std::nullopt;
        return std::log10(static_cast<double>(value.value()));
    };

    double low = 0;
    double high = 0;
    bool any = false;
    QString summary;
    const std::vector<std::int64_t> columns = DrawnColumns(grid);
    const std::vector<std::int64_t> rows = DrawnRows(grid);
    const auto [curves, current] = Curves(chart, static_cast<qsizetype>(columns.size()));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::int64_t column = columns[i];
        QLineSeries* curve = curves[static_cast<qsizetype>(i)];
        const QString name = ValueLabel(columnVariable, grid.sweeps[1].at(column), separator);
        if (curve->name() != name) curve->setName(name);
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(rows.size()));
        for (const std::int64_t row : rows) {
            const auto value = grid.plotted(row, column, request.contacts);
            const auto y = value ? plotted(*value) : std::nullopt;
            if (!y) continue;
            points.append({static_cast<double>(grid.sweeps[0].at(row).value()), *y});
            low = any ? std::min(low, *y) : *y;
            high = any ? std::max(high, *y) : *y;
            any = true;
        }
        curve->replace(points);
        if (!points.isEmpty()) {
            const auto first = grid.plotted(0, column, request.contacts);
            const auto last = grid.plotted(grid.rows() - 1, column, request.contacts);
            summary += name + QStringLiteral(": de ") +
                       (first ? Text(first->value(), separator) : QStringLiteral("—")) +
                       QStringLiteral(" a ") +
                       (last ? Text(last->value(), separator) : QStringLiteral("—")) +
                       QStringLiteral("; ");
        }
    }
    QList<QPointF> nearest;
    if (const auto value = grid.plotted(grid.nearestRow, grid.nearestColumn, request.contacts)) {
        if (const auto y = plotted(*value)) {
            nearest.append({static_cast<double>(grid.sweeps[0].at(grid.nearestRow).value()), *y});
        }
    }
    current->replace(nearest);

    const double left = static_cast<double>(grid.sweeps[0].at(0).value());
    const double right = static_cast<double>(grid.sweeps[0].at(grid.rows() - 1).value());
    ShowTicks(*AxisAt(chart, Qt::AlignBottom),
              RoundTicks(std::min(left, right), std::max(left, right), kSmallestStep,
                         [&](double x) { return Text(x, separator); }),
              TitleOf(rowVariable));
    const QString verticalTitle = VerticalTitle(grid, request.contacts);
    ShowTicks(
        *AxisAt(chart, Qt::AlignLeft),
        request.logarithmic
            ? RoundTicks(std::floor(low), std::ceil(high), 1,
                         [&](double k) { return Text(std::pow(10.0L, k), separator); })
            : RoundTicks(low, high, kSmallestStep, [&](double y) { return Text(y, separator); }),
        verticalTitle);
    QString told = QStringLiteral("%1 curvas de %2 frente a %3")
                       .arg(columns.size())
                       .arg(verticalTitle, TitleOf(rowVariable));
    if (static_cast<std::int64_t>(columns.size()) < grid.columns()) {
        told += QStringLiteral(" (de %1 columnas)").arg(grid.columns());
    }
    return told + QStringLiteral(". ") + summary.chopped(summary.isEmpty() ? 0 : 2) +
           QLatin1Char('.');
}

void PaintChart(QPainter& painter, const QRectF& target, const QSizeF& layout,
                const std::function<void(QChart&)>& draw) {
    // A chart of its own in a scene of its own, laid out at the document's size: a grab of the
    // window's chart would keep what the screen had to cut short.
    QGraphicsScene scene;
    auto* chart = new QChart;
    scene.addItem(chart);  // owns the chart
    draw(*chart);
    UseDocumentFonts(*chart, static_cast<int>(layout.height()));
    PlaceLegend(*chart, layout.width());
    const QRectF laid(QPointF(), layout);
    chart->setGeometry(laid);
    scene.render(&painter, target, laid);
}

QByteArray ChartDocument(const ChartRequest& request, QSize size, bool svg) {
    const auto draw = [&request](QChart& chart) {
        ShowGrid(chart, request);
        chart.setTitle(ChartTitle(*request.grid, request.contacts));
    };
    const QRectF page(QPointF(), size);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(page);
        generator.setTitle(ChartTitle(*request.grid, request.contacts));
        QPainter painter(&generator);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintChart(painter, page, page.size(), draw);
    } else {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintChart(painter, page, page.size(), draw);
        painter.end();
        image.save(&buffer, "PNG");
    }
    return buffer.data();
}

void ShowRoundTicks(QCategoryAxis& axis, double low, double high, char separator,
                    const QString& title) {
    // Up to the first round value at or above `high`, so that nothing drawn reaches the edge.
    const double step = TickStep(high - low, kSmallestStep);
    ShowTicks(axis,
              RoundTicks(low, std::ceil(high / step) * step, kSmallestStep,
                         [&](double y) { return Text(y, separator); }),
              title);
}

QString LegendText(const QChart& chart) {
    QStringList entries;
    for (const QAbstractSeries* series : chart.series()) {
        const auto* curve = qobject_cast<const QXYSeries*>(series);
        if (curve == nullptr) continue;
        // The main screen's point is ringed, as it is drawn.
        const auto* point = qobject_cast<const QScatterSeries*>(curve);
        const QColor colour = point != nullptr ? point->borderColor() : curve->color();
        const QString mark = point != nullptr ? QStringLiteral("◉") : QStringLiteral("■");
        // No break inside an entry: "■ 95 %" stays together.
        entries << QStringLiteral("<span style=\"color:%1\">%2</span>&nbsp;%3")
                       .arg(colour.name(), mark,
                            series->name().toHtmlEscaped().replace(QLatin1Char(' '),
                                                                   QStringLiteral("&nbsp;")));
    }
    return entries.join(QStringLiteral(" &nbsp; "));
}

QSize LeastChartSize(const QChart& chart) {
    QFont title = chart.font();
    title.setBold(true);
    const QFontMetrics metrics(title);
    int widest = 0;
    for (const Variable variable : {Variable::V, Variable::Z, Variable::prob, Variable::E,
                                    Variable::n, Variable::N, Variable::p}) {
        widest = std::max(widest, metrics.horizontalAdvance(TitleOf(variable)));
    }
    return {widest + kBesideThePlot, widest + kAroundThePlot};
}

}  // namespace vek::explore
