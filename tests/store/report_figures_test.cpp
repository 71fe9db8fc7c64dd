#include "store/report_figures.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace vorlant {
namespace {

// A test on the day, with its longest correct length and span estimate.
DatedSummary TestOn(int year, int month, int day, int longest, std::optional<double> span)
{
    TestSummary summary;
    summary.attempts = 12;
    summary.longestSuccess = longest;
    summary.spanEstimate = span;
    return {{year, month, day, 10, 30}, summary};
}

TEST(ReportFigures, ThePeriodInDaysThenWeeksAndTheMeasureOfTheFirstAndLatestTest)
{
    using enum ReportMeasure;
    using enum ReportTrend;
    using enum PeriodUnit;
    const struct
    {
        const char *name;
        std::vector<DatedSummary> tests;
        ReportFigures figures;
    } cases[] = {
        {"no test", {}, {}},
        {"one test: nothing to compare",
         {TestOn(2026, 3, 2, 5, 4.5)},
         {1, 0, Days, 0, SpanEstimate, 4.5, 4.5, std::nullopt}},
        {"one test too short for a span estimate",
         {TestOn(2026, 3, 2, 5, std::nullopt)},
         {1, 0, Days, 0, LongestSuccess, 5, 5, std::nullopt}},
        {"same day, the span estimate grew by half a cell",
         {TestOn(2026, 3, 2, 4, 4.0), TestOn(2026, 3, 2, 5, 4.5)},
         {2, 0, Days, 0, SpanEstimate, 4.0, 4.5, Grew}},
        {"less than half a cell is no change; the tests between do not count",
         {TestOn(2026, 3, 2, 5, 4.5), TestOn(2026, 3, 5, 9, 8.0), TestOn(2026, 3, 15, 5, 4.9)},
         {3, 13, Days, 13, SpanEstimate, 4.5, 4.9, Stayed}},
        {"two weeks and more are told in weeks; half a cell down is a fall",
         {TestOn(2026, 3, 1, 6, 5.0), TestOn(2026, 3, 15, 5, 4.5)},
         {2, 14, Weeks, 2, SpanEstimate, 5.0, 4.5, Fell}},
        {"45 days are about 6 weeks, 46 about 7",
         {TestOn(2026, 9, 1, 4, 4.0), TestOn(2026, 10, 16, 6, 5.5)},
         {2, 45, Weeks, 6, SpanEstimate, 4.0, 5.5, Grew}},
        {"46 days",
         {TestOn(2026, 9, 1, 4, 4.0), TestOn(2026, 10, 17, 4, 4.0)},
         {2, 46, Weeks, 7, SpanEstimate, 4.0, 4.0, Stayed}},
        {"the first test too short: the longest correct lengths instead",
         {TestOn(2024, 2, 28, 4, std::nullopt), TestOn(2024, 3, 1, 6, 5.5)},
         {2, 2, Days, 2, LongestSuccess, 4, 6, Grew}}, // 2024 is a leap year
        {"the latest test too short",
         {TestOn(2025, 12, 28, 6, 5.0), TestOn(2026, 1, 4, 6, std::nullopt)},
         {2, 7, Days, 7, LongestSuccess, 6, 6, Stayed}},
        {"a longest correct length one cell shorter",
         {TestOn(2025, 12, 28, 6, std::nullopt), TestOn(2026, 1, 4, 5, std::nullopt)},
         {2, 7, Days, 7, LongestSuccess, 6, 5, Fell}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ComposeReportFigures(c.tests), c.figures);
    }
}

} // namespace
} // namespace vorlant
