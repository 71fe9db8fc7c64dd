#include "store/test_summary.h"
#include "tests/store/store_test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace vorlant {
namespace {

using test::MakeLog;

// Lengths as the level rule moves them, with the turns counted by hand.
TEST(SpanEstimate, TheMeanLevelOfTheTurnsOnceThereAreTwo)
{
    const struct
    {
        const char *name;
        std::vector<int> lengths;
        std::optional<double> estimate;
    } cases[] = {
        {"no attempt", {}, std::nullopt},
        {"one length throughout", {4, 4, 4, 4, 4, 4}, std::nullopt},
        {"only rising: no turn", {4, 4, 4, 4, 4, 5, 5, 5, 5, 6}, std::nullopt},
        {"one turn", {4, 4, 4, 4, 4, 5, 5, 5, 5, 4}, std::nullopt},
        {"a peak at 5, then a trough at 4", {4, 4, 4, 4, 4, 5, 5, 5, 5, 4, 4, 4, 5}, 4.5},
        {"three turns", {3, 4, 5, 4, 3, 4, 5, 6, 5}, (5 + 3 + 6) / 3.0},
        {"a fall first: a trough, then a peak", {6, 5, 4, 5, 6, 5}, (4 + 6) / 2.0},
        {"steps of several cells count as one change", {2, 5, 5, 3, 3, 4}, (5 + 3) / 2.0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SpanEstimate(c.lengths), c.estimate);
    }
}

TEST(TestSummary, MeasuresOfTheFinishedAttempts)
{
    const struct
    {
        const char *name;
        LogRecords log;
        int attempts, successes, errors, longest;
        double meanLength, successPercent;
        std::optional<double> span, secondsPerItem;
    } cases[] = {
        {"no finished attempt", LogRecords{}, 0, 0, 0, 0, 0, 0, std::nullopt, std::nullopt},
        {"no success: no time per item", MakeLog({{4, false, 900}, {4, false, 1200}}), 2, 0, 2, 0,
         4, 0, std::nullopt, std::nullopt},
        // 4: 2000 ms / 4, 5: 3000 ms / 5 and 5: 2500 ms / 5 → (0.5 + 0.6 + 0.5) / 3 s.
        {"mixed, with one turn only",
         MakeLog(
             {{4, true, 2000}, {4, false, 700}, {5, true, 3000}, {5, true, 2500}, {4, false, 300}}),
         5, 3, 2, 5, 4.4, 60, std::nullopt, 1.6 / 3},
        // Eight attempts of 4 cells and five of 5 cells, 1 s each; turns at 5 and at 4.
        {"the worked example",
         MakeLog({{4, true, 1000},
                  {4, true, 1000},
                  {4, true, 1000},
                  {4, true, 1000},
                  {4, true, 1000},
                  {5, true, 1000},
                  {5, true, 1000},
                  {5, false, 1000},
                  {5, false, 1000},
                  {4, true, 1000},
                  {4, true, 1000},
                  {4, true, 1000},
                  {5, true, 1000}}),
         13, 11, 2, 5, 57.0 / 13, 1100.0 / 13, 4.5, (8 * 0.25 + 3 * 0.2) / 11},
        {"the records after the first empty one do not count",
         MakeLog({{3, true, 1500}, {2, false, 900}, {0, false, 0}, {9, true, 1}}), 2, 1, 1, 3, 2.5,
         50, std::nullopt, 0.5},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const TestSummary got = SummariseLog(c.log);
        EXPECT_EQ(got.attempts, c.attempts);
        EXPECT_EQ(got.successes, c.successes);
        EXPECT_EQ(got.errors(), c.errors);
        EXPECT_EQ(got.longestSuccess, c.longest);
        EXPECT_DOUBLE_EQ(got.meanLength, c.meanLength);
        EXPECT_DOUBLE_EQ(got.successPercent, c.successPercent);
        EXPECT_EQ(got.spanEstimate, c.span);
        ASSERT_EQ(got.secondsPerItem.has_value(), c.secondsPerItem.has_value());
        if (c.secondsPerItem) {
            EXPECT_DOUBLE_EQ(*got.secondsPerItem, *c.secondsPerItem);
        }
    }
}

// Ended in its first attempt, which alone is saved, before any click or half answered: a file
// does not tell it from a test of one finished attempt. The chart shows its one bar; as a test
// among others it gives no measure and no success.
TEST(TestSummary, ATestOfOneRecordIsChartedButNotMeasured)
{
    for (const LogRecords &log : {MakeLog({{4, false, 0}}), MakeLog({{4, true, 900}})}) {
        EXPECT_EQ(SummariseLog(log), TestSummary{});
        const TestSummary charted = SummariseRecords(log);
        EXPECT_EQ(charted.attempts, 1);
        EXPECT_EQ(charted.successes, log[0].success ? 1 : 0);
    }
    EXPECT_EQ(SummariseLog(MakeLog({{4, true, 900}, {4, false, 800}})).attempts, 2);
}

} // namespace
} // namespace vorlant
