// The design waterline: the forward and aft drafts at which the loaded ship
// floats in still water, found by successive approximations from the
// hydrostatic curves and the Bonjean scale.
#pragma once

#include "common/chart_model.h"
#include "common/text_grid.h"
#include "trim/bonjean_scale.h"
#include "trim/hydrostatic_curves.h"
#include "trim/particular_values.h"

#include <array>

namespace hullcalc {

// An approximation that misses either target after this many stops the run.
inline constexpr int maxApproximations = 100;

// The cells of the approximations log. The first rows hold the start of the
// iteration and the approximation under way; from row 1 on, row n of the last
// three columns holds approximation n (rows beyond the log are not shown).
namespace approximationsLog {
struct Cell {
    int column;
    int row;
};
inline constexpr Cell evenKeelDraft{1, 1};              // T of the design volume on an even keel, m
inline constexpr Cell evenKeelCentreOfFlotation{2, 1};  // XF there, m
inline constexpr Cell evenKeelCentreOfBuoyancy{3, 1};   // XC0 there, m
inline constexpr Cell evenKeelRadius{4, 1};             // R there, m
inline constexpr Cell firstForwardDraft{1, 2};          // Tн of the first approximation, m
inline constexpr Cell firstAftDraft{2, 2};              // Tк of the first approximation, m
inline constexpr Cell currentVolume{1, 3};              // V of the approximation under way, m³
inline constexpr Cell currentCentreOfBuoyancy{2, 3};    // XC of the approximation under way, m
inline constexpr Cell approximationNumber{1, 4};        // number of the approximation under way
inline constexpr Cell accepted{4, 4};                   // "Готово" once accepted
inline constexpr Cell correctionArea{1, 5};             // S used by the last correction, m²
inline constexpr int volumeColumn = 5;                  // V of approximation n, m³
inline constexpr int centreOfBuoyancyColumn = 6;        // XC of approximation n, m
inline constexpr int areaSumColumn = 7;                 // trapezoid sum of its sectional areas, m²
}  // namespace approximationsLog

struct WaterlineIteration {
    WaterlineIteration();

    TextGrid log{8, 10};  // the approximations log
    // Row 1: draft and immersed sectional area of frame row r (column r) on the
    // waterline of the last approximation.
    TextGrid frameDrafts{frameCount + 1, 2};         // m
    TextGrid designSectionAreas{frameCount + 1, 2};  // m²
    ChartModel frameDraftChart;
    ChartModel designSectionAreaChart;

    // Kept from the last approximation for the trim table and the vibration
    // calculation.
    double forwardDraft = 0.0;                        // Tн at frame 0, m
    double aftDraft = 0.0;                            // Tк at frame 20, m
    double trimSlope = 0.0;                           // (Tк − Tн) / L: change of draft per metre going aft
    std::array<double, frameCount + 1> frameDraft{};  // draft at frame row r, m (r = 1..21)
    int approximations = 0;                           // number of the last approximation

    bool operator==(const WaterlineIteration&) const = default;
};

// "Шп" and "Осадка" down column 0 of the frame drafts and 1..21 across.
void writeIterationHeaders(WaterlineIteration& iteration);

// The accepted waterline, as the trim table and the result summary need it.
// Abscissae are from midship, positive towards the bow.
struct DesignWaterline {
    double volume = 0.0;            // V of the accepted approximation, m³
    double centreOfBuoyancy = 0.0;  // XC of the accepted approximation, m
    double forwardDraft = 0.0;      // Tн at frame 0, m
    double aftDraft = 0.0;          // Tк at frame 20, m
    double meanDraft = 0.0;         // (Tн + Tк) / 2, m
    // Hydrostatics of the even-keel waterline at the mean draft.
    double centreOfFlotation = 0.0;   // XF, m
    double longitudinalRadius = 0.0;  // R, m
    double waterplaneArea = 0.0;      // S, m²
};

// Starts from the even-keel draft of the design volume and the trim that puts
// the centre of buoyancy under the centre of gravity, then builds each
// approximation's sectional-area curve from the Bonjean scale, tests volume
// (within 0,4 %) and centre of buoyancy (within L/10000), and corrects the
// drafts by a parallel sinkage and a turn about the centre of flotation.
// Throws Error when the design volume or a draft leaves the tabulated
// waterlines, or after maxApproximations approximations without acceptance.
DesignWaterline findDesignWaterline(const BonjeanScale& bonjean, const HydrostaticCurves& curves,
                                    const ParticularValues& particulars, WaterlineIteration& iteration);

}  // namespace hullcalc
