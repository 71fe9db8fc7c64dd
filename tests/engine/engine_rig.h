#pragma once

#include "fake_round_outputs.h"

#include "engine/random.h"
#include "engine/round_controller.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>

namespace vorlant::testing {

// Runs the controller as the main window does: a fake millisecond clock and the four timers
// firing at their intervals, in time order, for as long as the controller keeps them on.
class EngineRig
{
public:
    explicit EngineRig(std::uint32_t seed = 1);

    std::int64_t now = 0;
    std::int64_t displayInterval = 500;
    FakeRoundOutputs outputs;
    RandomGenerator random;
    RoundController controller;

    // Fires every timer that falls due within the next ms milliseconds.
    void Advance(std::int64_t ms);
    // Fires timers until done() holds; fails when that takes more than limitMs.
    ::testing::AssertionResult AdvanceUntil(const std::function<bool()> &done,
                                            std::int64_t limitMs = 120000);
    // Clicks the open round's sequence back, clickGapMs apart: wrong at slot wrongAt, or all
    // correct when wrongAt is -1.
    void Answer(int wrongAt = -1, std::int64_t clickGapMs = 100);
    // A whole attempt from here: waits for input, answers (a failure is wrong at the last
    // slot) and waits for the completion check.
    void PlayAttempt(bool success);

    // A cell other than the given one.
    static CellPosition OtherCell(CellPosition cell) { return {(cell.row + 1) % 4, cell.column}; }

private:
    std::int64_t Interval(int timer) const;
    void Fire(int timer);

    std::array<std::uint64_t, 4> m_generation{};
    std::array<std::int64_t, 4> m_nextDue{};
};

} // namespace vorlant::testing
