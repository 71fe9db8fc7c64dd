#include "engine/round_controller.h"

#include "engine/level_rule.h"
#include "engine/round_outputs.h"
#include "engine/sounds.h"
#include "engine/utf8.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace vorlant {

RoundController::RoundController(RoundOutputs &outputs, MonotonicClock clock,
                                 RandomGenerator &random)
    : m_outputs(outputs), m_clock(std::move(clock)), m_random(random)
{}

int RoundController::CurrentLength() const
{
    const int index = m_log.LogIndex;
    return index >= 0 && index <= kLastRecord ? m_log.records[index].length : 0;
}

LogRecords RoundController::FinishedRecords() const
{
    LogRecords records{};
    std::copy_n(m_log.records.begin(), m_finishedAttempts, records.begin());
    return records;
}

AttemptRecord *RoundController::CurrentRecord()
{
    const int index = m_log.LogIndex;
    return index >= 0 && index <= kLastRecord ? &m_log.records[index] : nullptr;
}

CellPosition RoundController::SlotAt(int slot) const
{
    return slot >= 0 && slot < kSequenceSlots ? m_sequence[slot] : CellPosition{};
}

std::int64_t RoundController::MsSinceInputStart() const
{
    return m_clock() - m_inputStart;
}

void RoundController::StartTest(std::string_view personName)
{
    m_personName = Utf8Prefix(personName, kPersonNameMaxChars);

    // A new test shows and saves only its own attempts; record 0 keeps the starting length.
    m_log.LogIndex = 0;
    std::fill(m_log.records.begin() + 1, m_log.records.end(), AttemptRecord{});
    m_log.records[0].success = false;
    m_log.records[0].elapsedMs = 0;
    m_finishedAttempts = 0;
    m_testUnderWay = true;
    m_paused = false;

    m_roundStartBusy = m_completionBusy = m_displayBusy = false;

    // A test still running behind the name dialog stops here, so that none of its display,
    // completion or rest ticks and none of its clicks reach the new test's log.
    m_outputs.SetTimerActive(Timer::T1, false);
    m_outputs.SetTimerActive(Timer::Completion, false);
    m_outputs.SetTimerActive(Timer::Rest, false);
    CloseInput();

    m_outputs.SetTimerActive(Timer::Round, true);
    m_outputs.SetPositionText("0");
}

void RoundController::_1Timer()
{
    if (m_roundStartBusy)
        return;
    m_roundStartBusy = true;

    // A full log takes no new round; the owner is told again so that it ends the test.
    if (IsLogFull()) {
        m_outputs.SetTimerActive(Timer::Round, false);
        m_roundStartBusy = false;
        m_outputs.LogFull();
        return;
    }

    m_outputs.SetLengthBackground(kButtonFace);
    m_outputs.SetLengthTextColour(kBlack);
    m_outputs.ResetAllCells();
    m_inputOpen = false;
    // After ContinueTest the round does the attempt at LogIndex again, finished or not.
    m_finishedAttempts = std::min(m_finishedAttempts, m_log.LogIndex);
    ApplyLevelRule(m_log, m_outputs);
    GenerateSequence(m_sequence, CurrentLength(), m_random);
    m_position = 0;
    m_displayTicks = 0;
    m_outputs.SetTimerActive(Timer::T1, true);
    m_outputs.SetTimerActive(Timer::Round, false);

    m_roundStartBusy = false;
}

void RoundController::T1Timer()
{
    // Once the program is closing nothing more is shown, even from a tick already on its way.
    if (m_displayBusy || m_quitting)
        return;
    m_outputs.SetPanelColour(kGradientActiveCaption);
    m_displayBusy = true;
    m_outputs.SetDefaultCursors();

    ++m_displayTicks;
    const int length = CurrentLength();
    if (m_displayTicks == 1) {
        // The first tick only colours the panels.
    } else if (m_displayTicks % 2 == 1) {
        if (m_position < length) {
            m_outputs.RestoreCell(SlotAt(m_position));
            m_outputs.SetPositionText(std::to_string(m_position + 1));
            ++m_position;
        }
    } else if (m_position < length) {
        m_outputs.LightCell(SlotAt(m_position));
    } else {
        OpenInput();
    }

    m_displayBusy = false;
}

void RoundController::OpenInput()
{
    m_outputs.SetHandCursors();
    m_outputs.SetPanelColour(kMoneyGreen);
    m_outputs.SetTimerActive(Timer::T1, false);
    m_inputStart = m_clock();
    m_answerDelayMs = 0;
    m_position = 0;
    m_inputOpen = true;
    m_outputs.SetTimerActive(Timer::Completion, true);
}

