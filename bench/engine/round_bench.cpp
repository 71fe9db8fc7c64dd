#include "engine/attempt_log.h"
#include "engine/level_rule.h"
#include "engine/round_controller.h"
#include "engine/round_outputs.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vorlant;

// Outputs that go nowhere, so the figures are the controller's own cost.
class NullOutputs : public RoundOutputs
{
public:
    void SetLengthText(const std::string &) override {}
    void PlaySound(std::string_view) override {}
    void SetLengthBackground(Colour) override {}
    void SetLengthTextColour(Colour) override {}
    void SetPositionText(const std::string &) override {}
    void SetPanelColour(Colour) override {}
    void ResetAllCells() override {}
    void LightCell(CellPosition) override {}
    void RestoreCell(CellPosition) override {}
    void SetDefaultCursors() override {}
    void SetHandCursors() override {}
    void SetTimerActive(Timer, bool) override {}
    void LogFull() override {}
};

// One whole round at a fixed length: round start, the display, every click, the completion
// check and the rest. Alternating outcomes keep the level rule from moving the length.
void BM_WholeRound(benchmark::State &state)
{
    const int length = static_cast<int>(state.range(0));
    NullOutputs outputs;
    RandomGenerator random(1);
    std::int64_t now = 0;
    RoundController controller(
        outputs, [&now] { return now; }, random);
    controller.StartTest("Eva");
    AttemptLog &log = controller.Log();
    for (int n = 0; n < 4; ++n)
        log.records[n] = {length, n % 2 == 0, 1};
    log.LogIndex = 4;

    bool success = true;
    for (auto _ : state) {
        if (log.LogIndex > 900)
            log.LogIndex = 4;
        controller._1Timer();
        for (int tick = 0; tick < 2 * length + 2; ++tick)
            controller.T1Timer();
        const Sequence &sequence = controller.CurrentSequence();
        for (int slot = 0; slot < length; ++slot) {
            now += 300;
            const CellPosition cell = sequence[slot];
            const bool wrong = !success && slot == length - 1;
            controller.CellClicked(wrong ? CellPosition{(cell.row + 1) % 4, cell.column} : cell);
        }
        controller._2Timer();
        for (int tick = 0; tick < 3; ++tick)
            controller._3Timer();
        success = !success;
        benchmark::DoNotOptimize(log.records[log.LogIndex - 1]);
    }
}
BENCHMARK(BM_WholeRound)->Arg(2)->Arg(6)->Arg(50);

// The level rule at a late attempt whose last four attempts share one length.
void BM_ApplyLevelRule(benchmark::State &state)
{
    NullOutputs outputs;
    AttemptLog log;
    for (int n = 0; n < 500; ++n)
        log.records[n] = {12, n % 3 != 0, 1000};
    log.LogIndex = 500;
    for (auto _ : state) {
        ApplyLevelRule(log, outputs);
        benchmark::DoNotOptimize(log.records[500]);
    }
}
BENCHMARK(BM_ApplyLevelRule);

} // namespace
