#include "results/chart_attempts.h"
#include "results/chart_window.h"
#include "tests/results/chart_test_support.h"

#include <QAction>
#include <QChartView>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace vorlant {
namespace {

using namespace chart_test;

class ChartWindowTest : public ::testing::Test
{
protected:
    QAction &Action(const char *name)
    {
        auto *action = window.findChild<QAction *>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return *action;
    }
    QImage Screenshot() { return window.findChild<QChartView *>("Ch1")->grab().toImage(); }

    RecordingSink sink;
    ChartWindow window{sink};
};

TEST_F(ChartWindowTest, FiveAttemptsGiveFiveBarsInTheirColoursOnAnAxisFromZero)
{
    window.ShowResultsChart(FiveAttempts());

    const std::vector<ChartBar> expected{
        {0, 4, kYellow}, {1, 4, kYellow}, {2, 4, kRed}, {3, 5, kYellow}, {4, 5, kRed}};
    EXPECT_EQ(window.Chart().Bars(), expected);
    EXPECT_EQ(window.Chart().LeftAxis().min(), 0);
    EXPECT_EQ(window.Chart().LeftAxis().max(), 5);
    EXPECT_LT(window.Chart().BottomAxis().min(), 0);
    EXPECT_GT(window.Chart().BottomAxis().max(), 4);

    // What the window shows: the same five bars, standing on one baseline at zero.
    const std::vector<PaintedBar> painted = FindPaintedBars(Screenshot());
    ASSERT_EQ(painted.size(), 5u);
    for (std::size_t i = 0; i < painted.size(); ++i) {
        EXPECT_EQ(painted[i].colour, expected[i].colour) << "bar " << i;
        EXPECT_EQ(painted[i].bottom, painted[0].bottom) << "bar " << i;
        if (i > 0) {
            EXPECT_GT(painted[i].left, painted[i - 1].right + 1) << "gap before bar " << i;
        }
    }
    const double low = painted[0].bottom - painted[0].top + 1;
    const double tall = painted[3].bottom - painted[3].top + 1;
    EXPECT_NEAR(tall / low, 5.0 / 4.0, 0.02);
}

struct RecordCountCase
{
    const char *name;
    LogRecords log;
    int bars;

