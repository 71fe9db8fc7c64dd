#include "results/person_report_page.h"

#include "results/chart_drawing.h"
#include "results/person_report_text.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPageLayout>
#include <QPainter>
#include <QTextLayout>
#include <QValueAxis>

#include <algorithm>
#include <span>

namespace vorlant {
namespace {

using Value = ProgressChart::Value;

// The body text's size follows the paint rectangle: about 46 of its characters across and 68
// of its lines down (11 points on A4 within margins of 15 mm), whichever is smaller.
constexpr double kBodyPerWidth = 46;
constexpr double kBodyPerHeight = 68;
// The chart's share of the page's height.
constexpr double kChartShare = 0.29;
// The table's columns, as shares of the width: date, attempts, success, longest, span.
constexpr double kColumnShares[] = {0.25, 0.13, 0.17, 0.24, 0.21};
const QColor kMuted(90, 90, 90);
const QColor kRule(170, 170, 170);
const QColor kHeaderFill(232, 232, 232);

QString Tr(const char *text)
{
    return QCoreApplication::translate("PersonReport", text);
}

QFont ReportFont(double points, QFont::Weight weight = QFont::Normal, bool italic = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(weight);
    font.setItalic(italic);
    return font;
}

// Text laid out in lines across a box. A draw shows the lines that fit into the box's height;
// when the text goes on below, its last shown line ends in "…".
class WrappedText
{
public:
    WrappedText(const QString &text, const QFont &font, QPaintDevice *device, double width,
                Qt::Alignment alignment = Qt::AlignLeft)
        : layout_(QString(text).replace(u'\n', QChar::LineSeparator), font, device),
          metrics_(font, device), width_(width)
    {
        QTextOption option(alignment);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout_.setTextOption(option);
        layout_.beginLayout();
        double y = 0;
        for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
            line.setLineWidth(width);
            line.setPosition({0, y});
            y += line.height();
        }
        layout_.endLayout();
    }

    double Height() const { return layout_.lineCount() ? layout_.boundingRect().height() : 0; }

    // Draws into box; returns the height drawn.
    double Draw(QPainter &painter, const QRectF &box) const
    {
        int shown = 0;
        while (shown < layout_.lineCount() && layout_.lineAt(shown).rect().bottom() <= box.height())
            ++shown;
        const bool cut = shown < layout_.lineCount();
        const int whole = cut ? shown - 1 : shown;
        for (int i = 0; i < whole; ++i)
            layout_.lineAt(i).draw(&painter, box.topLeft());
        if (cut && shown > 0) {
            const QTextLine last = layout_.lineAt(shown - 1);
            QString rest = layout_.text().mid(last.textStart()).simplified();
            rest.replace(QChar::LineSeparator, u' ');
            painter.setFont(layout_.font());
            painter.drawText(box.topLeft() + QPointF(0, last.y() + last.ascent()), CutShort(rest));
        }
        return shown ? layout_.lineAt(shown - 1).rect().bottom() : 0;
    }

private:
    // As much of text as one line holds, ending in " …" after its last whole word.
    QString CutShort(const QString &text) const
    {
        QString shown = metrics_.elidedText(text + QStringLiteral(" …"), Qt::ElideRight, width_);
        const qsizetype space = shown.lastIndexOf(u' ');
        if (shown.endsWith(QChar(0x2026)) && space > 0)
            shown = shown.left(space) + QStringLiteral(" …");
        return shown;
    }

