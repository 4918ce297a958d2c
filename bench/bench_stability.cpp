// How long the stability at large angles takes in the core on the example ship
// with z_g 2,0 m, after its trim calculation: the cross curves, the
// righting-lever curve and the criteria, in each trim mode; and the whole run
// the windows make on F9 (trim with the curves of form, large angles, tone I)
// with the page's tables and diagrams made from it.
#include "run/ship_run.h"
#include "stability/large_angle_stability.h"
#include "stability/stability_sheet.h"
#include "trim/trim_calculation.h"

#include <benchmark/benchmark.h>

namespace hullcalc {
namespace {

void LargeAngleStabilityOnly(benchmark::State& state, StabilityTrim mode)
{
    TrimSheet sheet;
    writeHeaders(sheet);
    fillExampleShip(sheet.input);
    ShipParticulars particulars;
    particulars.shipType = ShipType::river;
    particulars.verticalCentreOfGravity = "2,0";
    const ParticularValues values = runTrimCalculation(sheet, particulars);
    const double depth = readDepth(particulars);
    for (auto _ : state) {
        const auto stability = computeLargeAngleStability(sheet.input, sheet.bonjean, sheet.hydrostatics,
                                                          sheet.iteration, values, depth, mode);
        benchmark::DoNotOptimize(stability->rightingLevers.maxRightingLever);
    }
}
BENCHMARK_CAPTURE(LargeAngleStabilityOnly, fixed_trim, StabilityTrim::fixed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LargeAngleStabilityOnly, free_trim, StabilityTrim::free)->Unit(benchmark::kMicrosecond);

void WholeRunWithLargeAngles(benchmark::State& state)
{
    Ship ship = exampleShip();
    ship.particulars.shipType = ShipType::river;
    ship.particulars.verticalCentreOfGravity = "2,0";
    for (auto _ : state) {
        const ShipRun run = runShip(ship, RunRequest{{1}, false, RunStep::tones});
        const StabilitySheet page = stabilitySheetOf(*run.stability);
        benchmark::DoNotOptimize(page.rightingLevers.cell(3, 7));
    }
}
BENCHMARK(WholeRunWithLargeAngles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hullcalc
