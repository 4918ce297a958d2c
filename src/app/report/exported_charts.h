// The charts of a calculation as files of their own - a PNG picture (300 dpi)
// and an SVG drawing each - for an explanatory note: the results along the
// hull, the hydrostatic curves, the curves of form and the ship on a wave.
#pragma once

#include "report/report_content.h"
#include "widgets/chart_view.h"

#include <string>
#include <vector>

namespace hullcalc {

struct ExportedChart {
    std::string fileStem;  // the file's name without extension, Latin letters: "shear_force"
    const ChartModel& model;
    ChartLook look;
    QString caption;  // the quantity with its unit, the SVG's title
};

// The charts of the content that have points, in the report's order.
std::vector<ExportedChart> exportedCharts(const ReportContent& content);

}  // namespace hullcalc
