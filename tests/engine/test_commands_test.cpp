#include "engine_rig.h"

#include "engine/attempt_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace vorlant {
namespace {

using testing::EngineRig;

bool OnlyTimerOn(const EngineRig &rig, Timer timer)
{
    for (Timer t : {Timer::T1, Timer::Round, Timer::Completion, Timer::Rest})
        if (rig.outputs.TimerOn(t) != (t == timer))
            return false;
    return true;
}

std::string Repeat(const std::string &text, int times)
{
    std::string repeated;
    while (times-- > 0)
        repeated += text;
    return repeated;
}

struct NameCase
{
    std::string typed;
    std::string kept;
};

TEST(StartTest, KeepsTheFirstTwentyFiveCharactersOfTheName)
{
    const std::string czech25 = "Žofie Řeháčková-Šťastná ů"; // 25 characters, 33 bytes
    const NameCase cases[] = {
        {"Eva", "Eva"},
        {"   ", "   "},
        {std::string(30, 'x'), std::string(25, 'x')},
        {czech25, czech25},
        {czech25 + "ěšč", czech25},
        {Repeat("Ž", 28), Repeat("Ž", 25)},
    };
    for (const NameCase &c : cases) {
        EngineRig rig;
        rig.controller.StartTest(c.typed);
        EXPECT_EQ(rig.controller.PersonName(), c.kept) << c.typed;
    }
}

TEST(StartTest, BeginsAFreshLogThatKeepsOnlyTheStartingLength)
{
    EngineRig rig;
    rig.controller.Log().records[0].length = 3;
    rig.controller.StartTest("Eva");
    for (int attempt = 0; attempt < 6; ++attempt)
        ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(attempt % 2 == 0));
    rig.controller.EndTest();
    ASSERT_EQ(RecordCount(rig.controller.Log().records), 6);

    rig.controller.StartTest("Eva");
    const AttemptLog &log = rig.controller.Log();
    EXPECT_EQ(log.LogIndex, 0);
    EXPECT_EQ(log.records[0], (AttemptRecord{3, false, 0}));
    EXPECT_TRUE(std::all_of(log.records.begin() + 1, log.records.end(),
                            [](const AttemptRecord &r) { return r == AttemptRecord{}; }));

    // Ended during its first round, the second test saves one attempt, none of the first test's.
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    rig.controller.EndTest();
    EXPECT_EQ(RecordCount(log.records), 1);
    EXPECT_EQ(log.records[0].length, 3);
}

// A test still running when the name dialog's "Ok" starts a new one.
struct RunningState
{
    const char *name;
    void (*reach)(EngineRig &rig);
};

class StartOverRunningTest : public ::testing::TestWithParam<RunningState>
{};

TEST_P(StartOverRunningTest, StopsTheOldRoundAndStartsCleanlyFromRecordZero)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    for (int attempt = 0; attempt < 5; ++attempt)
        ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(true));
    GetParam().reach(rig);

    rig.controller.StartTest("Jan");
    EXPECT_TRUE(OnlyTimerOn(rig, Timer::Round));
    EXPECT_FALSE(rig.controller.InputOpen());
    EXPECT_FALSE(rig.outputs.handCursors);

    // One round start, one display, and the first attempt lands in record 0.
    rig.outputs.calls.clear();
    ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(true));
    EXPECT_EQ(rig.outputs.Count("ResetAllCells"), 1);
    EXPECT_EQ(rig.outputs.Count("Timer T1 on"), 1);
    EXPECT_EQ(rig.controller.Log().LogIndex, 1);
    EXPECT_EQ(rig.controller.Log().records[0].length, 4);
    EXPECT_TRUE(rig.controller.Log().records[0].success);
    EXPECT_EQ(RecordCount(rig.controller.Log().records), 1);
}

