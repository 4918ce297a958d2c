#include "trim/bonjean_scale.h"

#include "common/checked_math.h"
#include "common/grid_values.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "trim/bonjean_drawing.h"

#include <array>
#include <cmath>
#include <optional>

namespace hullcalc {

namespace {

// The charts' background is white: where a series would be white it is drawn
// in this orange, which none of the other series has.
constexpr Colour orange{255, 140, 0};

// Colours of the multi-series charts, in list order, each once: the legend
// tells the frames apart by them.
constexpr std::array<Colour, frameCount> seriesColours = {
    colours::red,        colours::green,     colours::yellow,       colours::blue,        orange,
    colours::grey,       colours::fuchsia,   colours::teal,         colours::navy,        colours::maroon,
    colours::lime,       colours::olive,     colours::purple,       colours::silver,      colours::aqua,
    colours::black,      Colour{150, 75, 0}, Colour{255, 105, 180}, Colour{70, 130, 180}, colours::darkPurple,
    Colour{106, 90, 205}};

// The body plan's frames in turn take these colours, so that no two
// neighbouring frames share one.
constexpr std::array<Colour, 10> bodyPlanColours = {colours::red,     colours::green,  colours::blue, colours::maroon,
                                                    orange,           colours::purple, colours::teal, colours::olive,
                                                    colours::fuchsia, colours::navy};

ChartModel multiSeriesChart(std::string title, int count)
{
    ChartModel chart{std::move(title), {}};
    for (int i = 0; i < count; ++i)
        chart.series.emplace_back("", seriesColours[static_cast<std::size_t>(i)], SeriesKind::Line,
                                  PointOrder::AscendingX);
    return chart;
}

}  // namespace

BonjeanScale::BonjeanScale()
{
    bodyPlan.title = "Проекция «корпус»";
    // Each curve named by its frame as the tables name it, bow to stern.
    for (int frame = 0; frame < frameCount; ++frame)
        bodyPlan.series.emplace_back(frameLabel(frame), bodyPlanColours[static_cast<std::size_t>(frame) % 10],
                                     SeriesKind::Line, PointOrder::AscendingX);
    bonjeanCurves = bonjeanScaleChart("Площади шпангоутов");
    bonjeanMomentCurves = bonjeanScaleChart("Статические моменты шпангоутов");
    sectionalAreaCurves = multiSeriesChart("Строевая по шпангоутам", waterlineCount);
    staticMomentCurves = multiSeriesChart("Статический момент", frameCount);
}

void writeBonjeanHeaders(BonjeanScale& scale)
{
    writeFrameTableHeaders(scale.sectionAreas);
    writeFrameTableHeaders(scale.sectionMoments);
}

void buildWaterlineHeights(double waterlineSpacing, WaterlineHeights& z)
{
    z[1] = 0.0;
    for (int k = 1; k <= waterlineCount; ++k)
        z[k + 1] = waterlineSpacing + z[k];
}

void drawBodyPlan(const InputTables& input, const WaterlineHeights& z, ChartModel& bodyPlan)
{
    const TextGrid& offsets = input.offsets;
    bodyPlan.clear();
    for (int row = 1; row < offsets.rowCount(); ++row) {
        for (int column = 1; column < offsets.columnCount(); ++column) {
            const double halfBreadth = cellValue(offsets, column, row);
            // The fore body (frames 0..9) to the right, the aft body to the left.
            const double x = row <= 10 ? halfBreadth : -halfBreadth;
            bodyPlan.series.at(static_cast<std::size_t>(row - 1)).append(x, z[static_cast<std::size_t>(column)]);
        }
    }
}

void drawReadableBodyPlan(const InputTables& input, const ShipParticulars& particulars, ChartModel& bodyPlan)
{
    bodyPlan.clear();
    const std::optional<double> dT = numberOrNothing(particulars.waterlineSpacing);
    if (!dT || !(*dT > 0.0))
        return;
    WaterlineHeights z{};
    buildWaterlineHeights(*dT, z);
    const TextGrid& offsets = input.offsets;
    for (int row = 1; row < offsets.rowCount(); ++row) {
        for (int column = 1; column < offsets.columnCount(); ++column) {
            const std::optional<double> halfBreadth = numberOrNothing(offsets.cell(column, row));
            const double height = z[static_cast<std::size_t>(column)];
            if (!halfBreadth || !std::isfinite(height))
                continue;
            bodyPlan.series.at(static_cast<std::size_t>(row - 1))
                .append(row <= 10 ? *halfBreadth : -*halfBreadth, height);
        }
    }
}

void computeBonjeanScale(const InputTables& input, const ParticularValues& particulars, BonjeanScale& scale)
{
    const double dT = particulars.waterlineSpacing;
    const TextGrid& offsets = input.offsets;
    const WaterlineHeights& z = scale.waterlineHeights;
    const int waterlines = offsets.columnCount() - 1;

    for (int row = 1; row < offsets.rowCount(); ++row) {
        // y[j]: half-breadth on waterline j; y[waterlines + 1] = 0 closes the
        // section above the top waterline.
        std::array<double, waterlineCount + 2> y{};
        std::array<double, waterlineCount + 2> halfArea{};    // one side, base line to waterline j, m²
        std::array<double, waterlineCount + 2> halfMoment{};  // its moment about the base line, m³
        for (int j = 1; j <= waterlines; ++j)
            y[j] = cellValue(offsets, j, row);

        for (int j = 1; j <= waterlines; ++j) {
            if (y[j] + y[j + 1] == 0.0) {
                // A strip of zero breadth (a gap between a bulb and the flare, or
                // the keel below a cut-up stern) adds nothing: the area and moment
                // under waterline j are those below it, and they carry on above.
                halfArea[j + 1] = halfArea[j];
                halfMoment[j + 1] = halfMoment[j];
                setGeneral(scale.sectionAreas, j, row, 2.0 * halfArea[j]);
                setGeneral(scale.sectionMoments, j, row, 2.0 * halfMoment[j]);
                continue;
            }
            // The strip between waterlines j and j + 1 is a trapezoid of height ΔT.
            const double stripArea = (y[j] + y[j + 1]) * 0.5 * dT;
            halfArea[j + 1] = halfArea[j] + stripArea;
            setGeneral(scale.sectionAreas, j, row, 2.0 * halfArea[j]);
            // Height of the trapezoid's centroid above its lower side.
            const double stripLever = divide(2.0 * y[j + 1] + y[j], y[j] + y[j + 1]) * 1 / 3 * dT;
            halfMoment[j + 1] = (stripLever + z[j]) * stripArea + halfMoment[j];
            setGeneral(scale.sectionMoments, j, row, 2.0 * halfMoment[j]);
        }
    }
}

void drawBonjeanCurves(BonjeanScale& scale)
{
    const TextGrid& areas = scale.sectionAreas;
    scale.sectionalAreaCurves.clear();
    for (int column = 1; column < areas.columnCount(); ++column)
        for (int row = 1; row < areas.rowCount(); ++row)
            scale.sectionalAreaCurves.series.at(static_cast<std::size_t>(column - 1))
                .append(row, cellValue(areas, column, row));

    const TextGrid& moments = scale.sectionMoments;
    scale.staticMomentCurves.clear();
    for (int row = 1; row < moments.rowCount(); ++row)
        for (int column = 1; column < moments.columnCount(); ++column)
            scale.staticMomentCurves.series.at(static_cast<std::size_t>(row - 1))
                .append(cellValue(moments, column, row), scale.waterlineHeights[static_cast<std::size_t>(column)]);
}

}  // namespace hullcalc
