#include "engine_rig.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace vorlant {
namespace {

using testing::EngineRig;

// A test that still runs, or has ended, when the name dialog's "Ok" starts a new one.
struct EarlierTest
{
    const char *name;
    void (*reach)(EngineRig &rig);
};

class StartTestOver : public ::testing::TestWithParam<EarlierTest>
{};

TEST_P(StartTestOver, StopsTheOldRoundAndKeepsOnlyTheStartingLength)
{
    EngineRig rig;
    rig.controller.Log().records[0].length = 3;
    rig.controller.StartTest("Eva");
    for (int attempt = 0; attempt < 5; ++attempt)
        ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(true));
    GetParam().reach(rig);

    rig.controller.StartTest("Eva");
    const AttemptLog &log = rig.controller.Log();
    EXPECT_TRUE(rig.On(Timer::Round) && rig.TimersOn() == 1);
    EXPECT_EQ(log.records[0], (AttemptRecord{3, false, 0}));
    EXPECT_TRUE(std::all_of(log.records.begin() + 1, log.records.end(),
                            [](const AttemptRecord &r) { return r == AttemptRecord{}; }));

    // One round start, one display, and the first attempt lands in record 0.
    rig.calls.clear();
    ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(true));
    EXPECT_EQ(rig.Count("Timer T1 on"), 1);
    EXPECT_EQ(RecordCount(log.records), 1);
    EXPECT_EQ(log.records[0].length, 3);
}

INSTANTIATE_TEST_SUITE_P(
    States, StartTestOver,
    ::testing::Values(EarlierTest{"Showing", [](EngineRig &rig) { rig.Advance(2000); }},
                      EarlierTest{"AnsweredBeforeTheCheck", [](EngineRig &rig) { rig.Answer(); }},
                      EarlierTest{"Resting", [](EngineRig &rig) { rig.PlayAttempt(true); }},
                      EarlierTest{"Ended", [](EngineRig &rig) { rig.controller.EndTest(); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PauseTest, DropsTheUnfinishedAttemptAfterTheFirstAndClosesInput)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    const AttemptLog &log = rig.controller.Log();
    rig.Advance(1500);
    rig.controller.PauseTest();
    EXPECT_EQ(rig.TimersOn(), 0);
    EXPECT_EQ(log.records[0].length, 4) << "the first attempt is not dropped";

    rig.controller.ContinueTest();
    ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(false));
    ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(true));
    const AttemptRecord second = log.records[1];
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    rig.Advance(100);
    rig.controller.CellClicked(rig.controller.CurrentSequence()[0]);

    rig.controller.PauseTest();
    EXPECT_EQ(log.LogIndex, 1);
    EXPECT_EQ(log.records[2], AttemptRecord{});
    EXPECT_EQ(log.records[1], second);
    EXPECT_EQ(rig.Last("Cursors "), "default");
    EXPECT_TRUE(rig.ClicksIgnored()) << "not judged against the old sequence";

    // A second pause before a round has started steps back once more.
    rig.controller.ContinueTest();
    rig.controller.PauseTest();
    EXPECT_EQ(log.LogIndex, 0);
    EXPECT_EQ(log.records[1], AttemptRecord{});

    // A round start that failed halfway stays busy until Continue clears its flag.
    rig.controller.ContinueTest();
    rig.onCall = [](const std::string &) { throw std::runtime_error("tick failed"); };
    EXPECT_ANY_THROW(rig.Advance(50));
    rig.onCall = nullptr;
    rig.controller.PauseTest();

    // Continue re-initialises record 0; the new attempt replaces its failure.
    rig.controller.ContinueTest();
    ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(true));
    EXPECT_EQ(log.records[0], (AttemptRecord{4, true, 450}));

    // Paused during the rest, the record prepared for the next round goes.
    ASSERT_TRUE(rig.On(Timer::Rest));
    rig.controller.PauseTest();
    EXPECT_EQ(log.LogIndex, 0);
}

