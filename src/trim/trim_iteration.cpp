// Stage 6, first half: successive approximations to the design waterline, with
// the table lookups by draft that they rest on.
#include "trim/trim_iteration.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/grid_values.h"
#include "common/number_text.h"

#include <cmath>
#include <string>

namespace hullcalc {

namespace {

using Levels = std::array<double, 12>;  // z[k], height of waterline k above the base line, m

// A value for a message: rounded to `decimals` places, trailing zeros dropped.
std::string roundedText(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return formatGeneral(std::round(value * scale) / scale);
}

std::string frameName(int frameRow) { return std::to_string(frameRow - 1) + " шп"; }

// Stops the run when a draft lies outside the tabulated waterlines, where no
// interpolation is defined.
void requireWithinWaterlines(double draft, const Levels& z, int top, const std::string& quantity,
                             const std::string& where = {})
{
    requireFinite(draft);
    if (draft >= z[1] && draft <= z[static_cast<std::size_t>(top)])
        return;
    throw Error(quantity + " " + roundedText(draft, 3) + " м" + where + " вне диапазона ватерлиний "
                + roundedText(z[1], 3) + " – " + roundedText(z[static_cast<std::size_t>(top)], 3) + " м");
}

// Linear interpolation at t between (z1, y1) and (z2, y2), in the form
// (t − z1)/q + y1 with q = (z2 − z1)/(y2 − y1). Where the table is level the
// value is that common value.
double interpolate(double t, double z1, double y1, double z2, double y2)
{
    if (y2 == y1)
        return y1;
    const double q = divide(z2 - z1, y2 - y1);
    return divide(t - z1, q) + y1;
}

// The value of a table at a draft: levels k = 1..top, value of level k in
// column k of `row` of `table`. A draft on a level takes that level's value;
// otherwise it is interpolated between the last level below and the first at
// or above. The draft must lie within the levels (checked by the caller).
double valueAtDraft(const TextGrid& table, int row, double draft, const Levels& z, int top)
{
    for (int k = 1; k <= top; ++k)
        if (draft == z[static_cast<std::size_t>(k)])
            return cellValue(table, k, row);
    int lower = 1;
    int upper = top;
    for (int k = 1; k <= top; ++k) {
        if (z[static_cast<std::size_t>(k)] < draft) {
            lower = k;
        } else {
            upper = k;
            break;
        }
    }
    return interpolate(draft, z[static_cast<std::size_t>(lower)], cellValue(table, lower, row),
                       z[static_cast<std::size_t>(upper)], cellValue(table, upper, row));
}

// A hydrostatic curve (one-row grid of stage 5) at the mean draft.
double hydrostaticAt(const TextGrid& curve, double meanDraft, const Levels& z)
{
    const int top = curve.columnCount() - 1;
    requireWithinWaterlines(meanDraft, z, top, "Осадка средняя");
    return valueAtDraft(curve, 0, meanDraft, z, top);
}

// Design sectional area ω of a frame at its draft, from its Bonjean areas.
double sectionalAreaAt(const TextGrid& bonjeanAreas, int frameRow, double draft, const Levels& z)
{
    const int top = bonjeanAreas.columnCount() - 1;
    requireWithinWaterlines(draft, z, top, "Осадка", " на шпангоуте " + frameName(frameRow));
    return valueAtDraft(bonjeanAreas, frameRow, draft, z, top);
}

// The even-keel waterline of the design volume, with the hydrostatics there.
struct EvenKeel {
    double meanDraft = 0.0;           // Tsr, m
    double centreOfFlotation = 0.0;   // XF, m
    double centreOfBuoyancy = 0.0;    // XC0, m
    double longitudinalRadius = 0.0;  // R, m
};

EvenKeel evenKeelWaterline(const TrimSheet& sheet, double designVolume)
{
    const Levels& z = sheet.kept.z;
    const int top = sheet.VGrid.columnCount() - 1;
    const auto at = [&](int k) {
        return EvenKeel{z[static_cast<std::size_t>(k)], cellValue(sheet.XcfGrid, k, 0), cellValue(sheet.XcvGrid, k, 0),
                        cellValue(sheet.RGrid, k, 0)};
    };
    for (int k = 1; k <= top; ++k)
        if (cellValue(sheet.VGrid, k, 0) == designVolume)
            return at(k);

    // Bracket the design volume between the last waterline below it and the
    // first at or above it.
    int lower = 0;
    int upper = 0;
    for (int k = 1; k <= top; ++k) {
        if (cellValue(sheet.VGrid, k, 0) < designVolume) {
            lower = k;
        } else {
            upper = k;
            break;
        }
    }
    if (lower == 0 || upper == 0)
        throw Error("Объемное водоизмещение " + roundedText(designVolume, 2)
                    + " куб. м вне диапазона грузового размера " + roundedText(cellValue(sheet.VGrid, 1, 0), 2) + " – "
                    + roundedText(cellValue(sheet.VGrid, top, 0), 2) + " куб. м");

    const double z1 = z[static_cast<std::size_t>(lower)];
    const double z2 = z[static_cast<std::size_t>(upper)];
    const double v1 = cellValue(sheet.VGrid, lower, 0);
    const double q = divide(z2 - z1, cellValue(sheet.VGrid, upper, 0) - v1);
    EvenKeel waterline;
    waterline.meanDraft = (designVolume - v1) * q + z1;
    const auto between = [&](const TextGrid& curve) {
        return interpolate(waterline.meanDraft, z1, cellValue(curve, lower, 0), z2, cellValue(curve, upper, 0));
    };
    waterline.centreOfFlotation = between(sheet.XcfGrid);
    waterline.centreOfBuoyancy = between(sheet.XcvGrid);
    waterline.longitudinalRadius = between(sheet.RGrid);
    return waterline;
}

// StringGrid1 keeps no results of an earlier run: its data cells are emptied.
void clearIntermediateResults(TextGrid& grid)
{
    for (int row = 1; row < grid.rowCount(); ++row)
        for (int column = 1; column < grid.columnCount(); ++column)
            grid.setCell(column, row, {});
}

// Rows of approximations beyond the grid's last row are not shown; the grid
// keeps its size.
void setIfShown(TextGrid& grid, int column, int row, double value)
{
    if (grid.contains(column, row))
        setGeneral(grid, column, row, value);
}

// The drafts frame by frame along the inclined waterline, accumulated from the
// bow, and the immersed area of each frame up to its draft: TGrid, WrGrid and
// their charts.
void takeDesignSectionalAreas(TrimSheet& sheet, int approximation)
{
    KeptValues& kept = sheet.kept;
    ChartSeries& areaCurve = sheet.WrGraph.series.at(0);
    ChartSeries& draftLine = sheet.TGraph.series.at(0);
    areaCurve.clear();
    draftLine.clear();
    for (int j = 1; j < sheet.UWAGrid.rowCount(); ++j) {
        double& draft = kept.TFrame.at(static_cast<std::size_t>(j));
        draft = j == 1 ? kept.Tn : kept.TFrame.at(static_cast<std::size_t>(j - 1)) + kept.TrimSlope * kept.dL;
        const double area = sectionalAreaAt(sheet.UWAGrid, j, draft, kept.z);
        if (j == 1)
            sheet.StringGrid1.setCell(1, 4, std::to_string(approximation));
        setGeneral(sheet.WrGrid, j, 1, area);
        areaCurve.append(j, cellValue(sheet.WrGrid, j, 1));
        setGeneral(sheet.TGrid, j, 1, draft);
        draftLine.append(j, cellValue(sheet.TGrid, j, 1));
    }
}

struct Displacement {
    double volume = 0.0;            // V, m³
    double centreOfBuoyancy = 0.0;  // XC, m
};

// Trapezoidal rule over the frames of the design sectional-area curve: the
// volume, and its moment about midship with levers from +10 spacings at
// frame 0 to −10 at frame 20. Writes the approximation's row of StringGrid1.
Displacement integrateDesignSectionalAreas(TrimSheet& sheet, int approximation)
{
    const TextGrid& areas = sheet.WrGrid;
    const double dL = sheet.kept.dL;
    const int last = areas.columnCount() - 1;
    double sumAreas = 0.0;
    double sumMoments = 0.0;
    for (int i = 1; i <= last; ++i) {
        const double area = cellValue(areas, i, 1);
        sumAreas += area;
        sumMoments += area * (11 - i);
    }
    const double firstArea = cellValue(areas, 1, 1);
    const double lastArea = cellValue(areas, last, 1);
    sumAreas = sumAreas - (firstArea + lastArea) * 0.5;
    sumMoments = sumMoments - (firstArea * (11 - 1) + lastArea * (11 - last)) * 0.5;

    Displacement displacement;
    displacement.volume = dL * sumAreas;
    displacement.centreOfBuoyancy = divide(dL * sumMoments, sumAreas);
    TextGrid& intermediate = sheet.StringGrid1;
    setIfShown(intermediate, 7, approximation, sumAreas);
    setGeneral(intermediate, 1, 3, displacement.volume);
    setGeneral(intermediate, 2, 3, displacement.centreOfBuoyancy);
    setIfShown(intermediate, 5, approximation, displacement.volume);
    setIfShown(intermediate, 6, approximation, displacement.centreOfBuoyancy);
    return displacement;
}

}  // namespace

DesignWaterline findDesignWaterline(TrimSheet& sheet, const ShipParticulars& particulars)
{
    TextGrid& intermediate = sheet.StringGrid1;
    clearIntermediateResults(intermediate);
    KeptValues& kept = sheet.kept;
    const Levels& z = kept.z;
    const double L = kept.L;

    const double designVolume = divide(parseNumber(particulars.ShipDr), particulars.WaterDensity);
    const EvenKeel evenKeel = evenKeelWaterline(sheet, designVolume);
    double meanDraft = evenKeel.meanDraft;
    double centreOfFlotation = evenKeel.centreOfFlotation;
    double radius = evenKeel.longitudinalRadius;
    setGeneral(intermediate, 1, 1, meanDraft);
    setGeneral(intermediate, 2, 1, centreOfFlotation);
    setGeneral(intermediate, 3, 1, evenKeel.centreOfBuoyancy);
    setGeneral(intermediate, 4, 1, radius);

    // First approximation: trim by the angle (XG − XC0)/R about the centre of
    // flotation, which lies L/2 − XF from frame 0 and L/2 + XF from frame 20.
    const double centreOfGravity = parseNumber(particulars.ShipXct);
    double forwardDraft =
        meanDraft + divide((L / 2 - centreOfFlotation) * (centreOfGravity - evenKeel.centreOfBuoyancy), radius);
    double aftDraft =
        meanDraft - divide((L / 2 + centreOfFlotation) * (centreOfGravity - evenKeel.centreOfBuoyancy), radius);
    setGeneral(intermediate, 1, 2, forwardDraft);
    setGeneral(intermediate, 2, 2, aftDraft);

    Displacement displacement;
    for (int approximation = 1;; ++approximation) {
        kept.approximations = approximation;
        kept.Tn = forwardDraft;
        kept.Tk = aftDraft;
        kept.TrimSlope = divide(aftDraft - forwardDraft, L);
        takeDesignSectionalAreas(sheet, approximation);
        displacement = integrateDesignSectionalAreas(sheet, approximation);
        const double volume = displacement.volume;
        const double centreOfBuoyancy = displacement.centreOfBuoyancy;

        // Written so that a value that is not a number fails.
        const bool volumeMet = std::fabs(designVolume - volume) <= 0.004 * designVolume;
        const bool centreMet = std::fabs(centreOfGravity - centreOfBuoyancy) <= 0.0001 * L;
        if (volumeMet && centreMet) {
            intermediate.setCell(4, 4, "Готово");
            break;
        }
        if (approximation == maxApproximations)
            throw Error("Удифферентовка не сошлась за " + std::to_string(maxApproximations) + " приближений");

        // Parallel sinkage for the missing volume, and a turn about the centre
        // of flotation that moves the centre of buoyancy under the centre of gravity.
        const double waterplaneArea = hydrostaticAt(sheet.WLGrid, meanDraft, z);
        const double sinkage = divide(designVolume - volume, waterplaneArea);
        const double nextForward =
            forwardDraft + sinkage + divide((L / 2 - centreOfFlotation) * (centreOfGravity - centreOfBuoyancy), radius);
        const double nextAft =
            aftDraft + sinkage - divide((L / 2 + centreOfFlotation) * (centreOfGravity - centreOfBuoyancy), radius);
        forwardDraft = nextForward;
        aftDraft = nextAft;
        setGeneral(intermediate, 1, 5, waterplaneArea);
        meanDraft = (forwardDraft + aftDraft) / 2;
        centreOfFlotation = hydrostaticAt(sheet.XcfGrid, meanDraft, z);
        radius = hydrostaticAt(sheet.RGrid, meanDraft, z);
    }

    DesignWaterline accepted;
    accepted.volume = displacement.volume;
    accepted.centreOfBuoyancy = displacement.centreOfBuoyancy;
    accepted.forwardDraft = forwardDraft;
    accepted.aftDraft = aftDraft;
    accepted.meanDraft = (forwardDraft + aftDraft) / 2;
    accepted.centreOfFlotation = hydrostaticAt(sheet.XcfGrid, accepted.meanDraft, z);
    accepted.longitudinalRadius = hydrostaticAt(sheet.RGrid, accepted.meanDraft, z);
    accepted.waterplaneArea = hydrostaticAt(sheet.WLGrid, accepted.meanDraft, z);
    return accepted;
}

}  // namespace hullcalc
