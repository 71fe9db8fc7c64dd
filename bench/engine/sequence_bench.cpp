#include "engine/sequence.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GenerateSequence(benchmark::State &state)
{
    vorlant::RandomGenerator random(1);
    vorlant::Sequence sequence;
    for (auto _ : state) {
        vorlant::GenerateSequence(sequence, static_cast<int>(state.range(0)), random);
        benchmark::DoNotOptimize(sequence);
    }
}
BENCHMARK(BM_GenerateSequence)->Arg(4)->Arg(50);

} // namespace