// Continue reached without a pause before it (the owner's buttons should prevent that) must
// still drop the round under way and start afresh, never run two rounds at once.
class ContinueTestFrom : public ::testing::TestWithParam<EarlierTest>
{};

TEST_P(ContinueTestFrom, StopsTheRoundUnderWayAndEveryLaterRoundShowsItsCells)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(true));
    GetParam().reach(rig);

    rig.controller.ContinueTest();
    EXPECT_TRUE(rig.On(Timer::Round) && rig.TimersOn() == 1);
    EXPECT_FALSE(rig.controller.InputOpen());
    EXPECT_TRUE(rig.ClicksIgnored());

    const AttemptLog &log = rig.controller.Log();
    const int first = log.LogIndex;
    for (int attempt = 0; attempt < 6; ++attempt) {
        rig.calls.clear();
        ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(true)) << attempt;
        EXPECT_EQ(rig.Count("Timer T1 on"), 1) << attempt;
        const auto lit =
            std::count_if(rig.calls.begin(), rig.calls.end(),
                          [](const std::string &c) { return c.starts_with("Light "); });
        EXPECT_EQ(lit, log.records[log.LogIndex - 1].length) << attempt;
    }
    EXPECT_EQ(log.LogIndex, first + 6);
}

INSTANTIATE_TEST_SUITE_P(
    States, ContinueTestFrom,
    ::testing::Values(EarlierTest{"Resting", [](EngineRig &) {}},
                      EarlierTest{"Showing", [](EngineRig &rig) { rig.Advance(2000); }},
                      EarlierTest{"Answering", [](EngineRig &rig) { rig.Answer(); }},
                      EarlierTest{"AnsweringHalfway",
                                  [](EngineRig &rig) {
                                      ASSERT_TRUE(rig.AdvanceUntil(
                                          [&] { return rig.controller.InputOpen(); }));
                                      rig.controller.CellClicked(
                                          rig.controller.CurrentSequence()[0]);
                                  }},
                      EarlierTest{"Paused", [](EngineRig &rig) { rig.controller.PauseTest(); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EndTest, KeepsTheCompletedAttemptsOrTheFirstOneSoFarAndResetsTheBoard)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    const AttemptLog &log = rig.controller.Log();
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    rig.Advance(300);
    rig.controller.CellClicked(rig.controller.CurrentSequence()[0]);
    rig.controller.EndTest();
    EXPECT_EQ(log.records[0], (AttemptRecord{4, true, 300}));
    EXPECT_EQ(RecordCount(log.records), 1);
    EXPECT_TRUE(rig.ClicksIgnored()) << "input closes with the end";

    rig.controller.StartTest("Eva");
    for (bool success : {true, false, true})
        ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(success));
    rig.calls.clear();
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.Last("Light ") != ""; }));
    rig.calls.clear();
    rig.controller.EndTest();
    EXPECT_EQ(rig.TimersOn(), 0);
    EXPECT_EQ(rig.Count("ResetAllCells"), 1) << "no cell stays lit";
    EXPECT_EQ(log.LogIndex, 2);
    EXPECT_EQ(RecordCount(log.records), 3);
}