INSTANTIATE_TEST_SUITE_P(
    States, StartOverRunningTest,
    ::testing::Values(RunningState{"Showing", [](EngineRig &rig) { rig.Advance(2000); }},
                      RunningState{"AnsweredBeforeTheCheck",
                                   [](EngineRig &rig) {
                                       ASSERT_TRUE(rig.AdvanceUntil(
                                           [&] { return rig.controller.InputOpen(); }));
                                       rig.Answer(-1, 10);
                                   }},
                      RunningState{"Resting", [](EngineRig &rig) { rig.PlayAttempt(true); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PauseTest, InTheFirstAttemptDropsNothingAndContinueRestartsIt)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    rig.Advance(1500);
    rig.controller.PauseTest();
    EXPECT_FALSE(rig.outputs.AnyTimerOn());
    EXPECT_EQ(rig.controller.Log().LogIndex, 0);
    EXPECT_EQ(rig.controller.Log().records[0].length, 4);

    rig.Advance(5000); // nothing runs while paused
    EXPECT_EQ(rig.controller.DisplayTicks(), 2);

    rig.controller.ContinueTest();
    EXPECT_TRUE(OnlyTimerOn(rig, Timer::Round));
    ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(true));
    EXPECT_EQ(rig.controller.Log().records[0].length, 4);
    EXPECT_EQ(rig.controller.Log().LogIndex, 1);
}

TEST(PauseTest, InALaterAttemptDropsItsRecordAndClosesInput)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(false));
    ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(true));
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    const AttemptRecord second = rig.controller.Log().records[1];

    rig.controller.PauseTest();
    const AttemptLog &log = rig.controller.Log();
    EXPECT_EQ(log.LogIndex, 1);
    EXPECT_EQ(log.records[2], AttemptRecord{});
    EXPECT_EQ(log.records[1], second);
    EXPECT_FALSE(rig.controller.InputOpen());
    EXPECT_FALSE(rig.outputs.handCursors);

    // Record 1 has a length, yet a click now is not judged against the old sequence.
    rig.outputs.calls.clear();
    rig.controller.CellClicked(rig.controller.CurrentSequence()[0]);
    rig.controller.CellClicked(EngineRig::OtherCell(rig.controller.CurrentSequence()[0]));
    EXPECT_TRUE(rig.outputs.calls.empty());
    EXPECT_EQ(log.records[1], second);

    // A second pause before a round has started steps back once more.
    rig.controller.ContinueTest();
    rig.controller.PauseTest();
    EXPECT_EQ(log.LogIndex, 0);
    EXPECT_EQ(log.records[1], AttemptRecord{});

    // Continue re-initialises record 0 and the new attempt replaces its result.
    rig.controller.ContinueTest();
    ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(true));
    EXPECT_TRUE(log.records[0].success);
    EXPECT_EQ(log.LogIndex, 1);
}

TEST(PauseTest, DuringTheRestDropsTheNextRecord)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(true));
    ASSERT_TRUE(rig.outputs.TimerOn(Timer::Rest));
    rig.controller.PauseTest();
    EXPECT_EQ(rig.controller.Log().LogIndex, 0);
    EXPECT_EQ(rig.controller.Log().records[0].length, 4);
}

TEST(EndTest, DuringALaterAttemptKeepsTheCompletedOnesAndClearsTheBoard)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    for (bool success : {true, false, true})
        ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(success));
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.outputs.AnyCellLit(); }));

    rig.controller.EndTest();
    const AttemptLog &log = rig.controller.Log();
    EXPECT_FALSE(rig.outputs.AnyTimerOn());
    EXPECT_FALSE(rig.outputs.AnyCellLit());
    EXPECT_FALSE(rig.controller.InputOpen());
    EXPECT_EQ(log.LogIndex, 2);
    EXPECT_EQ(RecordCount(log.records), 3);
    EXPECT_EQ(log.records[3], AttemptRecord{});
    EXPECT_FALSE(log.records[1].success);
    EXPECT_TRUE(log.records[2].success);
}

TEST(EndTest, DuringTheFirstAttemptKeepsRecordZeroWithTheClicksSoFar)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    const std::int64_t opened = rig.now;
    rig.Advance(300);
    rig.controller.CellClicked(rig.controller.CurrentSequence()[0]);

    rig.controller.EndTest();
    const AttemptLog &log = rig.controller.Log();
    EXPECT_EQ(log.records[0], (AttemptRecord{4, true, rig.now - opened}));
    EXPECT_EQ(RecordCount(log.records), 1);

    // Input closed with the end: the next slot's cell is not judged any more.
    rig.controller.CellClicked(rig.controller.CurrentSequence()[1]);
    EXPECT_EQ(rig.controller.Position(), 1);
    EXPECT_EQ(log.records[0].elapsedMs, 300);
}

TEST(QuitTest, StopsTheDisplayIgnoresClicksAndArmsNoRest)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    rig.Advance(200);

    rig.outputs.calls.clear();
    rig.controller.QuitTest();
    EXPECT_EQ(rig.outputs.calls, (std::vector<std::string>{"Timer T1 off"}));
    EXPECT_EQ(rig.controller.Position(), std::numeric_limits<std::int32_t>::max());
    EXPECT_TRUE(rig.controller.Quitting());

    rig.controller.CellClicked(rig.controller.CurrentSequence()[0]);
    rig.controller.T1Timer();
    EXPECT_EQ(rig.outputs.calls.size(), 1u);

    // The completion check still running finds the attempt over and rests no more.
    rig.Advance(5000);
    EXPECT_EQ(rig.controller.Log().LogIndex, 1);
    EXPECT_EQ(rig.controller.Log().records[0], (AttemptRecord{4, false, 250}));
    EXPECT_FALSE(rig.outputs.AnyTimerOn());
    EXPECT_EQ(rig.outputs.logFullCount, 0);
}

