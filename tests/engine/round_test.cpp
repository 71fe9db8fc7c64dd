#include "engine_rig.h"

#include "engine/colours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlant {
namespace {

using testing::EngineRig;
using testing::ToString;
using Calls = std::vector<std::string>;

// A rig whose test has started and whose first round has just begun.
class RoundTest : public ::testing::Test
{
protected:
    void StartRound(int startLength)
    {
        rig.controller.Log().records[0].length = startLength;
        rig.controller.StartTest("Eva");
        rig.controller._1Timer();
        rig.outputs.calls.clear();
    }
    // Shows the whole sequence tick by tick, the way T1 would.
    void ShowSequence()
    {
        for (int tick = 0; tick < 2 * rig.controller.CurrentLength() + 2; ++tick)
            rig.controller.T1Timer();
    }
    CellPosition Slot(int i) const { return rig.controller.CurrentSequence()[i]; }

    EngineRig rig;
};

TEST_F(RoundTest, RoundStartSetsTheLengthDisplayAndArmsTheDisplay)
{
    rig.outputs.SetLengthText("7"); // left by an earlier test
    rig.controller.Log().records[0].length = 3;
    rig.controller.StartTest("Eva");
    EXPECT_EQ(rig.outputs.positionText, "0");
    EXPECT_TRUE(rig.outputs.TimerOn(Timer::Round));
    rig.outputs.calls.clear();

    rig.controller._1Timer();
    EXPECT_EQ(rig.outputs.calls,
              (Calls{"LengthBackground ButtonFace", "LengthTextColour 000000", "ResetAllCells",
                     "LengthText 3", "Timer T1 on", "Timer _1 off"}));
    EXPECT_EQ(rig.controller.Position(), 0);
    EXPECT_EQ(rig.controller.DisplayTicks(), 0);
    EXPECT_FALSE(rig.controller.InputOpen());
    const Sequence &sequence = rig.controller.CurrentSequence();
    for (int i = 0; i < kSequenceSlots; ++i)
        EXPECT_EQ(sequence[i] == CellPosition{}, i >= 3) << "slot " << i;
}

TEST_F(RoundTest, DisplayTicksLightEachSlotForOneIntervalThenOpenInput)
{
    StartRound(3);
    rig.now = 4000;
    const Calls tickStart{"Panels GradientActiveCaption", "DefaultCursors"};
    for (int tick = 1; tick <= 8; ++tick) {
        rig.outputs.calls.clear();
        rig.controller.T1Timer();
        Calls expected = tickStart;
        if (tick >= 2 && tick <= 6 && tick % 2 == 0)
            expected.push_back("Light " + ToString(Slot(tick / 2 - 1)));
        if (tick >= 3 && tick % 2 == 1) {
            expected.push_back("Restore " + ToString(Slot(tick / 2 - 1)));
            expected.push_back("PositionText " + std::to_string(tick / 2));
        }
        if (tick == 8)
            expected.insert(expected.end(),
                            {"HandCursors", "Panels C0DCC0", "Timer T1 off", "Timer _2 on"});
        EXPECT_EQ(rig.outputs.calls, expected) << "tick " << tick;
        EXPECT_EQ(rig.controller.InputOpen(), tick == 8) << "tick " << tick;
        EXPECT_EQ(rig.outputs.AnyCellLit(), tick % 2 == 0 && tick < 8) << "tick " << tick;
    }
    EXPECT_EQ(rig.controller.Position(), 0);
    EXPECT_EQ(rig.controller.InputStart(), 4000);
    EXPECT_EQ(rig.outputs.positionText, "3");
    EXPECT_TRUE(rig.outputs.handCursors);
}

TEST_F(RoundTest, InputOpensFiveSecondsAfterTheRoundStartAtLengthFourAndDefaultSpeed)
{
    rig.controller.StartTest("Eva");
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.outputs.TimerOn(Timer::T1); }));
    const std::int64_t roundStart = rig.now;
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    EXPECT_EQ(rig.controller.CurrentLength(), 4);
    EXPECT_EQ(rig.controller.DisplayTicks(), 10);
    EXPECT_EQ(rig.controller.InputStart() - roundStart, 5000);
}

