#pragma once

#include "engine/round_outputs.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vorlant::testing {

// Records every output call as one line of text and keeps the screen and timer state the calls
// leave behind. onCall runs after each call is recorded, so a test can act from inside it.
class FakeRoundOutputs : public RoundOutputs
{
public:
    std::vector<std::string> calls;
    std::function<void(const std::string &call)> onCall;
    std::function<void()> onLogFull;

    std::string lengthText;
    std::string positionText;
    Colour lengthBackground;
    Colour lengthTextColour;
    Colour panelColour;
    std::array<bool, kCellCount> lit{};
    bool handCursors = false;
    std::vector<std::string> sounds;
    int logFullCount = 0;

    // When each timer was last switched on (from off), by the clock given to Attach.
    std::array<bool, 4> timerOn{};
    std::array<std::int64_t, 4> switchedOnAt{};
    std::array<std::uint64_t, 4> switchedOnOrder{};

    void Attach(const std::int64_t *clock) { m_clock = clock; }
    bool TimerOn(Timer timer) const { return timerOn[static_cast<int>(timer)]; }
    bool AnyTimerOn() const;
    bool AnyCellLit() const;
    int Count(const std::string &call) const;

    void SetLengthText(const std::string &text) override;
    void PlaySound(std::string_view name) override;
    void SetLengthBackground(Colour colour) override;
    void SetLengthTextColour(Colour colour) override;
    void SetPositionText(const std::string &text) override;
    void SetPanelColour(Colour colour) override;
    void ResetAllCells() override;
    void LightCell(CellPosition cell) override;
    void RestoreCell(CellPosition cell) override;
    void SetDefaultCursors() override;
    void SetHandCursors() override;
    void SetTimerActive(Timer timer, bool active) override;
    void LogFull() override;

private:
    void Record(std::string call);

    const std::int64_t *m_clock = nullptr;
    std::uint64_t m_switchCount = 0;
};

std::string ToString(Colour colour);
std::string ToString(CellPosition cell);
std::string ToString(Timer timer);

} // namespace vorlant::testing
