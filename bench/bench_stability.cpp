// How long the stability at large angles takes in the core on the example ship
// with z_g 2,0 m, after its trim calculation: the cross curves, the
// righting-lever curve and the criteria, in each trim mode.
#include "stability/large_angle_stability.h"
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

}  // namespace
}  // namespace hullcalc