TEST_F(RoundTest, CorrectClicksTurnTheLengthDisplayYellowAndRecordSuccess)
{
    StartRound(2);
    ShowSequence();
    rig.outputs.calls.clear();
    rig.now += 700;
    rig.controller.CellClicked(Slot(0));
    EXPECT_EQ(rig.outputs.calls, (Calls{"LengthBackground FFFF00", "LengthTextColour 000000"}));
    EXPECT_EQ(rig.controller.ClickedCell(), Slot(0));
    EXPECT_EQ(rig.controller.Position(), 1);
    const AttemptRecord &record = rig.controller.Log().records[0];
    EXPECT_EQ(record.elapsedMs, 700);
    EXPECT_TRUE(record.success);

    rig.now += 300;
    rig.controller.CellClicked(Slot(1));
    EXPECT_EQ(rig.controller.Position(), 2);
    EXPECT_EQ(record.elapsedMs, 1000);
    EXPECT_TRUE(record.success);
    EXPECT_TRUE(rig.outputs.sounds.empty());

    // The completion check measures again, up to one poll after the last click.
    rig.now += 40;
    rig.controller._2Timer();
    EXPECT_EQ(rig.controller.Log().records[0], (AttemptRecord{2, true, 1040}));
    EXPECT_EQ(rig.controller.Log().LogIndex, 1);
    // Yellow stays through the rest until the next round start.
    EXPECT_EQ(rig.outputs.lengthBackground, kYellow);
}

TEST_F(RoundTest, WrongClickEndsTheAttemptAtOnce)
{
    StartRound(4);
    ShowSequence();
    rig.controller.CellClicked(Slot(0));
    rig.outputs.calls.clear();
    rig.now += 250;
    rig.controller.CellClicked(EngineRig::OtherCell(Slot(1)));
    EXPECT_EQ(rig.outputs.calls,
              (Calls{"LengthBackground FF0000", "Sound WAVE_ERR", "LengthTextColour FFFFFF"}));
    EXPECT_FALSE(rig.controller.InputOpen());
    EXPECT_EQ(rig.controller.Position(), 5);
    EXPECT_EQ(rig.controller.Log().records[0], (AttemptRecord{4, false, 250}));
}

// Each scenario leaves a round in a state where the next click must be ignored.
struct IgnoredClick
{
    const char *name;
    void (*prepare)(EngineRig &rig);
};

class IgnoredClickTest : public ::testing::TestWithParam<IgnoredClick>
{};

TEST_P(IgnoredClickTest, NothingIsJudgedOrWritten)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.outputs.TimerOn(Timer::T1); }));
    GetParam().prepare(rig);
    const AttemptLog before = rig.controller.Log();
    const int position = rig.controller.Position();
    rig.outputs.calls.clear();

    for (int cell = 0; cell < kCellCount; ++cell)
        rig.controller.CellClicked(CellAt(cell));

    EXPECT_TRUE(rig.outputs.calls.empty());
    EXPECT_EQ(rig.controller.Log().records, before.records);
    EXPECT_EQ(rig.controller.Position(), position);
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, IgnoredClickTest,
    ::testing::Values(
        IgnoredClick{"DuringTheDisplay", [](EngineRig &rig) { rig.Advance(1500); }},
        IgnoredClick{"BetweenTheLastSlotAndTheCheck",
                     [](EngineRig &rig) {
                         ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
                         rig.Answer(-1, 10);
                     }},
        IgnoredClick{"AfterAWrongClickBeforeTheCheck",
                     [](EngineRig &rig) {
                         ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
                         rig.Answer(0, 10);
                     }},
        IgnoredClick{"DuringTheRestAfterACorrectAttempt",
                     [](EngineRig &rig) { rig.PlayAttempt(true); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RoundCompletion, RestsThreeTicksThenArmsTheNextRound)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    rig.controller._1Timer();
    for (int tick = 0; tick < 10; ++tick)
        rig.controller.T1Timer();
    rig.controller._2Timer(); // not over yet: nothing happens
    EXPECT_TRUE(rig.outputs.TimerOn(Timer::Completion));
    rig.Answer(0);

    rig.outputs.calls.clear();
    rig.controller._2Timer();
    EXPECT_EQ(rig.outputs.calls, (Calls{"Timer _2 off", "DefaultCursors", "Timer _3 on"}));
    EXPECT_FALSE(rig.controller.InputOpen());
    EXPECT_EQ(rig.controller.Log().LogIndex, 1);
    EXPECT_EQ(rig.controller.PauseTicks(), 0);

    rig.outputs.calls.clear();
    rig.controller._3Timer();
    rig.controller._3Timer();
    EXPECT_TRUE(rig.outputs.calls.empty());
    EXPECT_EQ(rig.outputs.positionText, "4");
    rig.controller._3Timer();
    EXPECT_EQ(rig.outputs.calls, (Calls{"Timer _3 off", "Timer _1 on", "PositionText 0"}));
}

TEST(RoundCompletion, NextRoundStartsAboutEightHundredFiftyMsAfterAWrongFirstClick)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    rig.Answer(0);
    const std::int64_t clickedAt = rig.now;
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.outputs.TimerOn(Timer::T1); }));
    EXPECT_GT(rig.now - clickedAt, 800);
    EXPECT_LE(rig.now - clickedAt, 850);
    EXPECT_EQ(rig.controller.Log().LogIndex, 1);
    EXPECT_EQ(rig.outputs.lengthBackground, kButtonFace);
    EXPECT_EQ(rig.outputs.lengthTextColour, kBlack);
}

} // namespace
} // namespace vorlant
