// The three results charts of the trim calculation - load per spacing, shear
// force and bending moment along the hull - with their looks, as the results
// window shows them and as they are printed, on paper or into PDF files.
#pragma once

#include "widgets/chart_printing.h"

#include <filesystem>
#include <vector>

namespace hullcalc {

// In their printing order: load, shear force, bending moment.
std::vector<PrintedChart> resultsCharts(const ChartModel& loads, const ChartModel& shearForce,
                                        const ChartModel& bendingMoment);

// Writes directory/1.pdf, 2.pdf and 3.pdf, each chart alone on a landscape
// page, exactly as they are printed, each saved safely (the old file stays
// until the new one is complete). Throws Error when a file cannot be written.
void printChartsToPdf(const std::vector<PrintedChart>& charts, const std::filesystem::path& directory);

}  // namespace hullcalc
