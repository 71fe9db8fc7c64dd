#pragma once

#include "store/local_time.h"
#include "store/test_summary.h"

#include <optional>
#include <span>

namespace vorlant {

// One test of a person as a report sees it: when it was taken and what it measured.
struct DatedSummary
{
    LocalTime time;
    TestSummary summary;
};

// The measure a report follows from the first test to the latest.
enum class ReportMeasure
{
    SpanEstimate,
    LongestSuccess // when the first or the latest test was too short for a span estimate
};

enum class ReportTrend
{
    Grew,
    Stayed,
    Fell
};

enum class PeriodUnit
{
    Days,
    Weeks
};

// What the paragraph of a person's report says, chosen from the figures of the tests; the
// words are left to the windows, which speak the program's language.
struct ReportFigures
{
    int tests = 0;
    int days = 0; // calendar days from the first test's date to the latest test's
    // The period as a reader takes it in: days below two weeks, else whole weeks.
    PeriodUnit periodUnit = PeriodUnit::Days;
    int periodCount = 0;
    ReportMeasure measure = ReportMeasure::SpanEstimate;
    double first = 0;  // the measure in the first test
    double latest = 0; // and in the latest
    // Absent with a single test, which has nothing to compare with.
    std::optional<ReportTrend> trend;

    friend bool operator==(const ReportFigures &, const ReportFigures &) = default;
};

// The figures of tests, given in time order; all zero without a test.
ReportFigures ComposeReportFigures(std::span<const DatedSummary> tests);

} // namespace vorlant
