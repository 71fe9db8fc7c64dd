#include "results/progress_chart.h"

#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPalette>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace vorlant {
namespace {

const char *const kLongestName = QT_TRANSLATE_NOOP("ProgressChart", "Nejdelší zopakovaná řada");
const char *const kMeanName = QT_TRANSLATE_NOOP("ProgressChart", "Průměrná délka");
const char *const kSuccessName = QT_TRANSLATE_NOOP("ProgressChart", "Úspěšnost %");
const char *const kSpanName = QT_TRANSLATE_NOOP("ProgressChart", "Odhad rozpětí");

// Dates as the language writes them; the time of day as well when the tests lie only a few
// days apart.
const char *const kDateFormat = QT_TRANSLATE_NOOP("ProgressChart", "d. M. yyyy");
const char *const kDateTimeFormat = QT_TRANSLATE_NOOP("ProgressChart", "d. M. yyyy H:mm");
constexpr qint64 kDayMs = 24 * 60 * 60 * 1000;
constexpr qint64 kShortSpanMs = 3 * kDayMs;
constexpr double kDateLabelPixels = 90;
constexpr double kDateTimeLabelPixels = 125;
// Qt Charts draws a line series' points with this radius, not diameter.
constexpr double kMarkerSize = 3.5;

QString Tr(const char *text)
{
    return QCoreApplication::translate("ProgressChart", text);
}

// The numbers' locale goes with the language the chart speaks.
QLocale TextLocale()
{
    //: The locale whose decimal separator the chart's numbers use.
    const QString name = QCoreApplication::translate("ProgressChart", "cs_CZ");
    return QLocale(name);
}

QLineSeries *MakeSeries(const QString &name, const QColor &colour)
{
    auto *series = new QLineSeries;
    series->setName(name);
    QPen pen(colour);
    pen.setWidthF(1.5);
    series->setPen(pen);
    series->setPointsVisible(true);
    series->setMarkerSize(kMarkerSize);
    return series;
}

QString Decimal(double value)
{
    return TextLocale().toString(value, 'f', 1);
}

} // namespace

QString DescribePoint(const ProgressPoint &point)
{
    return QStringLiteral("%1\n%2: %3\n%4: %5\n%6: %7")
        .arg(point.fileName, Tr(kLongestName), QString::number(point.summary.longestSuccess),
             Tr(kMeanName), Decimal(point.summary.meanLength), Tr(kSuccessName),
             Decimal(point.summary.successPercent));
}

ProgressChart::ProgressChart()
    : longest_(MakeSeries(Tr(kLongestName), QColor(0, 90, 200))),
      mean_(MakeSeries(Tr(kMeanName), QColor(0, 150, 60))),
      success_(MakeSeries(Tr(kSuccessName), QColor(220, 110, 0))),
      span_(MakeSeries(Tr(kSpanName), QColor(140, 50, 170))), timeAxis_(new QDateTimeAxis),
      lengthAxis_(new QValueAxis), percentAxis_(new QValueAxis)
{
    setAnimationOptions(QChart::NoAnimation);
    setDropShadowEnabled(false);
    setBackgroundRoundness(0);
    layout()->setContentsMargins(0, 0, 0, 0);
    setBackgroundBrush(QGuiApplication::palette().color(QPalette::Button));
    setPlotAreaBackgroundBrush(Qt::white);
    setPlotAreaBackgroundVisible(true);
    legend()->setAlignment(Qt::AlignBottom);

    timeAxis_->setTitleText(Tr(QT_TRANSLATE_NOOP("ProgressChart", "Datum testu")));
    lengthAxis_->setTitleText(Tr(QT_TRANSLATE_NOOP("ProgressChart", "Délka řady")));
    lengthAxis_->setLabelFormat(QStringLiteral("%g"));
    percentAxis_->setTitleText(Tr(kSuccessName));
    percentAxis_->setLabelFormat(QStringLiteral("%d"));
    percentAxis_->setRange(0, 100);
    percentAxis_->setTickCount(6);
    percentAxis_->setGridLineVisible(false); // the length axis's lines are enough
    addAxis(timeAxis_, Qt::AlignBottom);
    addAxis(lengthAxis_, Qt::AlignLeft);
    addAxis(percentAxis_, Qt::AlignRight);

    for (QLineSeries *series : {longest_, mean_, success_, span_}) {
        addSeries(series);
        series->attachAxis(timeAxis_);
        series->attachAxis(series == success_ ? percentAxis_ : lengthAxis_);
    }

    connect(this, &QChart::plotAreaChanged, this, &ProgressChart::FitToPlotArea);
    Fill(QString(), {});
}

