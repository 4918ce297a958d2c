// A chart as the report prints it: the model, how it looks, and the caption
// with its units printed above it.
#pragma once

#include "common/chart_model.h"
#include "widgets/chart_view.h"

#include <QString>

#include <algorithm>

namespace hullcalc {

struct ReportChart {
    const ChartModel& model;  // must outlive the document's painting
    ChartLook look;
    QString caption;
};

// A chart as a page of the report shows it: the caption above it and what
// its axes say.
struct PlacedChart {
    QString caption;
    QString xTitle;
    QString yTitle;
};

// Whether any series of the model has a point: an empty chart is not printed.
inline bool hasPoints(const ChartModel& model)
{
    return std::any_of(model.series.begin(), model.series.end(),
                       [](const ChartSeries& series) { return !series.points().empty(); });
}

}  // namespace hullcalc
