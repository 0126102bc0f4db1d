// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/design_report.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextTable>

#include "explore/grid_chart.h"

namespace vek::explore {

namespace {

// Dots per inch of the document's layout: fine enough that text is placed as it is printed.
constexpr int kDotsPerInch = 300;
constexpr qreal kPointsPerInch = 72;
constexpr qreal kMarginMillimetres = 20;
constexpr qreal kChartHeightPerWidth = 0.65;
constexpr int kChartFormat = QTextFormat::UserObject + 1;
constexpr qreal kTitlePoints = 16;
constexpr qreal kHeadingPoints = 12;
constexpr qreal kTextPoints = 10;
constexpr qreal kTablePoints = 7;
constexpr qreal kCommandPoints = 8;
constexpr qreal kHeadingGap = 12;

// The chart, an object of the text drawn by its own painter: vectors on the PDF's page.
class ChartObject final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    ChartObject(std::function<void(QChart&)> draw, QSizeF size)
        : draw_(std::move(draw)), size_(size) {}

    QSizeF intrinsicSize(QTextDocument* /*document*/, int /*position*/,
                         const QTextFormat& /*format*/) override {
        return size_;
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* /*document*/,
                    int /*position*/, const QTextFormat& /*format*/) override {
        // Laid out in points, so that its fonts read as the text's do.
        const qreal points = kPointsPerInch / kDotsPerInch;
        PaintChart(*painter, rect, rect.size() * points, draw_);
    }

private:
    std::function<void(QChart&)> draw_;
    QSizeF size_;
};

QTextCharFormat Font(qreal points, bool bold = false, bool mono = false) {
    QTextCharFormat format;
    format.setFontFamilies(
        {mono ? QStringLiteral("Liberation Mono") : QStringLiteral("Liberation Sans")});
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

class Composer {
public:
    // One edit: the document is laid out once, at the end, not after every cell.
    explicit Composer(QTextDocument& document) : cursor_(&document) { cursor_.beginEditBlock(); }
    ~Composer() { cursor_.endEditBlock(); }
    Composer(const Composer&) = delete;
    Composer& operator=(const Composer&) = delete;

    void Block(const QString& text, const QTextCharFormat& format, qreal gapBefore = 0) {
        QTextBlockFormat block;
        block.setTopMargin(gapBefore);
        if (first_) {
            cursor_.setBlockFormat(block);
            cursor_.setBlockCharFormat(format);
            first_ = false;
        } else {
            cursor_.insertBlock(block, format);
        }
        cursor_.insertText(text, format);
    }

    void Lines(const QString& text, const QTextCharFormat& format) {
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (!line.isEmpty()) Block(line, format);
        }
    }

    void Heading(const QString& text) { Block(text, Font(kHeadingPoints, true), kHeadingGap); }

    void Table(const QList<QStringList>& lines) {
        if (lines.isEmpty()) return;
        const QList<qsizetype> columns = FilledColumns(lines);
        Block(QString(), Font(kTablePoints));
        QTextTableFormat format;
        format.setHeaderRowCount(1);
        format.setBorder(1);
        format.setBorderCollapse(true);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellSpacing(0);
        format.setCellPadding(2);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        QTextTable* table = cursor_.insertTable(static_cast<int>(lines.size()),
                                                static_cast<int>(columns.size()), format);
        for (qsizetype row = 0; row < lines.size(); ++row) {
            for (qsizetype c = 0; c < columns.size(); ++c) {
                QTextCursor cell =
                    table->cellAt(static_cast<int>(row), static_cast<int>(c)).firstCursorPosition();
                // Names on the left, numbers on the right.
                QTextBlockFormat aligned;
                aligned.setAlignment(c == 0 ? Qt::AlignLeft : Qt::AlignRight);
                cell.setBlockFormat(aligned);
                cell.insertText(lines[row].value(columns[c]), Font(kTablePoints, row == 0));
            }
        }
        cursor_.movePosition(QTextCursor::End);
    }

    void Chart() {
        QTextCharFormat object;
        object.setObjectType(kChartFormat);
        Block(QString(), Font(kTextPoints));
        cursor_.insertText(QString(QChar::ObjectReplacementCharacter), object);
    }

private:
    // The columns with some text below the header.
    static QList<qsizetype> FilledColumns(const QList<QStringList>& lines) {
        QList<qsizetype> filled;
        for (qsizetype c = 0; c < lines.front().size(); ++c) {
            for (qsizetype row = 1; row < lines.size(); ++row) {
                if (!lines[row].value(c).isEmpty()) {
                    filled << c;
                    break;
                }
            }
        }
        return filled;
    }

    QTextCursor cursor_;
    bool first_ = true;
};

void Compose(QTextDocument& document, const DesignReport& report, const QDate& date) {
    Composer composer(document);
    composer.Block(report.title, Font(kTitlePoints, true));
    composer.Block(QLocale(QLocale::Spanish, QLocale::Spain)
                       .toString(date, QStringLiteral("d 'de' MMMM 'de' yyyy")),
                   Font(kTextPoints));
    composer.Heading(QStringLiteral("Ficha técnica"));
    composer.Lines(report.sheet, Font(kTextPoints));
    composer.Heading(QStringLiteral("Párrafo para el protocolo"));
    composer.Block(report.paragraph, Font(kTextPoints));
    composer.Heading(report.tableTitle);
    composer.Table(report.table);
    composer.Heading(QStringLiteral("Gráfico"));
    composer.Chart();
    composer.Heading(QStringLiteral("Orden de vek-calc que lo reproduce"));
    composer.Lines(report.command, Font(kCommandPoints, false, true));
}

}  // namespace

QByteArray DesignPdf(const DesignReport& report, const QDate& date) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kDotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    writer.setTitle(report.title);
    writer.setCreator(QStringLiteral("VEK"));

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    const QSizeF page = writer.pageLayout().paintRectPixels(kDotsPerInch).size();
    document.setPageSize(page);
    document.setDocumentMargin(0);
    ChartObject chart(report.chart, QSizeF(page.width(), page.width() * kChartHeightPerWidth));
    document.documentLayout()->registerHandler(kChartFormat, &chart);
    Compose(document, report, date);

    QPainter painter(&writer);
    for (int number = 0; number < document.pageCount(); ++number) {
        if (number > 0) writer.newPage();
        const QRectF shown(QPointF(0, number * page.height()), page);
        painter.save();
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
    return buffer.data();
}

}  // namespace vek::explore

#include "design_report.moc"
