#include "store/report_figures.h"

#include <cmath>

namespace vorlant {
namespace {

// A change smaller than half a cell is no change: the span estimates of two tests of the same
// person wander by that much, and the longest correct length moves by whole cells.
constexpr double kSmallestChange = 0.5;
// Below two weeks a period is told in days.
constexpr int kDaysTold = 14;

ReportTrend TrendBetween(double first, double latest)
{
    if (latest - first >= kSmallestChange)
        return ReportTrend::Grew;
    if (first - latest >= kSmallestChange)
        return ReportTrend::Fell;
    return ReportTrend::Stayed;
}

} // namespace

ReportFigures ComposeReportFigures(std::span<const DatedSummary> tests)
{
    ReportFigures figures;
    if (tests.empty())
        return figures;
    const DatedSummary &first = tests.front();
    const DatedSummary &latest = tests.back();
    figures.tests = static_cast<int>(tests.size());
    figures.days = DaysBetween(first.time, latest.time);
    if (figures.days < kDaysTold) {
        figures.periodCount = figures.days;
    } else {
        figures.periodUnit = PeriodUnit::Weeks;
        figures.periodCount = static_cast<int>(std::lround(figures.days / 7.0));
    }
    if (first.summary.spanEstimate && latest.summary.spanEstimate) {
        figures.first = *first.summary.spanEstimate;
        figures.latest = *latest.summary.spanEstimate;
    } else {
        figures.measure = ReportMeasure::LongestSuccess;
        figures.first = first.summary.longestSuccess;
        figures.latest = latest.summary.longestSuccess;
    }
    if (tests.size() > 1)
        figures.trend = TrendBetween(figures.first, figures.latest);
    return figures;
}

} // namespace vorlant