// Whether a test is under way, whether it is paused, and how many of its attempts lie finished,
// as commands and rounds follow one another: what the owner keeps of a test when the program
// must end at once.
TEST(TestState, FollowsTheCommandsAndCountsOnlyFinishedAttempts)
{
    EngineRig rig;
    RoundController &controller = rig.controller;
    const auto inputOpen = [&] { return controller.InputOpen(); };
    const struct
    {
        const char *step;
        std::function<void()> run;
        bool underWay;
        bool paused;
        int finished;
    } steps[] = {
        {"before any test", [] {}, false, false, 0},
        {"started", [&] { controller.StartTest("Eva"); }, true, false, 0},
        {"first attempt half answered",
         [&] {
             ASSERT_TRUE(rig.AdvanceUntil(inputOpen));
             rig.Advance(300);
             controller.CellClicked(controller.CurrentSequence()[0]);
         },
         true, false, 0},
        {"first attempt finished",
         [&] {
             for (int slot = 1; slot < controller.CurrentLength(); ++slot)
                 controller.CellClicked(controller.CurrentSequence()[slot]);
             rig.Advance(100);
         },
         true, false, 1},
        {"second attempt finished", [&] { rig.PlayAttempt(true); }, true, false, 2},
        {"paused in the rest", [&] { controller.PauseTest(); }, true, true, 2},
        {"continued", [&] { controller.ContinueTest(); }, true, false, 2},
        {"paused again before a round", [&] { controller.PauseTest(); }, true, true, 1},
        {"continued into a round that does the first again",
         [&] {
             controller.ContinueTest();
             rig.Advance(50);
         },
         true, false, 0},
        {"that attempt finished", [&] { rig.PlayAttempt(false); }, true, false, 1},
        {"ended", [&] { controller.EndTest(); }, false, false, 1},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.step);
        ASSERT_NO_FATAL_FAILURE(step.run());
        EXPECT_EQ(controller.TestUnderWay(), step.underWay);
        EXPECT_EQ(controller.Paused(), step.paused);
        ASSERT_EQ(controller.FinishedAttempts(), step.finished);
        const LogRecords kept = controller.FinishedRecords();
        EXPECT_TRUE(std::equal(kept.begin(), kept.begin() + step.finished,
                               controller.Log().records.begin()));
        EXPECT_EQ(RecordCount(kept), step.finished);
    }
}

TEST(QuitTest, StopsTheDisplayIgnoresClicksAndArmsNoRest)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    rig.Advance(200);
    rig.calls.clear();
    rig.controller.QuitTest();
    EXPECT_TRUE(rig.ClicksIgnored());
    rig.controller.T1Timer(); // a tick already on its way shows nothing

    // The completion check still running finds the attempt over and rests no more.
    rig.Advance(5000);
    EXPECT_EQ(rig.controller.Log().records[0], (AttemptRecord{4, false, 250}));
    EXPECT_EQ(rig.calls, (testing::Calls{"Timer T1 off", "Timer _2 off", "Cursors default"}));
    EXPECT_EQ(rig.TimersOn(), 0);
}

TEST(FullLog, AThousandAndFirstAttemptEndsTheTestKeepingEveryRecord)
{
    EngineRig rig(2024);
    rig.interval[0] = 300;
    auto succeeds = [](int attempt) { return attempt < 250 || attempt % 3 != 0; };
    rig.onCall = [&](const std::string &call) {
        if (call == "LogFull")
            rig.controller.EndTest(); // as the owner's "Konec" handler does
    };
    rig.controller.StartTest("Eva");
    for (int attempt = 0; attempt < kLogRecords; ++attempt)
        ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(succeeds(attempt))) << attempt;

    const AttemptLog &log = rig.controller.Log();
    EXPECT_EQ(rig.Count("LogFull"), 1);
    EXPECT_EQ(RecordCount(log.records), kLogRecords);
    for (int n = 0; n < kLogRecords; ++n)
        EXPECT_EQ(log.records[n].success, succeeds(n)) << n;
    EXPECT_EQ(log.records[249].length, 50); // climbed there and stayed
    EXPECT_EQ(std::count(rig.sounds.begin(), rig.sounds.end(), "WAVE_UP"), 46);

    // Nothing more runs; a pause, a continue or an end touches no record.
    const LogRecords saved = log.records;
    rig.controller.PauseTest();
    rig.controller.ContinueTest();
    rig.Advance(1000);
    EXPECT_EQ(rig.Count("LogFull"), 2); // the round start after Continue asked again
    EXPECT_EQ(log.records, saved);
    EXPECT_EQ(log.LogIndex, kLogRecords);
}

} // namespace
} // namespace vorlant
