// How long "Расчет" of the trim window takes in the core on the example ship:
// the Bonjean stages alone, and the whole calculation with every text written
// to a grid and read back, as the window runs it.
#include "trim/bonjean.h"
#include "trim/input_tables.h"
#include "trim/trim_calculation.h"

#include <benchmark/benchmark.h>

namespace hullcalc {
namespace {

struct ExampleRun {
    ExampleRun()
    {
        particulars.WaterDensity = riverWaterDensity;
        setUpGrids(sheet);
        fillExampleShip(sheet);
    }
    TrimSheet sheet;
    ShipParticulars particulars;
};

// Stages 1 to 4: waterline heights, body plan, Bonjean tables and their charts.
void BonjeanStages(benchmark::State& state)
{
    ExampleRun run;
    for (auto _ : state) {
        resetWaterlineHeights(run.sheet, run.particulars);
        drawBodyPlan(run.sheet);
        computeBonjeanScale(run.sheet, run.particulars);
        drawBonjeanCurves(run.sheet);
        benchmark::DoNotOptimize(run.sheet.UWAGrid.cell(10, 21).data());
    }
}
BENCHMARK(BonjeanStages)->Unit(benchmark::kMicrosecond);

// All six stages, repeated on the same sheet as a user pressing "Расчет" again.
void WholeTrimCalculation(benchmark::State& state)
{
    ExampleRun run;
    for (auto _ : state) {
        runTrimCalculation(run.sheet, run.particulars);
        benchmark::DoNotOptimize(run.sheet.summary[10].data());
    }
    state.counters["approximations"] = run.sheet.kept.approximations;
}
BENCHMARK(WholeTrimCalculation)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace hullcalc
