// The two-node frequency from the main particulars and the midship section
// inertia alone, as designers estimate it before any mass distribution is known.
#include "vibration/kumai_estimate.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/grid_values.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "vibration/beam_model.h"

#include <cmath>

namespace hullcalc {

// Kumai, T., "On the estimation of natural frequencies of vertical vibration
// of ships", Report of Research Institute for Applied Mechanics, Kyushu
// University, 1968, as quoted for the two-node frequency in the Guidance Notes
// on Ship Vibration, American Bureau of Shipping, April 2006 (updated January
// 2015); the passage itself could not be read here, only the document found.
// Units: I in m⁴, Δᵢ in t, L in m give N in кол/мин (cycles per minute). The
// coefficient is that of a uniform free-free beam carrying Δᵢ/L t/m:
// ω = 4,7300²·√(E·I/(Δᵢ·L³)) with E in kN/m² = t/(m·s²), so that N = ω·60/2π
// = 213,65·√E·√(I/(Δᵢ·L³)); 213,65·√E is 3,07·10⁶ for E = 2,065·10⁸ kN/m²,
// the modulus of steel the formula was fitted with. The factor 1,2 + B/(3T)
// is Todd's virtual mass of the hull with the water moving with it, M·(1,2 +
// B/3T), given with its comparison for B/T of 2,0 to 3,5 in "Introduction to
// Naval Architecture", chapter "Vibration, noise and shock", p. 288: the
// formula belongs to sea-going ships, whose B/T lies about 2 to 4.
TwoNodeEstimate kumaiTwoNodeFrequency(const TrimSheet& trim, const ParticularValues& particulars,
                                      const VibrationSheet& sheet)
{
    // The draft Δ floats at, not the draft typed for the loaded ship; as the
    // summary shows it, the text a later step reads.
    if (!trim.complete)
        throw Error("Сначала выполните расчет удифферентовки");
    const double draft = parseNumber(trim.results[SummaryLine::meanDraft]);  // T, m
    if (!(draft > 0.0) || !std::isfinite(draft))
        throw Error("Оценка по Кумаи невозможна: средняя осадка " + formatGeneral(draft) + " м не больше нуля");
    const double displacement = particulars.designDisplacement;  // Δ, t
    const double breadth = particulars.breadth;                  // B, m
    const double length = particulars.length;                    // L, m
    // Midship lies between spacings 9-10 and 10-11.
    const double inertia = (typedCellValue(sheet.sectionInertia, 1, midshipFrame)
                            + typedCellValue(sheet.sectionInertia, 1, midshipFrame + 1))
                           / 2;

    TwoNodeEstimate estimate;
    estimate.breadthToDraft = breadth / draft;
    const double virtualDisplacement = (1.2 + breadth / (3 * draft)) * displacement;  // Δᵢ, t
    estimate.perMinute = 3.07e6 * squareRoot(divide(inertia, virtualDisplacement * length * length * length));
    if (estimate.breadthToDraft < kumaiLowestBreadthToDraft || estimate.breadthToDraft > kumaiHighestBreadthToDraft)
        estimate.note =
            "формула получена для морских судов с B/T 2–4; здесь B/T = " + formatFixed(estimate.breadthToDraft, 1);
    return estimate;
}

double differenceFromKumai(double energyCircularFrequency, double kumaiPerMinute)
{
    return divide(frequencyOf(energyCircularFrequency).perMinute - kumaiPerMinute, kumaiPerMinute) * 100;
}

}  // namespace hullcalc
