#pragma once

#include "engine/attempt_log.h"
#include "engine/clock.h"
#include "engine/random.h"
#include "engine/sequence.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlant {

class RoundOutputs;

inline constexpr std::size_t kPersonNameMaxChars = 25;

// Runs a test as a timer-driven state machine: each round sets the length, shows a new
// sequence, judges the clicks, records success and time and rests before the next round.
// The owner calls the timer handlers when its timers fire and reports clicks; the controller
// acts on the screen and the timers only through its RoundOutputs.
class RoundController
{
public:
    RoundController(RoundOutputs &outputs, MonotonicClock clock, RandomGenerator &random);

    // Begins a fresh test under the name (its first 25 characters) from record 0.
    void StartTest(std::string_view personName);
    // Round start (_1): level rule, new sequence, display armed.
    void _1Timer();
    // Display tick (T1): lights and restores the sequence's cells, then opens input.
    void T1Timer();
    // Completion check (_2): records a finished attempt and arms the rest.
    void _2Timer();
    // Rest tick (_3): the third one arms the next round start.
    void _3Timer();
    // The board's click report: ClickedCell := cell, then JudgeClick.
    void CellClicked(CellPosition cell);
    // An answer given at answeredAtMs on the clock and judged only now (a key, judged once it
    // is known not to repeat): judged as a click, and timed as if it had come at answeredAtMs.
    void CellAnswered(CellPosition cell, std::int64_t answeredAtMs);
    // Judges ClickedCell against the next slot of the sequence while input is open.
    void JudgeClick();
    // Stops the timers, closes input and drops the unfinished attempt; the test stays under way.
    void PauseTest();
    // Stops the round under way, closes input, clears the busy flags and arms a new round start.
    void ContinueTest();
    // Stops the timers, closes input, resets the board and drops the unfinished attempt; the
    // test is over.
    void EndTest();
    // Stops the display for closing the program; no click is judged afterwards.
    void QuitTest();

    // The owner writes record 0's length (the starting length) between tests.
    AttemptLog &Log() { return m_log; }
    const AttemptLog &Log() const { return m_log; }
    const Sequence &CurrentSequence() const { return m_sequence; }
    // The length of the record at LogIndex, 0 when LogIndex lies outside the log.
    int CurrentLength() const;
    // Every record holds a completed attempt; LogIndex is then 1001 until the next test.
    bool IsLogFull() const { return m_log.LogIndex > kLastRecord; }
    const std::string &PersonName() const { return m_personName; }

    // A test has started and has not been ended: running, paused, or running on while the next
    // one is being named. The owner's controls may read otherwise; this is what counts.
    bool TestUnderWay() const { return m_testUnderWay; }
    // The test under way is paused.
    bool Paused() const { return m_paused; }
    // How many attempts of the test lie finished at the start of the log: the records that a
    // round start or a pause will not take back. Neither the attempt being shown or answered
    // nor one that a round started after ContinueTest does again counts.
    int FinishedAttempts() const { return m_finishedAttempts; }
    // The finished attempts followed by the end of the log.
    LogRecords FinishedRecords() const;

    std::int32_t Position() const { return m_position; }
    std::int64_t InputStart() const { return m_inputStart; }
    bool InputOpen() const { return m_inputOpen; }
    bool Quitting() const { return m_quitting; }

private:
    AttemptRecord *CurrentRecord();
    CellPosition SlotAt(int slot) const;
    std::int64_t MsSinceInputStart() const;
    void OpenInput();
    void CloseInput();
    void StopTimers();
    void DropCurrentRecord();

    RoundOutputs &m_outputs;
    MonotonicClock m_clock;
    RandomGenerator &m_random;

    AttemptLog m_log;
    Sequence m_sequence;
    std::string m_personName;

    std::int32_t m_position = 0;
    std::int32_t m_displayTicks = 0;
    std::int32_t m_pauseTicks = 0;
    CellPosition m_clickedCell{0, 0};
    std::int64_t m_inputStart = 0;
    // The time of the answer being judged, when it came before it was judged; and by how much
    // the last answer judged came before its judging, which the completion check discounts.
    std::optional<std::int64_t> m_answeredAt;
    std::int64_t m_answerDelayMs = 0;
    int m_finishedAttempts = 0;
    bool m_testUnderWay = false;
    bool m_paused = false;
    bool m_inputOpen = false;
    bool m_quitting = false;
    bool m_roundStartBusy = false;
    bool m_completionBusy = false;
    bool m_displayBusy = false;
};

} // namespace vorlant