    friend void PrintTo(const RecordCountCase &c, std::ostream *out) { *out << c.name; }
};

LogRecords WithLaterRecords(LogRecords log, int from)
{
    for (int i = from; i < kLogRecords; ++i)
        log[i] = {3, true, 1};
    return log;
}

LogRecords FullLog()
{
    LogRecords log{};
    for (int i = 0; i < kLogRecords; ++i)
        log[i] = {2 + i % 7, i % 3 == 0, i};
    return log;
}

class ChartWindowBarCountTest : public ChartWindowTest,
                                public ::testing::WithParamInterface<RecordCountCase>
{};

TEST_P(ChartWindowBarCountTest, DrawsTheRecordsBeforeTheFirstOfLengthZero)
{
    const RecordCountCase &c = GetParam();
    window.ShowResultsChart(c.log);

    const std::vector<ChartBar> bars = window.Chart().Bars();
    ASSERT_EQ(static_cast<int>(bars.size()), c.bars);
    for (int i = 0; i < c.bars; ++i) {
        EXPECT_EQ(bars[i].x, i);
        EXPECT_EQ(bars[i].height, c.log[i].length) << "bar " << i;
        EXPECT_EQ(bars[i].colour, c.log[i].success ? kYellow : kRed) << "bar " << i;
    }
    EXPECT_LE(window.Chart().BottomAxis().min(), 0);
    EXPECT_GE(window.Chart().BottomAxis().max(), c.bars - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, ChartWindowBarCountTest,
    ::testing::Values(RecordCountCase{"AllZero", LogRecords{}, 0},
                      RecordCountCase{"FirstRecordEmptyLaterFilled", WithLaterRecords({}, 1), 0},
                      RecordCountCase{"EndRecordAfterFive", WithLaterRecords(FiveAttempts(), 6), 5},
                      RecordCountCase{"OddLengthsAsTheyStand",
                                      MakeLog({{-3, true}, {70, false}, {1, true}}), 3},
                      RecordCountCase{"Full", FullLog(), kLogRecords}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ChartWindowTest, FullLogShowsBothColoursWhereTheirAttemptsAre)
{
    // Successes in the first half, failures in the second.
    LogRecords log{};
    for (int i = 0; i < kLogRecords; ++i)
        log[i] = {5, i < 500, 0};
    window.ShowResultsChart(log);

    EXPECT_EQ(window.Chart().BottomAxis().max(), kLastRecord + 0.5);
    const std::vector<PaintedBar> painted = FindPaintedBars(Screenshot());
    ASSERT_EQ(painted.size(), 2u) << "one solid yellow block, then one solid red block";
    EXPECT_EQ(painted[0].colour, kYellow);
    EXPECT_EQ(painted[1].colour, kRed);
    EXPECT_EQ(painted[0].right + 1, painted[1].left);
    EXPECT_NEAR(painted[1].right - painted[1].left, painted[0].right - painted[0].left, 2);
}

TEST_F(ChartWindowTest, RefillingReplacesTheBars)
{
    window.ShowResultsChart(FiveAttempts());
    const LogRecords second = MakeLog({{7, false}, {6, true}});
    window.ShowResultsChart(second);

    const std::vector<ChartBar> expected{{0, 7, kRed}, {1, 6, kYellow}};
    EXPECT_EQ(window.Chart().Bars(), expected);
    EXPECT_EQ(window.Chart().LeftAxis().max(), 7);
    const std::vector<PaintedBar> painted = FindPaintedBars(Screenshot());
    ASSERT_EQ(painted.size(), 2u);
    EXPECT_EQ(painted[0].colour, kRed);
    EXPECT_EQ(painted[1].colour, kYellow);

    window.ShowResultsChart(LogRecords{});
    EXPECT_TRUE(window.Chart().Bars().empty());
    EXPECT_TRUE(FindPaintedBars(Screenshot()).empty());
}

TEST_F(ChartWindowTest, CaptionsAndTitles)
{
    EXPECT_EQ(window.objectName(), "TForm3");
    EXPECT_EQ(window.windowTitle(), "Graf");
    const QList<QMenu *> menus = window.menuBar()->findChildren<QMenu *>();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->title(), "Akce");

    const std::vector<std::pair<const char *, QString>> items{
        {"Vbrtiskrny1", "Tisk - vyber tisk na šířku"},
        {"isk1", "Tisk - vyber tisk na výšku"},
        {"Konec1", "Konec"},
    };
    const QList<QAction *> shown = menus[0]->actions();
    ASSERT_EQ(shown.size(), static_cast<qsizetype>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(shown[i]->objectName(), items[i].first);
        EXPECT_EQ(shown[i]->text(), items[i].second) << items[i].first;
    }

    const AttemptsChart &chart = window.Chart();
    EXPECT_EQ(chart.title(), "Přehled pokusů");
    EXPECT_FALSE(chart.legend()->isVisible());
    EXPECT_EQ(chart.BottomAxis().titleText(), "Číslo pokusu");
    EXPECT_EQ(chart.LeftAxis().titleText(), "Počet hádaných čísel");
}

TEST_F(ChartWindowTest, KonecAndTheCloseBoxOnlyHide)
{
    QPointer<ChartWindow> alive(&window);
    for (bool viaMenu : {true, false}) {
        window.ShowResultsChart(FiveAttempts());
        ASSERT_TRUE(window.isVisible());
        if (viaMenu)
            Action("Konec1").trigger();
        else
            EXPECT_TRUE(window.close());
        QCoreApplication::processEvents();
        EXPECT_FALSE(window.isVisible()) << (viaMenu ? "Konec" : "close box");
        EXPECT_TRUE(alive);
        EXPECT_EQ(window.Chart().Bars().size(), 5u) << "bars stay until the next fill";
    }
}

TEST_F(ChartWindowTest, StartsCentredAtItsSizeAndThenStaysWhereItIs)
{
    window.ShowResultsChart(FiveAttempts());
    EXPECT_EQ(window.frameGeometry().size(), QSize(713, 399));
    const QPoint centre = window.screen()->availableGeometry().center();
    EXPECT_LE((window.frameGeometry().center() - centre).manhattanLength(), 2);

    const QPoint moved = window.pos() + QPoint(-40, 30);
    window.move(moved);
    window.ShowResultsChart(FiveAttempts()); // while visible
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), moved);
    window.hide();
    window.ShowResultsChart(MakeLog({{2, true}}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), moved);
}

} // namespace
} // namespace vorlant
