#include "fake_round_outputs.h"

#include <algorithm>
#include <cstdio>

namespace vorlant::testing {

std::string ToString(Colour colour)
{
    switch (colour.role) {
    case Colour::Role::ButtonFace:
        return "ButtonFace";
    case Colour::Role::GradientActiveCaption:
        return "GradientActiveCaption";
    case Colour::Role::Fixed:
        break;
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", colour.red, colour.green, colour.blue);
    return hex;
}

std::string ToString(CellPosition cell)
{
    return std::to_string(cell.row) + "," + std::to_string(cell.column);
}

std::string ToString(Timer timer)
{
    static const char *const names[] = {"T1", "_1", "_2", "_3"};
    return names[static_cast<int>(timer)];
}

bool FakeRoundOutputs::AnyTimerOn() const
{
    return std::find(timerOn.begin(), timerOn.end(), true) != timerOn.end();
}

bool FakeRoundOutputs::AnyCellLit() const
{
    return std::find(lit.begin(), lit.end(), true) != lit.end();
}

int FakeRoundOutputs::Count(const std::string &call) const
{
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

void FakeRoundOutputs::Record(std::string call)
{
    calls.push_back(std::move(call));
    if (onCall)
        onCall(calls.back());
}

void FakeRoundOutputs::SetLengthText(const std::string &text)
{
    lengthText = text;
    Record("LengthText " + text);
}

void FakeRoundOutputs::PlaySound(std::string_view name)
{
    sounds.emplace_back(name);
    Record("Sound " + std::string(name));
}

void FakeRoundOutputs::SetLengthBackground(Colour colour)
{
    lengthBackground = colour;
    Record("LengthBackground " + ToString(colour));
}

void FakeRoundOutputs::SetLengthTextColour(Colour colour)
{
    lengthTextColour = colour;
    Record("LengthTextColour " + ToString(colour));
}

void FakeRoundOutputs::SetPositionText(const std::string &text)
{
    positionText = text;
    Record("PositionText " + text);
}

void FakeRoundOutputs::SetPanelColour(Colour colour)
{
    panelColour = colour;
    Record("Panels " + ToString(colour));
}

void FakeRoundOutputs::ResetAllCells()
{
    lit.fill(false);
    Record("ResetAllCells");
}

void FakeRoundOutputs::LightCell(CellPosition cell)
{
    lit.at(CellIndex(cell)) = true;
    Record("Light " + ToString(cell));
}

void FakeRoundOutputs::RestoreCell(CellPosition cell)
{
    lit.at(CellIndex(cell)) = false;
    Record("Restore " + ToString(cell));
}

void FakeRoundOutputs::SetDefaultCursors()
{
    handCursors = false;
    Record("DefaultCursors");
}

void FakeRoundOutputs::SetHandCursors()
{
    handCursors = true;
    Record("HandCursors");
}

void FakeRoundOutputs::SetTimerActive(Timer timer, bool active)
{
    const int t = static_cast<int>(timer);
    if (active && !timerOn[t]) {
        switchedOnAt[t] = m_clock ? *m_clock : 0;
        switchedOnOrder[t] = ++m_switchCount;
    }
    timerOn[t] = active;
    Record("Timer " + ToString(timer) + (active ? " on" : " off"));
}

void FakeRoundOutputs::LogFull()
{
    ++logFullCount;
    Record("LogFull");
    if (onLogFull)
        onLogFull();
}

} // namespace vorlant::testing
