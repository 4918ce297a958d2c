// Kumai's empirical estimate of the two-node (tone I) natural frequency of
// vertical hull-girder vibration, to check the energy method's tone I against.
#pragma once

#include "trim/particular_values.h"
#include "trim/trim_sheet.h"
#include "vibration/vibration_sheet.h"

#include <string>

namespace hullcalc {

// Breadth over draft of the ships Kumai's formula was fitted to (sea-going).
inline constexpr double kumaiLowestBreadthToDraft = 2.0;
inline constexpr double kumaiHighestBreadthToDraft = 4.0;

struct TwoNodeEstimate {
    double perMinute = 0.0;       // N, кол/мин
    double breadthToDraft = 0.0;  // B/T at the mean draft the ship floats at
    // Russian, when B/T lies outside the range the formula was fitted to;
    // empty otherwise.
    std::string note;
};

// N = 3,07·10⁶·√(I/(Δᵢ·L³)), кол/мин, with I the section inertia at midship
// (the mean of spacings 9-10 and 10-11 of the sheet's input), m⁴;
// Δᵢ = (1,2 + B/(3T))·Δ the displacement with the water vibrating with the
// hull, t, from the design displacement Δ and the breadth B of the
// particulars and the mean draft T of the accepted waterline (the draft at
// which Δ floats, Тср as the trim's summary shows it); and L the design
// length, m. Throws Error when the trim run did not complete or Тср is not
// positive, and CellError for a section inertia that is not a number.
TwoNodeEstimate kumaiTwoNodeFrequency(const TrimSheet& trim, const ParticularValues& particulars,
                                      const VibrationSheet& sheet);

// The energy method's tone I (ω, 1/s) against the estimate (кол/мин), in % of
// the estimate: positive when the energy method gives the higher frequency.
double differenceFromKumai(double energyCircularFrequency, double kumaiPerMinute);

}  // namespace hullcalc
