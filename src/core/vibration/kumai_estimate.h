// Kumai's empirical estimate of the two-node (tone I) natural frequency of
// vertical hull-girder vibration, to check the energy method's tone I against.
#pragma once

#include "trim/ship_particulars.h"
#include "vibration/vibration_sheet.h"

namespace hullcalc {

// N = 3,07·10⁶·√(I/(Δᵢ·L³)), кол/мин, with I the largest section inertia of
// the sheet's input, m⁴; Δᵢ = (1,2 + B/(3T))·Δ the displacement with the
// water vibrating with the hull, t, from the design displacement Δ, the
// breadth B and the draft T (m) of the particulars; and L the design length, m.
// Throws ParticularError for a particular that is not a positive number and
// CellError for a section inertia that is not a number.
double kumaiTwoNodeFrequency(const ShipParticulars& particulars, const VibrationSheet& sheet);

// The energy method's tone I (ω, 1/s) against the estimate (кол/мин), in % of
// the estimate: positive when the energy method gives the higher frequency.
double differenceFromKumai(double energyCircularFrequency, double kumaiPerMinute);

}  // namespace hullcalc
