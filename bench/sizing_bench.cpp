// Timings of the sizing engine: one whole sizing and the friction factor alone.
#include <benchmark/benchmark.h>

#include "engine/MdlLiquid.h"
#include "engine/Mdlfrictionfactor.h"
#include "engine/calculation_request.h"
#include "engine/output_texts.h"

namespace {

using namespace capillary;

// The first worked design, from typed texts to the five result texts, as Calculate does it.
void SizeFirstExample(benchmark::State& state) {
    const InputTexts texts{.refrigerant = "R22",
                           .capacity = "1",
                           .evaporating = "40",
                           .condensing = "110",
                           .superheat = "0",
                           .subcooling = "10",
                           .maxPressureDrop = "10",
                           .circuits = "1"};
    for (auto _ : state) {
        const CalculationRequest request = checkCalculationRequest(texts, UnitSystem::English);
        const auto sizing = SizeCapillary(request.designCase, texts.refrigerant, request.circuits);
        benchmark::DoNotOptimize(formatOutputs(*sizing, UnitSystem::English));
    }
}
BENCHMARK(SizeFirstExample);

// The marching model alone, on a checked design.
void SizeCapillaryOnly(benchmark::State& state) {
    const DesignCase design{1, 40, 110, 0, 10, 10};
    for (auto _ : state) benchmark::DoNotOptimize(SizeCapillary(design, "R22", 1));
}
BENCHMARK(SizeCapillaryOnly);

void FrictionFactorTurbulent(benchmark::State& state) {
    double reynolds = 100000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(reynolds);
        benchmark::DoNotOptimize(FrictionFactor(0.001, reynolds));
    }
}
BENCHMARK(FrictionFactorTurbulent);

}  // namespace
