#pragma once

#include "engine/colours.h"
#include "engine/level_rule.h"
#include "engine/sequence.h"

#include <string>

namespace vorlant {

// The main window's four timers that drive a test.
enum class Timer
{
    T1,         // display tick, T1Timer, 300 to 700 ms
    Round,      // _1, round start, _1Timer, 50 ms
    Completion, // _2, completion check, _2Timer, 50 ms
    Rest,       // _3, rest between rounds, _3Timer, 250 ms
};

// Everything the round controller does to the screen, the speakers and the timers. The main
// window implements it; every call happens on the user-interface thread.
class RoundOutputs : public LevelOutputs
{
public:
    // The length display's background and text colour.
    virtual void SetLengthBackground(Colour colour) = 0;
    virtual void SetLengthTextColour(Colour colour) = 0;
    // Puts the text into the position display.
    virtual void SetPositionText(const std::string &text) = 0;
    // Gives both board panels the colour and repaints them at once.
    virtual void SetPanelColour(Colour colour) = 0;

    // Board operations; each acts on the text cell and the picture cell of a position together.
    virtual void ResetAllCells() = 0;
    virtual void LightCell(CellPosition cell) = 0;
    virtual void RestoreCell(CellPosition cell) = 0;
    virtual void SetDefaultCursors() = 0;
    virtual void SetHandCursors() = 0;

    // Switching on a timer that already runs leaves its rhythm alone; switching off one that
    // is off does nothing.
    virtual void SetTimerActive(Timer timer, bool active) = 0;

    // The attempt in the log's last record is complete and the test can go no further. The
    // owner ends the test as its End button does (EndTest, save, chart). This is the last
    // thing the controller does in that tick, so the owner may call EndTest from inside it.
    virtual void LogFull() = 0;
};

} // namespace vorlant
