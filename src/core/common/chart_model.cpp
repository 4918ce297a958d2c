#include "common/chart_model.h"

#include <algorithm>
#include <utility>

namespace hullcalc {

ChartSeries::ChartSeries(std::string title, Colour colour, SeriesKind kind, PointOrder order)
    : title_(std::move(title)), colour_(colour), kind_(kind), order_(order)
{}

void ChartSeries::append(double x, double y, std::string label)
{
    ChartPoint point{x, y, std::move(label)};
    if (order_ == PointOrder::AsAdded) {
        points_.push_back(std::move(point));
        return;
    }
    // After every point with x not greater than the new one: equal abscissae keep
    // the order in which they were added.
    const auto at = std::upper_bound(points_.begin(), points_.end(), x,
                                     [](double value, const ChartPoint& p) { return value < p.x; });
    points_.insert(at, std::move(point));
}

void ChartModel::clear()
{
    for (ChartSeries& s : series)
        s.clear();
}

ChartModel singleSeriesChart(std::string title, Colour colour, SeriesKind kind)
{
    ChartModel chart{std::move(title), {}};
    chart.series.emplace_back("", colour, kind, PointOrder::AsAdded);
    return chart;
}

}  // namespace hullcalc
