// Time of the vibration calculation for tone I on the example ship, after one
// trim calculation that leaves the drafts and the design sectional areas.
#include "trim/input_tables.h"
#include "trim/trim_calculation.h"
#include "vibration/vibration.h"

#include <benchmark/benchmark.h>

namespace {

using namespace hullcalc;

void BM_VibrationToneOne(benchmark::State& state)
{
    TrimSheet trim;
    ShipParticulars particulars;
    particulars.shipType = ShipType::river;
    writeHeaders(trim);
    fillExampleShip(trim.input);
    const ParticularValues values = runTrimCalculation(trim, particulars);

    VibrationSheet vibration;
    writeVibrationHeaders(vibration);
    selectTone(vibration, 1);
    for (auto _ : state) {
        const VibrationResults results = computeVibration(trimmedHull(trim), values, vibration);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_VibrationToneOne);

}  // namespace
