// How long "Расчет" of the trim window takes in the core on the example ship:
// the Bonjean scale alone, and the whole calculation with every text written
// to a grid and read back, as the window runs it.
#include "trim/bonjean_scale.h"
#include "trim/input_tables.h"
#include "trim/particular_values.h"
#include "trim/trim_calculation.h"

#include <benchmark/benchmark.h>

namespace hullcalc {
namespace {

struct ExampleRun {
    ExampleRun()
    {
        particulars.shipType = ShipType::river;
        writeHeaders(sheet);
        fillExampleShip(sheet.input);
    }
    TrimSheet sheet;
    ShipParticulars particulars;
};

// The Bonjean scale: waterline heights, body plan, Bonjean tables and their charts.
void BonjeanScaleOnly(benchmark::State& state)
{
    ExampleRun run;
    BonjeanScale& bonjean = run.sheet.bonjean;
    const ParticularValues values = readParticularValues(run.particulars);
    for (auto _ : state) {
        buildWaterlineHeights(values.waterlineSpacing, bonjean.waterlineHeights);
        drawBodyPlan(run.sheet.input, bonjean.waterlineHeights, bonjean.bodyPlan);
        computeBonjeanScale(run.sheet.input, values, bonjean);
        drawBonjeanCurves(bonjean);
        benchmark::DoNotOptimize(run.sheet.bonjean.sectionAreas.cell(10, 21).data());
    }
}
BENCHMARK(BonjeanScaleOnly)->Unit(benchmark::kMicrosecond);

// The whole calculation, repeated on the same sheet as a user pressing "Расчет" again.
void WholeTrimCalculation(benchmark::State& state)
{
    ExampleRun run;
    for (auto _ : state) {
        runTrimCalculation(run.sheet, run.particulars);
        benchmark::DoNotOptimize(run.sheet.results.summary[10].data());
    }
    state.counters["approximations"] = run.sheet.iteration.approximations;
}
BENCHMARK(WholeTrimCalculation)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace hullcalc
