// The three results charts of the trim calculation - load per spacing, shear
// force and bending moment along the hull - with their looks, as the results
// window shows them and as they are printed, on paper or into PDF documents.
#pragma once

#include "widgets/chart_printing.h"

#include <vector>

namespace hullcalc {

// In their printing order: load, shear force, bending moment.
std::vector<PrintedChart> resultsCharts(const ChartModel& loads, const ChartModel& shearForce,
                                        const ChartModel& bendingMoment);

}  // namespace hullcalc
