#include "engine_rig.h"

namespace vorlant::testing {

EngineRig::EngineRig(std::uint32_t seed)
    : random(seed), controller(
                        outputs, [this] { return now; }, random)
{
    outputs.Attach(&now);
}

std::int64_t EngineRig::Interval(int timer) const
{
    switch (static_cast<Timer>(timer)) {
    case Timer::T1:
        return displayInterval;
    case Timer::Round:
    case Timer::Completion:
        return 50;
    case Timer::Rest:
        return 250;
    }
    return 0;
}

void EngineRig::Fire(int timer)
{
    switch (static_cast<Timer>(timer)) {
    case Timer::T1:
        return controller.T1Timer();
    case Timer::Round:
        return controller._1Timer();
    case Timer::Completion:
        return controller._2Timer();
    case Timer::Rest:
        return controller._3Timer();
    }
}

void EngineRig::Advance(std::int64_t ms)
{
    const std::int64_t until = now + ms;
    for (;;) {
        int next = -1;
        for (int t = 0; t < 4; ++t) {
            if (!outputs.timerOn[t])
                continue;
            // A timer switched on afresh counts its first interval from that moment.
            if (m_generation[t] != outputs.switchedOnOrder[t]) {
                m_generation[t] = outputs.switchedOnOrder[t];
                m_nextDue[t] = outputs.switchedOnAt[t] + Interval(t);
            }
            if (m_nextDue[t] > until)
                continue;
            if (next < 0 || m_nextDue[t] < m_nextDue[next] ||
                (m_nextDue[t] == m_nextDue[next] && m_generation[t] < m_generation[next]))
                next = t;
        }
        if (next < 0)
            break;
        now = m_nextDue[next];
        m_nextDue[next] += Interval(next);
        Fire(next);
    }
    now = until;
}

::testing::AssertionResult EngineRig::AdvanceUntil(const std::function<bool()> &done,
                                                   std::int64_t limitMs)
{
    for (std::int64_t waited = 0; !done(); waited += 10) {
        if (waited > limitMs)
            return ::testing::AssertionFailure() << "still waiting after " << limitMs << " ms";
        Advance(10);
    }
    return ::testing::AssertionSuccess();
}

void EngineRig::Answer(int wrongAt, std::int64_t clickGapMs)
{
    const int length = controller.CurrentLength();
    const Sequence sequence = controller.CurrentSequence();
    for (int slot = 0; slot < length; ++slot) {
        Advance(clickGapMs);
        if (slot == wrongAt) {
            controller.CellClicked(OtherCell(sequence[slot]));
            return;
        }
        controller.CellClicked(sequence[slot]);
    }
}

void EngineRig::PlayAttempt(bool success)
{
    ASSERT_TRUE(AdvanceUntil([this] { return controller.InputOpen(); }));
    const int logIndex = controller.Log().LogIndex;
    Answer(success ? -1 : controller.CurrentLength() - 1);
    ASSERT_TRUE(AdvanceUntil([&] { return controller.Log().LogIndex != logIndex; }));
}

} // namespace vorlant::testing