TEST(BusyFlags, AHandlerReenteredFromItsOwnOutputsIgnoresTheInnerTick)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    rig.outputs.onCall = [&](const std::string &call) {
        if (call == "ResetAllCells")
            rig.controller._1Timer();
        else if (call == "DefaultCursors" && rig.controller.DisplayBusy())
            rig.controller.T1Timer();
        else if (call == "Timer _2 off")
            rig.controller._2Timer();
    };
    rig.controller._1Timer();
    EXPECT_EQ(rig.outputs.Count("Timer T1 on"), 1);
    EXPECT_FALSE(rig.controller.RoundStartBusy());

    rig.controller.T1Timer();
    EXPECT_EQ(rig.controller.DisplayTicks(), 1);
    EXPECT_FALSE(rig.controller.DisplayBusy());

    while (!rig.controller.InputOpen())
        rig.controller.T1Timer();
    rig.Answer(0, 0);
    rig.controller._2Timer();
    EXPECT_EQ(rig.controller.Log().LogIndex, 1);
    EXPECT_FALSE(rig.controller.CompletionBusy());
}

TEST(BusyFlags, AFlagLeftSetByAFailedTickIsClearedByContinueAndStart)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    bool fail = true;
    rig.outputs.onCall = [&](const std::string &call) {
        if (fail && (call == "ResetAllCells" || call == "DefaultCursors"))
            throw std::runtime_error("tick failed");
    };
    EXPECT_THROW(rig.controller._1Timer(), std::runtime_error);
    EXPECT_TRUE(rig.controller.RoundStartBusy());
    fail = false;
    rig.outputs.calls.clear();
    rig.controller._1Timer();
    EXPECT_TRUE(rig.outputs.calls.empty());

    rig.controller.ContinueTest();
    rig.controller._1Timer();
    EXPECT_EQ(rig.outputs.Count("Timer T1 on"), 1);

    fail = true;
    EXPECT_THROW(rig.controller.T1Timer(), std::runtime_error);
    EXPECT_TRUE(rig.controller.DisplayBusy());
    fail = false;
    rig.controller.StartTest("Eva");
    EXPECT_FALSE(rig.controller.DisplayBusy());
    EXPECT_FALSE(rig.controller.RoundStartBusy());
    EXPECT_FALSE(rig.controller.CompletionBusy());
}

// The owner's "Konec" handler, run synchronously from the controller's notification.
TEST(FullLog, ThousandAndOneAttemptsEndTheTestByThemselvesKeepingEveryRecord)
{
    EngineRig rig(2024);
    rig.displayInterval = 300;
    auto succeeds = [](int attempt) {
        if (attempt < 250)
            return true; // climbs to 50 and stays there
        if (attempt >= 600 && attempt < 700)
            return false;
        return attempt % 3 != 0;
    };
    int ended = 0;
    rig.outputs.onLogFull = [&] {
        rig.controller.EndTest();
        ++ended;
    };

    rig.controller.StartTest("Eva");
    for (int attempt = 0; attempt < kLogRecords; ++attempt) {
        ASSERT_NO_FATAL_FAILURE(rig.PlayAttempt(succeeds(attempt))) << attempt;
        rig.outputs.calls.clear();
    }

    const AttemptLog &log = rig.controller.Log();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(rig.controller.IsLogFull());
    EXPECT_EQ(log.LogIndex, kLogRecords);
    EXPECT_EQ(RecordCount(log.records), kLogRecords);
    EXPECT_FALSE(rig.outputs.AnyTimerOn());
    EXPECT_FALSE(rig.controller.InputOpen());
    for (int n = 0; n < kLogRecords; ++n) {
        EXPECT_GE(log.records[n].length, 2) << n;
        EXPECT_LE(log.records[n].length, 50) << n;
        EXPECT_EQ(log.records[n].success, succeeds(n)) << n;
        EXPECT_GT(log.records[n].elapsedMs, 0) << n;
    }
    EXPECT_EQ(log.records[249].length, 50);
    EXPECT_EQ(std::count(rig.outputs.sounds.begin(), rig.outputs.sounds.end(), "WAVE_UP"), 46);

    // Nothing else runs, and the full log loses no record to a pause, a continue or an end.
    const LogRecords saved = log.records;
    rig.Advance(60000);
    rig.controller.PauseTest();
    rig.controller.ContinueTest();
    rig.Advance(1000);
    rig.controller.EndTest();
    EXPECT_EQ(log.records, saved);
    EXPECT_EQ(log.LogIndex, kLogRecords);
    EXPECT_EQ(rig.outputs.logFullCount, 2); // the round start after Continue asked again
    EXPECT_FALSE(rig.outputs.AnyTimerOn());

    rig.controller.StartTest("Eva");
    EXPECT_EQ(log.LogIndex, 0);
    EXPECT_EQ(RecordCount(log.records), 1);
}

TEST(FullLog, CompletingTheLastRecordWhileQuittingNotifiesNobody)
{
    EngineRig rig;
    AttemptLog &log = rig.controller.Log();
    for (int n = 0; n < kLastRecord; ++n)
        log.records[n] = {3, true, 100};
    log.LogIndex = kLastRecord;
    rig.controller._1Timer();
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    rig.controller.QuitTest();
    rig.Advance(1000);
    EXPECT_EQ(log.LogIndex, kLogRecords);
    EXPECT_EQ(rig.outputs.logFullCount, 0);
    EXPECT_FALSE(rig.outputs.AnyTimerOn());
}

} // namespace
} // namespace vorlant
