#include "results/chart_attempts.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QLegend>
#include <QPalette>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace vorlant {
namespace {

// Bars as wide as Qt Charts draws them by default leave gaps that hide whole bars once a bar
// is narrower than a few pixels; then the bars touch instead.
constexpr double kBarWidth = 0.7;
constexpr double kDenseBarWidth = 1.0;
constexpr double kDenseSlotPixels = 3.0;

// Room that one axis label needs along its axis, so that labels never crowd into "...".
constexpr double kBottomLabelPixels = 60;
constexpr double kLeftLabelPixels = 24;
constexpr int kMostSteps = 10;

// The smallest step of 1, 2 or 5 times a power of ten that splits the span into at most
// the given number of steps, so that every label is a whole number.
double WholeTickInterval(double span, int steps)
{
    for (double decade = 1;; decade *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            if (span / (factor * decade) <= steps)
                return factor * decade;
        }
    }
}

int StepsThatFit(double axisPixels, double labelPixels)
{
    return std::clamp(static_cast<int>(axisPixels / labelPixels), 1, kMostSteps);
}

void SetUpWholeNumberAxis(QValueAxis &axis, const QString &title)
{
    axis.setTitleText(title);
    // "%d" rather than "##0": Qt Charts draws no labels for a format it cannot read.
    axis.setLabelFormat(QStringLiteral("%d"));
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    axis.setMinorTickCount(0);
}

void SetTickInterval(QValueAxis &axis, double span, int steps)
{
    const double interval = WholeTickInterval(span, steps);
    if (axis.tickInterval() != interval)
        axis.setTickInterval(interval);
}

} // namespace

AttemptsChart::AttemptsChart()
    : series_(new QBarSeries), bottomAxis_(new QValueAxis), leftAxis_(new QValueAxis)
{
    setTitle(QCoreApplication::translate("AttemptsChart", "Přehled pokusů"));
    legend()->hide();
    setAnimationOptions(QChart::NoAnimation);
    setDropShadowEnabled(false);
    setBackgroundRoundness(0);
    layout()->setContentsMargins(0, 0, 0, 0); // the background fills the whole chart
    setBackgroundBrush(QGuiApplication::palette().color(QPalette::Button));
    setPlotAreaBackgroundBrush(Qt::white);
    setPlotAreaBackgroundVisible(true);

    series_->setLabelsVisible(false);
    series_->setBarWidth(kBarWidth);
    addSeries(series_);

    // A value axis, not a category axis: one with 1001 categories draws no labels at all.
    SetUpWholeNumberAxis(*bottomAxis_,
                         QCoreApplication::translate("AttemptsChart", "Číslo pokusu"));
    SetUpWholeNumberAxis(*leftAxis_,
                         QCoreApplication::translate("AttemptsChart", "Počet hádaných čísel"));
    addAxis(bottomAxis_, Qt::AlignBottom);
    addAxis(leftAxis_, Qt::AlignLeft);
    series_->attachAxis(bottomAxis_);
    series_->attachAxis(leftAxis_);

    connect(this, &QChart::plotAreaChanged, this, &AttemptsChart::FitToPlotArea);
    Fill(LogRecords{});
}

void AttemptsChart::Fill(const LogRecords &log)
{
    const int count = RecordCount(log);
    QList<qreal> heights;
    QList<int> failures;
    heights.reserve(count);
    double tallest = 0;
    for (int i = 0; i < count; ++i) {
        heights.append(log[i].length);
        tallest = std::max<double>(tallest, log[i].length);
        if (!log[i].success)
            failures.append(i);
    }

    // One set coloured per bar (failures are its selected bars): bars are drawn in x order,
    // so where bars share a pixel column the later one shows, whatever its colour.
    series_->clear();
    bars_ = new QBarSet(QString());
    bars_->setColor(kSuccessBarColour);
    bars_->setSelectedColor(kFailureBarColour);
    bars_->setPen(Qt::NoPen);
    bars_->append(heights); // all at once: every single append lays the series out again
    bars_->selectBars(failures);
    series_->append(bars_);

    // Bars stand at x = 0 .. count-1; an empty chart keeps the axes of a single bar. The
    // steps are fitted before the ranges: a file may hold any length, and a range of two
    // billion in steps of one would be laid out tick by tick.
    bottomSpan_ = std::max(count, 1);
    leftSpan_ = tallest > 0 ? tallest : 1;
    FitToPlotArea();
    bottomAxis_->setRange(-0.5, bottomSpan_ - 0.5);
    leftAxis_->setRange(0, leftSpan_);
}

std::vector<ChartBar> AttemptsChart::Bars() const
{
    std::vector<ChartBar> bars;
    bars.reserve(bars_->count());
    for (int i = 0; i < bars_->count(); ++i) {
        const QColor colour = bars_->isBarSelected(i) ? bars_->selectedColor() : bars_->color();
        bars.push_back({i, bars_->at(i), colour});
    }
    return bars;
}

void AttemptsChart::FitToPlotArea()
{
    const QRectF area = plotArea();
    const double slotPixels = area.width() / std::max(bars_->count(), 1);
    series_->setBarWidth(slotPixels < kDenseSlotPixels ? kDenseBarWidth : kBarWidth);
    SetTickInterval(*bottomAxis_, bottomSpan_, StepsThatFit(area.width(), kBottomLabelPixels));
    SetTickInterval(*leftAxis_, leftSpan_, StepsThatFit(area.height(), kLeftLabelPixels));
}

} // namespace vorlant
