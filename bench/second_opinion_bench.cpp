// Timings of the second-opinion models: one homogeneous march and one rating by it.
#include <benchmark/benchmark.h>

#include "engine/homogeneous_flow.h"
#include "engine/tube_rating.h"

namespace {

using namespace capillary;

// The first worked design's tube: R22, 0.09 in, 182.19 lb/h, 110 °F condensing, 10 °F
// subcooling, 40 °F evaporating.
const TubeConditions kFirstExample{"R22", 110, 10, 40};

void HomogeneousFirstExample(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(marchHomogeneous(kFirstExample, 0.0075, 182.19));
}
BENCHMARK(HomogeneousFirstExample)->Unit(benchmark::kMicrosecond);

// The flow the sizing engine's 22.1 ft tube of the same bore passes.
void HomogeneousRating(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(rateHomogeneous(kFirstExample, 0.0075, 22.1, 1));
}
BENCHMARK(HomogeneousRating)->Unit(benchmark::kMicrosecond);

}  // namespace
