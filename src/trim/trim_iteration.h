// The design waterline: the forward and aft drafts at which the loaded ship
// floats in still water, found by successive approximations from the
// hydrostatic curves and the Bonjean scale. First half of stage 6.
#pragma once

#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"

namespace hullcalc {

// An approximation that misses either target after this many stops the run.
inline constexpr int maxApproximations = 100;

// The accepted waterline, as the trim table and the result summary need it.
// Abscissae are from midship, positive towards the bow.
struct DesignWaterline {
    double volume = 0.0;            // V of the accepted approximation, m³
    double centreOfBuoyancy = 0.0;  // XC of the accepted approximation, m
    double forwardDraft = 0.0;      // Tn at frame 0, m
    double aftDraft = 0.0;          // Tk at frame 20, m
    double meanDraft = 0.0;         // (Tn + Tk) / 2, m
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
// Writes StringGrid1, TGrid, WrGrid and their charts, and keeps Tn, Tk,
// TrimSlope and TFrame of the last approximation. Throws Error when the design
// volume or a draft leaves the tabulated waterlines, or after
// maxApproximations approximations without acceptance.
DesignWaterline findDesignWaterline(TrimSheet& sheet, const ShipParticulars& particulars);

}  // namespace hullcalc
