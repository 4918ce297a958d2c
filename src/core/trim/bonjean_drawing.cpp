#include "trim/bonjean_drawing.h"

#include "common/grid_values.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace hullcalc {

namespace {

// A curve reaches at most this share of a spacing beyond its station, so that
// it stays clear of the next frame's.
constexpr double reach = 0.9;

// Colours of the frames' curves, going round; the waterline is blue.
constexpr Colour frameColours[] = {colours::red,   colours::green, colours::maroon,  colours::teal, colours::purple,
                                   colours::olive, colours::navy,  colours::fuchsia, colours::grey, colours::black};

double largestValue(const TextGrid& table)
{
    double largest = 0.0;
    for (int row = 1; row < table.rowCount(); ++row)
        for (int column = 1; column < table.columnCount(); ++column)
            largest = std::max(largest, cellValue(table, column, row));
    return largest;
}

// One chart: a series per frame row of `table`, values scaled by `step` per spacing.
void drawFrames(const TextGrid& table, const WaterlineHeights& z, const std::string& title, const std::string& unit,
                ChartModel& chart)
{
    const double step = bonjeanScaleStep(largestValue(table));
    chart.clear();
    chart.title = title + " (1 шпация = " + formatGeneral(step) + " " + unit + ")";
    const int top = table.columnCount() - 1;
    for (int row = 1; row < table.rowCount() && row < static_cast<int>(chart.series.size()); ++row) {
        ChartSeries& series = chart.series[static_cast<std::size_t>(row - 1)];
        const double station = row - 1;
        series.append(station, z[static_cast<std::size_t>(top)]);
        for (int column = 1; column <= top; ++column)
            series.append(station + cellValue(table, column, row) / step, z[static_cast<std::size_t>(column)]);
    }
}

}  // namespace

ChartModel bonjeanScaleChart(std::string title)
{
    ChartModel chart{std::move(title), {}};
    for (int frame = 0; frame < frameCount; ++frame)
        chart.series.emplace_back(frameLabel(frame), frameColours[frame % std::size(frameColours)]);
    chart.series.emplace_back("Расчетная ватерлиния", colours::blue);
    return chart;
}

double bonjeanScaleStep(double largest)
{
    if (!(largest > 0.0) || !std::isfinite(largest))
        return 1.0;
    const double least = largest / reach;
    double power = std::pow(10.0, std::floor(std::log10(least)));
    for (;;) {
        for (const double mantissa : {1.0, 2.0, 2.5, 5.0})
            if (mantissa * power >= least)
                return mantissa * power;
        power *= 10;
    }
}

void drawBonjeanScale(BonjeanScale& scale)
{
    drawFrames(scale.sectionAreas, scale.waterlineHeights, "Площади шпангоутов", "м²", scale.bonjeanCurves);
    drawFrames(scale.sectionMoments, scale.waterlineHeights, "Статические моменты шпангоутов", "м³",
               scale.bonjeanMomentCurves);
}

void drawDesignWaterline(const WaterlineIteration& iteration, BonjeanScale& scale)
{
    for (ChartModel* chart : {&scale.bonjeanCurves, &scale.bonjeanMomentCurves}) {
        ChartSeries& waterline = chart->series.back();
        waterline.clear();
        waterline.append(0, iteration.forwardDraft);
        waterline.append(frameCount - 1, iteration.aftDraft);
    }
}

}  // namespace hullcalc
