#include "trim/waterline_iteration.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/grid_values.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "trim/waterline_interpolation.h"

#include <cmath>
#include <string>

namespace hullcalc {

namespace log = approximationsLog;

namespace {

void setLogCell(TextGrid& grid, log::Cell cell, double value) { setGeneral(grid, cell.column, cell.row, value); }

// The value of a table at a draft: levels k = 1..top, value of level k in
// column k of `row` of `table`. A draft on a level takes that level's value;
// otherwise it is interpolated between the last level below and the first at
// or above. The draft must lie within the levels (checked by the caller).
double valueAtDraft(const TextGrid& table, int row, double draft, const WaterlineHeights& z, int top)
{
    const WaterlineBracket bracket = bracketDraft(draft, z, top);
    if (bracket.lower == bracket.upper)
        return cellValue(table, bracket.lower, row);
    return interpolate(draft, z[static_cast<std::size_t>(bracket.lower)], cellValue(table, bracket.lower, row),
                       z[static_cast<std::size_t>(bracket.upper)], cellValue(table, bracket.upper, row));
}

// A hydrostatic curve at the mean draft.
double curveAt(const HydrostaticCurve& curve, double meanDraft, const WaterlineHeights& z)
{
    const int top = curve.values.columnCount() - 1;
    requireDraftWithinWaterlines(meanDraft, z, top, "Осадка средняя");
    return valueAtDraft(curve.values, 0, meanDraft, z, top);
}

// Design sectional area ω of a frame at its draft, from its Bonjean areas.
double sectionalAreaAt(const TextGrid& bonjeanAreas, int frameRow, double draft, const WaterlineHeights& z)
{
    const int top = bonjeanAreas.columnCount() - 1;
    requireDraftWithinWaterlines(draft, z, top, "Осадка", frameRow);
    return valueAtDraft(bonjeanAreas, frameRow, draft, z, top);
}

// The even-keel waterline of the design volume, with the hydrostatics there.
struct EvenKeel {
    double meanDraft = 0.0;           // T, m
    double centreOfFlotation = 0.0;   // XF, m
    double centreOfBuoyancy = 0.0;    // XC0, m
    double longitudinalRadius = 0.0;  // R, m
};

EvenKeel evenKeelWaterline(const HydrostaticCurves& curves, const WaterlineHeights& z, double designVolume)
{
    const TextGrid& volumes = curves.volume.values;
    const int top = volumes.columnCount() - 1;
    const auto on = [](const HydrostaticCurve& curve, int k) { return cellValue(curve.values, k, 0); };
    for (int k = 1; k <= top; ++k)
        if (cellValue(volumes, k, 0) == designVolume)
            return EvenKeel{z[static_cast<std::size_t>(k)], on(curves.centreOfFlotation, k),
                            on(curves.centreOfBuoyancy, k), on(curves.longitudinalRadius, k)};

    // Bracket the design volume between the last waterline below it and the
    // first at or above it.
    int lower = 0;
    int upper = 0;
    for (int k = 1; k <= top; ++k) {
        if (cellValue(volumes, k, 0) < designVolume) {
            lower = k;
        } else {
            upper = k;
            break;
        }
    }
    if (lower == 0 || upper == 0)
        throw Error("Объемное водоизмещение " + roundedText(designVolume, 2)
                    + " куб. м вне диапазона грузового размера " + roundedText(cellValue(volumes, 1, 0), 2) + " – "
                    + roundedText(cellValue(volumes, top, 0), 2) + " куб. м");

    const double z1 = z[static_cast<std::size_t>(lower)];
    const double z2 = z[static_cast<std::size_t>(upper)];
    const double v1 = cellValue(volumes, lower, 0);
    const double q = divide(z2 - z1, cellValue(volumes, upper, 0) - v1);
    EvenKeel waterline;
    waterline.meanDraft = (designVolume - v1) * q + z1;
    const auto between = [&](const HydrostaticCurve& curve) {
        return interpolate(waterline.meanDraft, z1, on(curve, lower), z2, on(curve, upper));
    };
    waterline.centreOfFlotation = between(curves.centreOfFlotation);
    waterline.centreOfBuoyancy = between(curves.centreOfBuoyancy);
    waterline.longitudinalRadius = between(curves.longitudinalRadius);
    return waterline;
}

// The log keeps no results of an earlier run: its data cells are emptied.
void clearLog(TextGrid& grid)
{
    for (int row = 1; row < grid.rowCount(); ++row)
        for (int column = 1; column < grid.columnCount(); ++column)
            grid.setCell(column, row, {});
}

// Rows of approximations beyond the log's last row are not shown; the log
// keeps its size.
void setIfShown(TextGrid& grid, int column, int row, double value)
{
    if (grid.contains(column, row))
        setGeneral(grid, column, row, value);
}

// The drafts frame by frame along the inclined waterline, accumulated from the
// bow, and the immersed area of each frame up to its draft.
void takeDesignSectionalAreas(const BonjeanScale& bonjean, double frameSpacing, int approximation,
                              WaterlineIteration& iteration)
{
    ChartSeries& areaCurve = iteration.designSectionAreaChart.series.at(0);
    ChartSeries& draftLine = iteration.frameDraftChart.series.at(0);
    areaCurve.clear();
    draftLine.clear();
    for (int j = 1; j < bonjean.sectionAreas.rowCount(); ++j) {
        double& draft = iteration.frameDraft.at(static_cast<std::size_t>(j));
        draft = j == 1 ? iteration.forwardDraft
                       : iteration.frameDraft.at(static_cast<std::size_t>(j - 1)) + iteration.trimSlope * frameSpacing;
        const double area = sectionalAreaAt(bonjean.sectionAreas, j, draft, bonjean.waterlineHeights);
        if (j == 1)
            iteration.log.setCell(log::approximationNumber.column, log::approximationNumber.row,
                                  std::to_string(approximation));
        setGeneral(iteration.designSectionAreas, j, 1, area);
        areaCurve.append(j, cellValue(iteration.designSectionAreas, j, 1));
        setGeneral(iteration.frameDrafts, j, 1, draft);
        draftLine.append(j, cellValue(iteration.frameDrafts, j, 1));
    }
}

struct Displacement {
    double volume = 0.0;            // V, m³
    double centreOfBuoyancy = 0.0;  // XC, m
};

// Trapezoidal rule over the frames of the design sectional-area curve: the
// volume, and its moment about midship with levers from +10 spacings at
// frame 0 to −10 at frame 20.
Displacement integrateDesignSectionalAreas(double frameSpacing, int approximation, WaterlineIteration& iteration)
{
    const TextGrid& areas = iteration.designSectionAreas;
    const int last = areas.columnCount() - 1;
    double sumAreas = 0.0;
    double sumMoments = 0.0;
    for (int i = 1; i <= last; ++i) {
        const double area = cellValue(areas, i, 1);
        sumAreas += area;
        sumMoments += area * (midshipRow - i);
    }
    const double firstArea = cellValue(areas, 1, 1);
    const double lastArea = cellValue(areas, last, 1);
    sumAreas = sumAreas - (firstArea + lastArea) * 0.5;
    sumMoments = sumMoments - (firstArea * (midshipRow - 1) + lastArea * (midshipRow - last)) * 0.5;

    Displacement displacement;
    displacement.volume = frameSpacing * sumAreas;
    displacement.centreOfBuoyancy = divide(frameSpacing * sumMoments, sumAreas);
    TextGrid& grid = iteration.log;
    setIfShown(grid, log::areaSumColumn, approximation, sumAreas);
    setLogCell(grid, log::currentVolume, displacement.volume);
    setLogCell(grid, log::currentCentreOfBuoyancy, displacement.centreOfBuoyancy);
    setIfShown(grid, log::volumeColumn, approximation, displacement.volume);
    setIfShown(grid, log::centreOfBuoyancyColumn, approximation, displacement.centreOfBuoyancy);
    return displacement;
}

// Where the waterline of the iteration stands, and the hydrostatics used to
// correct it.
struct Approximation {
    double forwardDraft = 0.0;
    double aftDraft = 0.0;
    double meanDraft = 0.0;
    double centreOfFlotation = 0.0;
    double radius = 0.0;
};

// First approximation: trim by the angle (XG − XC0)/R about the centre of
// flotation, which lies L/2 − XF from frame 0 and L/2 + XF from frame 20.
Approximation firstApproximation(const EvenKeel& evenKeel, double centreOfGravity, double L)
{
    Approximation first;
    first.meanDraft = evenKeel.meanDraft;
    first.centreOfFlotation = evenKeel.centreOfFlotation;
    first.radius = evenKeel.longitudinalRadius;
    const double gravityAheadOfBuoyancy = centreOfGravity - evenKeel.centreOfBuoyancy;  // XG − XC0, m
    first.forwardDraft =
        first.meanDraft + divide((L / 2 - first.centreOfFlotation) * gravityAheadOfBuoyancy, first.radius);
    first.aftDraft = first.meanDraft - divide((L / 2 + first.centreOfFlotation) * gravityAheadOfBuoyancy, first.radius);
    return first;
}

// The next approximation: a parallel sinkage for the missing volume (m³), and
// a turn about the centre of flotation that moves the centre of buoyancy under
// the centre of gravity, `gravityAheadOfBuoyancy` = XG − XC (m) ahead of it.
Approximation correctedApproximation(const Approximation& current, const HydrostaticCurves& curves,
                                     const WaterlineHeights& z, double missingVolume, double gravityAheadOfBuoyancy,
                                     TextGrid& log)
{
    const double L = curves.length;
    const double waterplaneArea = curveAt(curves.waterplaneArea, current.meanDraft, z);
    const double sinkage = divide(missingVolume, waterplaneArea);
    Approximation next;
    next.forwardDraft = current.forwardDraft + sinkage
                        + divide((L / 2 - current.centreOfFlotation) * gravityAheadOfBuoyancy, current.radius);
    next.aftDraft = current.aftDraft + sinkage
                    - divide((L / 2 + current.centreOfFlotation) * gravityAheadOfBuoyancy, current.radius);
    setLogCell(log, approximationsLog::correctionArea, waterplaneArea);
    next.meanDraft = (next.forwardDraft + next.aftDraft) / 2;
    next.centreOfFlotation = curveAt(curves.centreOfFlotation, next.meanDraft, z);
    next.radius = curveAt(curves.longitudinalRadius, next.meanDraft, z);
    return next;
}

}  // namespace

WaterlineIteration::WaterlineIteration()
    : frameDraftChart(singleSeriesChart("Расчетные ватерлинии в приближениях", colours::red)),
      designSectionAreaChart(singleSeriesChart("", colours::red))
{}

void writeIterationHeaders(WaterlineIteration& iteration)
{
    TextGrid& drafts = iteration.frameDrafts;
    drafts.setCell(0, 0, "Шп");
    drafts.setCell(0, 1, "Осадка");
    for (int column = 1; column <= frameCount; ++column)
        drafts.setCell(column, 0, std::to_string(column));
}

DesignWaterline findDesignWaterline(const BonjeanScale& bonjean, const HydrostaticCurves& curves,
                                    const ParticularValues& particulars, WaterlineIteration& iteration)
{
    TextGrid& grid = iteration.log;
    clearLog(grid);
    const WaterlineHeights& z = bonjean.waterlineHeights;
    const double L = curves.length;
    const double dL = curves.frameSpacing;

    const double designVolume = divide(particulars.designDisplacement, particulars.waterDensity);
    const EvenKeel evenKeel = evenKeelWaterline(curves, z, designVolume);
    setLogCell(grid, log::evenKeelDraft, evenKeel.meanDraft);
    setLogCell(grid, log::evenKeelCentreOfFlotation, evenKeel.centreOfFlotation);
    setLogCell(grid, log::evenKeelCentreOfBuoyancy, evenKeel.centreOfBuoyancy);
    setLogCell(grid, log::evenKeelRadius, evenKeel.longitudinalRadius);

    const double centreOfGravity = particulars.centreOfGravity;
    Approximation current = firstApproximation(evenKeel, centreOfGravity, L);
    setLogCell(grid, log::firstForwardDraft, current.forwardDraft);
    setLogCell(grid, log::firstAftDraft, current.aftDraft);

    Displacement displacement;
    for (int approximation = 1;; ++approximation) {
        iteration.approximations = approximation;
        iteration.forwardDraft = current.forwardDraft;
        iteration.aftDraft = current.aftDraft;
        iteration.trimSlope = divide(current.aftDraft - current.forwardDraft, L);
        takeDesignSectionalAreas(bonjean, dL, approximation, iteration);
        displacement = integrateDesignSectionalAreas(dL, approximation, iteration);
        const double volume = displacement.volume;
        const double centreOfBuoyancy = displacement.centreOfBuoyancy;

        // Written so that a value that is not a number fails.
        const bool volumeMet = std::fabs(designVolume - volume) <= 0.004 * designVolume;
        const bool centreMet = std::fabs(centreOfGravity - centreOfBuoyancy) <= 0.0001 * L;
        if (volumeMet && centreMet) {
            grid.setCell(log::accepted.column, log::accepted.row, "Готово");
            break;
        }
        if (approximation == maxApproximations)
            throw Error("Удифферентовка не сошлась за " + std::to_string(maxApproximations) + " приближений");

        current =
            correctedApproximation(current, curves, z, designVolume - volume, centreOfGravity - centreOfBuoyancy, grid);
    }

    DesignWaterline accepted;
    accepted.volume = displacement.volume;
    accepted.centreOfBuoyancy = displacement.centreOfBuoyancy;
    accepted.forwardDraft = current.forwardDraft;
    accepted.aftDraft = current.aftDraft;
    accepted.meanDraft = (current.forwardDraft + current.aftDraft) / 2;
    accepted.centreOfFlotation = curveAt(curves.centreOfFlotation, accepted.meanDraft, z);
    accepted.longitudinalRadius = curveAt(curves.longitudinalRadius, accepted.meanDraft, z);
    accepted.waterplaneArea = curveAt(curves.waterplaneArea, accepted.meanDraft, z);
    return accepted;
}

}  // namespace hullcalc
