#include "board/sound_player.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A wrong click's sound as the user-interface thread sees it: the call returns before the
// audio thread acts on it. Each call cuts off the sound before, as clicks in a row do. The
// audio thread catches up between calls, so no call waits behind a queue of earlier ones.
// Target: median at most 1 ms.
void BM_PlaySound(benchmark::State &state)
{
    vorlant::SoundPlayer player;
    player.waitForAudioThread(); // its outputs exist, as after loading
    std::vector<double> calls;
    for (auto _ : state) {
        const auto start = Clock::now();
        player.play("WAVE_ERR");
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        calls.push_back(seconds * 1000.0);
        state.PauseTiming();
        player.waitForAudioThread();
        state.ResumeTiming();
    }
    std::sort(calls.begin(), calls.end());
    state.counters["median_ms"] = calls[calls.size() / 2];
    state.counters["max_ms"] = calls.back();
    state.counters["outputs"] = player.outputCount();
}
BENCHMARK(BM_PlaySound)->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);

} // namespace