void ProgressChart::Fill(const QString &person, std::vector<ProgressPoint> tests)
{
    setTitle(Tr(QT_TRANSLATE_NOOP("ProgressChart", "Vývoj výsledků – %1")).arg(person));
    std::stable_sort(tests.begin(), tests.end(),
                     [](const ProgressPoint &a, const ProgressPoint &b) {
                         return a.when < b.when || (a.when == b.when && a.fileName < b.fileName);
                     });
    tests_ = std::move(tests);

    QList<QPointF> longest, mean, success, span;
    longest.reserve(tests_.size());
    mean.reserve(tests_.size());
    success.reserve(tests_.size());
    times_.clear();
    times_.reserve(tests_.size());
    double highest = 0;
    for (const ProgressPoint &test : tests_) {
        const qint64 x = test.when.toMSecsSinceEpoch();
        times_.push_back(x);
        longest.append({double(x), double(test.summary.longestSuccess)});
        mean.append({double(x), test.summary.meanLength});
        success.append({double(x), test.summary.successPercent});
        if (test.summary.spanEstimate)
            span.append({double(x), *test.summary.spanEstimate});
        highest = std::max({highest, double(test.summary.longestSuccess), test.summary.meanLength,
                            test.summary.spanEstimate.value_or(0)});
    }
    // Each series at once: a point at a time would lay the chart out again for every one.
    longest_->replace(longest);
    mean_->replace(mean);
    success_->replace(success);
    span_->replace(span);

    // A margin on either side keeps the first and last points off the axes.
    qint64 first = times_.empty() ? QDateTime::currentMSecsSinceEpoch() : times_.front();
    qint64 last = times_.empty() ? first : times_.back();
    const qint64 margin = std::max<qint64>((last - first) / 30, 60 * 60 * 1000);
    first -= margin;
    last += margin;
    timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(first),
                        QDateTime::fromMSecsSinceEpoch(last));
    timeAxis_->setFormat(Tr(last - first <= kShortSpanMs ? kDateTimeFormat : kDateFormat));

    // A cell of room above the highest point keeps it off the chart's top edge.
    lengthAxis_->setRange(0, std::ceil(highest) + 1);
    lengthAxis_->applyNiceNumbers();
    FitToPlotArea();
}

void ProgressChart::FitToPlotArea()
{
    const bool withTime = timeAxis_->format() == Tr(kDateTimeFormat);
    const double labelPixels = withTime ? kDateTimeLabelPixels : kDateLabelPixels;
    const int ticks = std::clamp(static_cast<int>(plotArea().width() / labelPixels) + 1, 2, 8);
    if (timeAxis_->tickCount() != ticks)
        timeAxis_->setTickCount(ticks);
}

QLineSeries &ProgressChart::Series(Value value) const
{
    switch (value) {
    case Value::Longest:
        return *longest_;
    case Value::Mean:
        return *mean_;
    case Value::SpanEstimate:
        return *span_;
    case Value::SuccessPercent:
        break;
    }
    return *success_;
}

QPointF ProgressChart::PositionOf(int index, Value value)
{
    QLineSeries &series = Series(value);
    return mapToPosition(series.at(index), &series);
}

int ProgressChart::TestNear(const QPointF &position, double radius)
{
    if (times_.empty())
        return -1;
    // The x values are the same in every series; search the times within radius pixels.
    const double x = mapToValue(position, longest_).x();
    const double dx = std::abs(mapToValue(position + QPointF(radius, 0), longest_).x() - x);
    const auto begin = std::lower_bound(times_.begin(), times_.end(), qint64(std::floor(x - dx)));
    const auto end = std::upper_bound(begin, times_.end(), qint64(std::ceil(x + dx)));
    int nearest = -1;
    double nearestDistance = radius;
    for (auto at = begin; at != end; ++at) {
        const int index = static_cast<int>(at - times_.begin());
        for (Value value : {Value::Longest, Value::Mean, Value::SuccessPercent}) {
            const QPointF offset = PositionOf(index, value) - position;
            const double distance = std::hypot(offset.x(), offset.y());
            if (distance <= nearestDistance) {
                nearestDistance = distance;
                nearest = index;
            }
        }
    }
    return nearest;
}

} // namespace vorlant
