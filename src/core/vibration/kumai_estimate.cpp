// The two-node frequency from the main particulars and the midship section
// inertia alone, as designers estimate it before any mass distribution is known.
#include "vibration/kumai_estimate.h"

#include "common/checked_math.h"
#include "common/grid_values.h"
#include "common/hull_frames.h"
#include "vibration/beam_model.h"

#include <algorithm>
#include <cmath>

namespace hullcalc {

// Kumai, T., "On the estimation of natural frequencies of vertical vibration
// of ships", Report of Research Institute for Applied Mechanics, Kyushu
// University, 1968. Units: I in m⁴, Δᵢ in t, L in m give N in кол/мин (cycles
// per minute). The coefficient is that of a uniform free-free beam carrying
// Δᵢ/L t/m: ω = 4,7300²·√(E·I/(Δᵢ·L³)) with E in kN/m² = t/(m·s²), so that
// E·I/(Δᵢ·L³) is in 1/s², and N = ω·60/2π = 213,65·√E·√(I/(Δᵢ·L³)); 213,65·√E
// is 3,07·10⁶ for E = 2,065·10⁸ kN/m², the modulus of steel. The factor
// 1,2 + B/(3T) adds the water moving with the hull to the displacement.
double kumaiTwoNodeFrequency(const ShipParticulars& particulars, const VibrationSheet& sheet)
{
    const double displacement = positiveParticular(particulars, &ShipParticulars::designDisplacement);  // Δ, t
    const double breadth = positiveParticular(particulars, &ShipParticulars::breadth);                  // B, m
    const double draft = positiveParticular(particulars, &ShipParticulars::draft);                      // T, m
    const double length = positiveParticular(particulars, &ShipParticulars::length);                    // L, m
    double inertia = cellValue(sheet.sectionInertia, 1, 1);
    for (int r = 2; r <= spacingCount; ++r)
        inertia = std::max(inertia, cellValue(sheet.sectionInertia, 1, r));

    const double virtualDisplacement = (1.2 + breadth / (3 * draft)) * displacement;  // Δᵢ, t
    return 3.07e6 * squareRoot(divide(inertia, virtualDisplacement * length * length * length));
}

double differenceFromKumai(double energyCircularFrequency, double kumaiPerMinute)
{
    return divide(frequencyOf(energyCircularFrequency).perMinute - kumaiPerMinute, kumaiPerMinute) * 100;
}

}  // namespace hullcalc
