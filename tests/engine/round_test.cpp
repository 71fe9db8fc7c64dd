#include "engine_rig.h"

namespace vorlant {
namespace {

using testing::Calls;
using testing::EngineRig;

TEST(Round, StartAndDisplayTicksFollowTheTimeline)
{
    EngineRig rig;
    rig.controller.Log().records[0].length = 3;
    rig.controller.StartTest("Eva");
    rig.controller._1Timer();
    EXPECT_EQ(rig.Last("LengthText "), "3") << "the length is shown at the first round start too";

    // Tick 2k lights slot k - 1, tick 2k + 1 restores it; input opens after the last.
    const Sequence &slot = rig.controller.CurrentSequence();
    for (int tick = 1; tick <= 2 * 3 + 2; ++tick) {
        rig.calls.clear();
        rig.controller.T1Timer();
        const std::string cell = std::to_string(CellIndex(slot[(tick - 2) / 2]));
        EXPECT_EQ(rig.Last("Light "), tick % 2 == 0 && tick < 8 ? cell : "") << "tick " << tick;
        EXPECT_EQ(rig.Last("Restore "), tick % 2 == 1 && tick > 1 ? cell : "") << "tick " << tick;
        EXPECT_EQ(rig.controller.InputOpen(), tick == 8) << "tick " << tick;
    }
}

TEST(Round, CorrectAttemptIsTimedThenRestsAndTheNextRoundStarts)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.On(Timer::T1); }));
    const std::int64_t roundStart = rig.now;
    rig.Advance(1500);
    EXPECT_TRUE(rig.ClicksIgnored()) << "during the display";
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    EXPECT_EQ(rig.controller.InputStart() - roundStart, 5000); // 2L + 2 ticks of 500 ms, L = 4

    const Sequence slot = rig.controller.CurrentSequence();
    rig.Advance(700);
    rig.calls.clear();
    rig.controller.CellClicked(slot[0]);
    EXPECT_EQ(rig.calls, (Calls{"LengthBackground FFFF00", "LengthTextColour 000000"}));
    EXPECT_EQ(rig.controller.Log().records[0], (AttemptRecord{4, true, 700}));
    for (int i = 1; i < 4; ++i)
        rig.controller.CellClicked(slot[i]);
    EXPECT_TRUE(rig.ClicksIgnored()) << "after the last slot";

    // The completion check measures again at its next poll and closes input.
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.Log().LogIndex == 1; }));
    EXPECT_EQ(rig.controller.Log().records[0], (AttemptRecord{4, true, 750}));
    EXPECT_EQ(rig.Last("Cursors "), "default");
    rig.controller.Log().records[1].length = 9; // even a length left in the next record
    EXPECT_TRUE(rig.ClicksIgnored()) << "during the rest";

    const std::int64_t checkedAt = rig.now;
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.On(Timer::Round); }));
    EXPECT_EQ(rig.now - checkedAt, 750);
    EXPECT_EQ(rig.Last("PositionText "), "0");
    EXPECT_EQ(rig.Last("LengthBackground "), "FFFF00"); // until the next round start
    rig.Advance(50);
    EXPECT_EQ(rig.Last("LengthBackground "), "ButtonFace");
}

// An answer judged some time after it was given (a key, once it is known not to repeat) is
// timed from when it was given, and the completion check discounts the delay.
TEST(Round, AnAnswerJudgedLateCountsFromWhenItWasGiven)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    const std::int64_t opened = rig.now;
    const Sequence slot = rig.controller.CurrentSequence();
    for (int i = 0; i < 3; ++i)
        rig.controller.CellClicked(slot[i]);
    rig.Advance(600);
    const std::int64_t released = rig.now;
    rig.Advance(40);
    rig.controller.CellAnswered(slot[3], released);
    EXPECT_EQ(rig.controller.Log().records[0], (AttemptRecord{4, true, released - opened}));
    const std::int64_t judged = rig.now;
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.Log().LogIndex == 1; }));
    EXPECT_EQ(rig.controller.Log().records[0].elapsedMs, rig.now - opened - (judged - released));

    // A time before the input opened counts as the opening.
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    rig.Advance(100);
    rig.controller.CellAnswered(EngineRig::OtherCell(rig.controller.CurrentSequence()[0]), 0);
    EXPECT_EQ(rig.controller.Log().records[1].elapsedMs, 0);
}

TEST(Round, WrongFirstClickEndsTheAttemptAndTheNextRoundFollows)
{
    EngineRig rig;
    rig.controller.StartTest("Eva");
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.controller.InputOpen(); }));
    rig.Advance(250);
    rig.calls.clear();
    const CellPosition first = rig.controller.CurrentSequence()[0];
    rig.controller.CellClicked({first.row, (first.column + 1) % 4}); // only the column differs
    EXPECT_EQ(rig.calls,
              (Calls{"LengthBackground FF0000", "Sound WAVE_ERR", "LengthTextColour FFFFFF"}));
    EXPECT_EQ(rig.controller.Log().records[0], (AttemptRecord{4, false, 250}));
    EXPECT_FALSE(rig.controller.InputOpen());
    EXPECT_TRUE(rig.ClicksIgnored()) << "after a wrong click";

    // One completion poll, three rest ticks and one round start tick.
    const std::int64_t clickedAt = rig.now;
    ASSERT_TRUE(rig.AdvanceUntil([&] { return rig.On(Timer::T1); }));
    EXPECT_EQ(rig.now - clickedAt, 850);
    EXPECT_EQ(rig.controller.Log().records[0], (AttemptRecord{4, false, 300}));
}

} // namespace
} // namespace vorlant