    QTextLayout layout_;
    QFontMetricsF metrics_;
    double width_;
};

// One line of text in box, cut short with "…" when too long for it.
void DrawLine(QPainter &painter, const QFont &font, const QRectF &box, const QString &text,
              Qt::Alignment alignment = Qt::AlignLeft)
{
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(box, alignment | Qt::AlignVCenter,
                     metrics.elidedText(text, Qt::ElideRight, box.width()));
}

double LineHeight(const QFont &font, QPaintDevice *device)
{
    return QFontMetricsF(font, device).lineSpacing();
}

// The progress chart of the window, showing the longest correct length and the span estimate.
void DrawChart(QPainter &painter, const QRectF &box, const PersonReport &report)
{
    auto *chart = new ProgressChart;
    chart->Fill(report.person, report.tests);
    chart->setTitle(QString()); // the page's heading names the person
    chart->setBackgroundBrush(Qt::white);
    for (Value hidden : {Value::Mean, Value::SuccessPercent}) {
        QLineSeries &series = chart->Series(hidden);
        series.setVisible(false);
        for (QLegendMarker *marker : chart->legend()->markers(&series))
            marker->setVisible(false);
    }
    chart->PercentAxis().setVisible(false);
    RenderChart(painter, box, chart);
}

QString SpanText(const TestSummary &summary)
{
    return summary.spanEstimate ? report_text::Decimal(*summary.spanEstimate) : QStringLiteral("—");
}

// The latest tests, oldest first, one row each below a header; returns the height drawn.
double DrawTable(QPainter &painter, const QRectF &box, std::span<const ProgressPoint> tests,
                 const QFont &font, const QFont &headerFont)
{
    QPaintDevice *device = painter.device();
    const double rowHeight = 1.45 * LineHeight(font, device);
    const double headerHeight = 2 * LineHeight(headerFont, device) + 0.45 * rowHeight;
    const double pad = 0.2 * rowHeight;
    std::vector<double> lefts{box.left()};
    for (double share : kColumnShares)
        lefts.push_back(lefts.back() + share * box.width());

    const QRectF header(box.left(), box.top(), box.width(), headerHeight);
    painter.fillRect(header, kHeaderFill);
    const char *const headings[] = {
        QT_TRANSLATE_NOOP("PersonReport", "Datum"),
        QT_TRANSLATE_NOOP("PersonReport", "Pokusů"),
        QT_TRANSLATE_NOOP("PersonReport", "Úspěšnost %"),
        QT_TRANSLATE_NOOP("PersonReport", "Nejdelší zopakovaná řada"),
        QT_TRANSLATE_NOOP("PersonReport", "Odhad rozpětí"),
    };
    painter.setPen(Qt::black);
    for (std::size_t column = 0; column < std::size(headings); ++column) {
        const double width = lefts[column + 1] - lefts[column] - 2 * pad;
        const WrappedText text(Tr(headings[column]), headerFont, device, width, Qt::AlignHCenter);
        const double height = std::min(text.Height(), headerHeight - pad);
        text.Draw(painter, QRectF(lefts[column] + pad, box.top() + (headerHeight - height) / 2,
                                  width, headerHeight - pad));
    }

    double y = box.top() + headerHeight;
    for (const ProgressPoint &test : tests) {
        const TestSummary &summary = test.summary;
        const QString cells[] = {
            report_text::DateTime(test.when),
            QString::number(summary.attempts),
            report_text::Decimal(summary.successPercent),
            QString::number(summary.longestSuccess),
            SpanText(summary),
        };
        for (std::size_t column = 0; column < std::size(cells); ++column)
            DrawLine(painter, font,
                     QRectF(lefts[column] + pad, y, lefts[column + 1] - lefts[column] - 2 * pad,
                            rowHeight),
                     cells[column], column == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
        y += rowHeight;
        painter.setPen(QPen(kRule, 0));
        painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
        painter.setPen(Qt::black);
    }
    painter.setPen(QPen(kRule, 0));
    painter.drawRect(QRectF(box.left(), box.top(), box.width(), y - box.top()));
    painter.setPen(Qt::black);
    return y - box.top();
}

ReportFigures FiguresOf(const std::vector<ProgressPoint> &tests)
{
    std::vector<DatedSummary> dated;
    dated.reserve(tests.size());
    for (const ProgressPoint &test : tests) {
        const QDate date = test.when.date();
        const QTime time = test.when.time();
        dated.push_back(
            {{date.year(), date.month(), date.day(), time.hour(), time.minute()}, test.summary});
    }
    return ComposeReportFigures(dated);
}

} // namespace

std::vector<ProgressPoint> InTimeOrder(std::vector<ProgressPoint> tests)
{
    std::stable_sort(tests.begin(), tests.end(),
                     [](const ProgressPoint &a, const ProgressPoint &b) {
                         return a.when < b.when || (a.when == b.when && a.fileName < b.fileName);
                     });
    return tests;
}

QPageLayout PersonReportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

void DrawPersonReport(QPainter &painter, const QPageLayout &layout, const PersonReport &report)
{
    QPaintDevice *device = painter.device();
    const QRectF page(QPointF(0, 0), layout.paintRectPixels(device->logicalDpiX()).size());
    const QRectF points = layout.paintRect(QPageLayout::Point);
    const double body = std::min(points.width() / kBodyPerWidth, points.height() / kBodyPerHeight);
    const QFont bodyFont = ReportFont(body);
    const QFont boldFont = ReportFont(body, QFont::Bold);
    const QFont smallFont = ReportFont(0.85 * body);
    const QFont nameFont = ReportFont(1.9 * body, QFont::Bold);
    const double line = LineHeight(bodyFont, device);
    const auto lineBox = [&](double y, const QFont &font) {
        return QRectF(page.left(), y, page.width(), LineHeight(font, device));
    };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    double y = page.top();

    // The heading: who, over what period and how many tests, made when.
    painter.setPen(kMuted);
    DrawLine(painter, smallFont, lineBox(y, smallFont),
             Tr(QT_TRANSLATE_NOOP("PersonReport",
                                  "Zpráva o výsledcích testů krátkodobé zrakové paměti")));
    y += LineHeight(smallFont, device);
    painter.setPen(Qt::black);
    DrawLine(painter, nameFont, lineBox(y, nameFont), report.person);
    y += LineHeight(nameFont, device);
    const std::vector<ProgressPoint> &tests = report.tests;
    const int count = static_cast<int>(tests.size());
    if (count > 0) {
        const QDate first = tests.front().when.date();
        const QDate latest = tests.back().when.date();
        const QString period = first == latest ? report_text::Date(first)
                                               : report_text::Date(first) + QStringLiteral(" – ") +
                                                     report_text::Date(latest);
        DrawLine(
            painter, bodyFont, lineBox(y, bodyFont),
            QCoreApplication::translate("PersonReport", "Období: %1 · %n testů", nullptr, count)
                .arg(period));
    }
    y += line;
    painter.setPen(kMuted);
    DrawLine(painter, bodyFont, lineBox(y, bodyFont),
             Tr(QT_TRANSLATE_NOOP("PersonReport", "Zpráva vytvořena %1"))
                 .arg(report_text::Date(report.made.date())));
    y += 1.5 * line;
    painter.setPen(QPen(kRule, 0));
    painter.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    painter.setPen(Qt::black);
    y += 0.5 * line;

    // The progress chart.
    DrawLine(painter, boldFont, lineBox(y, boldFont),
             Tr(QT_TRANSLATE_NOOP("PersonReport", "Vývoj výsledků")));
    y += line;
    const double chartHeight = kChartShare * page.height();
    DrawChart(painter, QRectF(page.left(), y, page.width(), chartHeight), report);
    y += chartHeight + 0.6 * line;

    // The latest tests.
    const int shown = std::min(count, kReportTableTests);
    DrawLine(painter, boldFont, lineBox(y, boldFont),
             shown == count ? Tr(QT_TRANSLATE_NOOP("PersonReport", "Všechny testy"))
                            : QCoreApplication::translate("PersonReport", "Posledních %n testů",
                                                          nullptr, shown));
    y += 1.2 * line;
    y += DrawTable(painter, QRectF(page.left(), y, page.width(), 0),
                   std::span(tests).last(static_cast<std::size_t>(shown)), ReportFont(0.95 * body),
                   ReportFont(0.85 * body, QFont::Bold));
    y += line;

    // The closing sentence keeps the foot of the page; the paragraph and the note take what
    // lies between.
    painter.setPen(kMuted);
    const WrappedText closing(report_text::ClosingSentence(),
                              ReportFont(0.85 * body, QFont::Normal, true), device, page.width());
    const double closingTop = page.bottom() - closing.Height();
    closing.Draw(painter, QRectF(page.left(), closingTop, page.width(), closing.Height()));
    painter.setPen(Qt::black);
    const double bottom = closingTop - 0.8 * line;

    const WrappedText paragraph(report_text::Paragraph(FiguresOf(tests),
                                                       count ? tests.front().when.date() : QDate(),
                                                       count ? tests.back().when.date() : QDate()),
                                bodyFont, device, page.width());
    y += paragraph.Draw(painter, QRectF(page.left(), y, page.width(), std::max(0.0, bottom - y)));

    const QString note = report.note.trimmed();
    if (!note.isEmpty() && bottom - y >= 2.6 * line) {
        y += 0.6 * line;
        DrawLine(painter, boldFont, lineBox(y, boldFont),
                 Tr(QT_TRANSLATE_NOOP("PersonReport", "Poznámka:")));
        y += line;
        WrappedText(note, bodyFont, device, page.width())
            .Draw(painter, QRectF(page.left(), y, page.width(), bottom - y));
    }
    painter.restore();
}

} // namespace vorlant