void RoundController::CloseInput()
{
    m_inputOpen = false;
    m_outputs.SetDefaultCursors();
}

void RoundController::CellClicked(CellPosition cell)
{
    m_clickedCell = cell;
    JudgeClick();
}

void RoundController::CellAnswered(CellPosition cell, std::int64_t answeredAtMs)
{
    m_clickedCell = cell;
    m_answeredAt = answeredAtMs;
    JudgeClick();
    m_answeredAt.reset();
}

void RoundController::JudgeClick()
{
    AttemptRecord *record = CurrentRecord();
    if (!record || record->length <= m_position || !m_inputOpen)
        return;

    const std::int64_t now = m_clock();
    const std::int64_t answeredAt = std::clamp(m_answeredAt.value_or(now), m_inputStart, now);
    m_answerDelayMs = now - answeredAt;
    record->elapsedMs = answeredAt - m_inputStart;
    if (SlotAt(m_position) == m_clickedCell) {
        m_outputs.SetLengthBackground(kYellow);
        m_outputs.SetLengthTextColour(kBlack);
        record->success = true;
    } else {
        m_inputOpen = false;
        m_outputs.SetLengthBackground(kRed);
        m_outputs.PlaySound(kSoundError);
        m_outputs.SetLengthTextColour(kWhite);
        record->success = false;
        m_position = record->length;
    }
    ++m_position;
}

void RoundController::_2Timer()
{
    if (m_completionBusy)
        return;
    m_completionBusy = true;

    bool logFilled = false;
    AttemptRecord *record = CurrentRecord();
    if (!record) {
        m_outputs.SetTimerActive(Timer::Completion, false);
    } else if (m_position >= record->length) {
        m_outputs.SetTimerActive(Timer::Completion, false);
        // An attempt ended by an answer judged late counts as noticed that much earlier.
        record->elapsedMs = MsSinceInputStart() - m_answerDelayMs;
        ++m_log.LogIndex;
        m_finishedAttempts = m_log.LogIndex;
        // Clicks between attempts must never be judged against the finished round.
        CloseInput();
        if (!m_quitting) {
            if (IsLogFull()) {
                logFilled = true;
            } else {
                m_pauseTicks = 0;
                m_outputs.SetTimerActive(Timer::Rest, true);
            }
        }
    }

    m_completionBusy = false;
    // Last of all, so the owner may end the test from inside the notification.
    if (logFilled)
        m_outputs.LogFull();
}

void RoundController::_3Timer()
{
    ++m_pauseTicks;
    if (m_pauseTicks > 2) {
        m_outputs.SetTimerActive(Timer::Rest, false);
        m_outputs.SetTimerActive(Timer::Round, true);
        m_outputs.SetPositionText("0");
    }
}

void RoundController::StopTimers()
{
    m_outputs.SetTimerActive(Timer::Round, false);
    m_outputs.SetTimerActive(Timer::Completion, false);
    m_outputs.SetTimerActive(Timer::Rest, false);
    m_outputs.SetTimerActive(Timer::T1, false);
}

void RoundController::DropCurrentRecord()
{
    // Record 0 stays as the test's only attempt; a full log has no unfinished attempt.
    if (m_log.LogIndex > 0 && m_log.LogIndex <= kLastRecord) {
        m_log.records[m_log.LogIndex] = AttemptRecord{};
        --m_log.LogIndex;
        // A second pause before a round has started takes back a finished attempt.
        m_finishedAttempts = std::min(m_finishedAttempts, m_log.LogIndex + 1);
    }
}

void RoundController::PauseTest()
{
    m_paused = true;
    StopTimers();
    CloseInput();
    DropCurrentRecord();
}

void RoundController::ContinueTest()
{
    m_paused = false;
    m_roundStartBusy = m_completionBusy = m_displayBusy = false;
    // Whatever round is under way stops here, so that the round started next re-initialises the
    // record at LogIndex alone and no completion check of the old one advances past it.
    m_outputs.SetTimerActive(Timer::T1, false);
    m_outputs.SetTimerActive(Timer::Completion, false);
    m_outputs.SetTimerActive(Timer::Rest, false);
    CloseInput();
    m_outputs.SetTimerActive(Timer::Round, true);
}

void RoundController::EndTest()
{
    m_testUnderWay = false;
    m_paused = false;
    StopTimers();
    CloseInput();
    m_outputs.ResetAllCells();
    DropCurrentRecord();
}

void RoundController::QuitTest()
{
    m_outputs.SetTimerActive(Timer::T1, false);
    m_position = std::numeric_limits<std::int32_t>::max();
    m_quitting = true;
}

} // namespace vorlant
