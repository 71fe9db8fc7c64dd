#pragma once

#include "engine/round_controller.h"
#include "engine/round_outputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace vorlant::testing {

using Calls = std::vector<std::string>;

inline std::string ToString(Colour c)
{
    if (c.role != Colour::Role::Fixed)
        return c.role == Colour::Role::ButtonFace ? "ButtonFace" : "Caption";
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", c.red, c.green, c.blue);
    return hex;
}

// The main window as the engine sees it: records every output call as a line of text, fires
// its four timers on a fake millisecond clock and drives a controller with a seeded generator.
class EngineRig : public RoundOutputs
{
public:
    explicit EngineRig(std::uint32_t seed = 1) : random(seed) {}

    RandomGenerator random;
    RoundController controller{*this, [this] { return now; }, random};
    Calls calls;
    std::vector<std::string> sounds;
    std::function<void(const std::string &call)> onCall; // runs after each call is recorded

    std::int64_t now = 0;
    std::array<std::int64_t, 4> interval{500, 50, 50, 250}; // T1, _1, _2, _3
    std::array<std::int64_t, 4> due{};
    std::array<bool, 4> timerOn{};

    bool On(Timer t) const { return timerOn[static_cast<int>(t)]; }
    auto TimersOn() const { return std::count(timerOn.begin(), timerOn.end(), true); }
    auto Count(const std::string &c) const { return std::count(calls.begin(), calls.end(), c); }
    // What the last call starting with prefix said after it, "" when there was none.
    std::string Last(const std::string &prefix) const
    {
        for (auto call = calls.rbegin(); call != calls.rend(); ++call)
            if (call->starts_with(prefix))
                return call->substr(prefix.size());
        return {};
    }

    void SetLengthText(const std::string &text) override { Record("LengthText " + text); }
    void PlaySound(std::string_view name) override { Record("Sound " + sounds.emplace_back(name)); }
    void SetLengthBackground(Colour c) override { Record("LengthBackground " + ToString(c)); }
    void SetLengthTextColour(Colour c) override { Record("LengthTextColour " + ToString(c)); }
    void SetPositionText(const std::string &text) override { Record("PositionText " + text); }
    void SetPanelColour(Colour c) override { Record("Panels " + ToString(c)); }
    void ResetAllCells() override { Record("ResetAllCells"); }
    void LightCell(CellPosition p) override { Record("Light " + std::to_string(CellIndex(p))); }
    void RestoreCell(CellPosition p) override { Record("Restore " + std::to_string(CellIndex(p))); }
    void SetDefaultCursors() override { Record("Cursors default"); }
    void SetHandCursors() override { Record("Cursors hand"); }
    void SetTimerActive(Timer timer, bool active) override
    {
        static const char *const names[] = {"T1", "_1", "_2", "_3"};
        const int t = static_cast<int>(timer);
        // A timer switched on afresh counts its first interval from now.
        if (active && !timerOn[t])
            due[t] = now + interval[t];
        timerOn[t] = active;
        Record(std::string("Timer ") + names[t] + (active ? " on" : " off"));
    }
    void LogFull() override { Record("LogFull"); }

    // Fires, in time order, every timer that falls due within the next ms milliseconds.
    void Advance(std::int64_t ms)
    {
        static constexpr void (RoundController::*handlers[])() = {
            &RoundController::T1Timer, &RoundController::_1Timer, &RoundController::_2Timer,
            &RoundController::_3Timer};
        const std::int64_t until = now + ms;
        for (;;) {
            int next = -1;
            for (int t = 0; t < 4; ++t)
                if (timerOn[t] && due[t] <= until && (next < 0 || due[t] < due[next]))
                    next = t;
            if (next < 0)
                break;
            now = due[next];
            due[next] += interval[next];
            (controller.*handlers[next])();
        }
        now = until;
    }
    // Advances in 10 ms steps until done() holds, for at most two minutes.
    bool AdvanceUntil(const std::function<bool()> &done)
    {
        for (int step = 0; step <= 12000; ++step, Advance(10))
            if (done())
                return true;
        return false;
    }
    // Waits for input and clicks the sequence back 100 ms apart; a failure is wrong at the end.
    void Answer(bool success = true)
    {
        ASSERT_TRUE(AdvanceUntil([this] { return controller.InputOpen(); }));
        const Sequence sequence = controller.CurrentSequence();
        for (int slot = 0, length = controller.CurrentLength(); slot < length; ++slot) {
            Advance(100);
            const bool wrong = !success && slot == length - 1;
            controller.CellClicked(wrong ? OtherCell(sequence[slot]) : sequence[slot]);
        }
    }
    // A whole attempt up to its completion check.
    void PlayAttempt(bool success)
    {
        const int logIndex = controller.Log().LogIndex;
        ASSERT_NO_FATAL_FAILURE(Answer(success));
        ASSERT_TRUE(AdvanceUntil([&] { return controller.Log().LogIndex != logIndex; }));
    }
    // Clicks every cell; true when no click was judged.
    bool ClicksIgnored()
    {
        const LogRecords records = controller.Log().records;
        const std::size_t callCount = calls.size();
        for (int cell = 0; cell < kCellCount; ++cell)
            controller.CellClicked(CellAt(cell));
        return calls.size() == callCount && controller.Log().records == records;
    }

    static CellPosition OtherCell(CellPosition p) { return {(p.row + 1) % 4, p.column}; }

private:
    void Record(std::string call)
    {
        calls.push_back(std::move(call));
        if (onCall)
            onCall(calls.back());
    }
};

} // namespace vorlant::testing
