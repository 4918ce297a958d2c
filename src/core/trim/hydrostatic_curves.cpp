#include "trim/hydrostatic_curves.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/grid_values.h"
#include "common/number_text.h"

#include <optional>
#include <vector>

namespace hullcalc {

namespace {

double valueOn(const HydrostaticCurve& curve, int waterline) { return cellValue(curve.values, waterline, 0); }

// A cell's number, or none for a text that is not one.
std::optional<double> numberOn(const HydrostaticCurve& curve, int waterline)
{
    return numberOrNothing(curve.values.cell(waterline, 0));
}

void drawPoint(HydrostaticCurve& curve, int waterline, double height)
{
    curve.chart.series.at(0).append(valueOn(curve, waterline), height);
}

// Volume below each waterline and the abscissa of its centre of buoyancy, from
// the sectional areas of the Bonjean scale.
void integrateVolumes(const BonjeanScale& bonjean, const ParticularValues& particulars, int waterlines, int frames,
                      HydrostaticCurves& curves)
{
    curves.length = particulars.length;
    curves.frameSpacing = particulars.frameSpacing;
    const double dL = curves.frameSpacing;
    const TextGrid& areas = bonjean.sectionAreas;
    std::vector<double> area(static_cast<std::size_t>(frames) + 2);  // a[r], m²
    std::vector<double> volume(area.size());                         // from frame row 1 to r, m³
    std::vector<double> volumeMoment(area.size());                   // about frame row 1, m⁴
    for (int j = 1; j <= waterlines; ++j) {
        for (int r = 1; r <= frames; ++r)
            area[r] = cellValue(areas, j, r);
        for (int r = 1; r + 1 < areas.rowCount(); ++r) {
            const double stripVolume = (area[r] + area[r + 1]) * 0.5 * dL;
            volume[r + 1] = volume[r] + stripVolume;
            setGeneral(curves.volume.values, j, 0, volume[r + 1]);
            if (area[r] + area[r + 1] == 0.0) {
                // An empty strip adds no volume: the centre of buoyancy is that of
                // the volume so far; without volume there is no centre (empty).
                volumeMoment[r + 1] = volumeMoment[r];
                if (volume[r + 1] == 0.0)
                    curves.centreOfBuoyancy.values.setCell(j, 0, {});
                else
                    setGeneral(curves.centreOfBuoyancy.values, j, 0,
                               curves.length / 2.0 - divide(volumeMoment[r + 1], volume[r + 1]));
                continue;
            }
            // Distance of the strip's centroid from frame row r.
            const double stripLever = divide(2.0 * area[r + 1] + area[r], area[r] + area[r + 1]) * 1 / 3 * dL;
            volumeMoment[r + 1] = ((r - 1) * dL + stripLever) * stripVolume + volumeMoment[r];
            setGeneral(curves.centreOfBuoyancy.values, j, 0,
                       curves.length / 2.0 - divide(volumeMoment[r + 1], volume[r + 1]));
        }
        const double height = bonjean.waterlineHeights[static_cast<std::size_t>(j)];
        drawPoint(curves.volume, j, height);
        if (isDefinedOn(curves, curves.centreOfBuoyancy, j))
            drawPoint(curves.centreOfBuoyancy, j, height);
    }
}

// Each waterplane, one side, from the half-breadths: its area, the abscissa of
// its centre of flotation and its moments of inertia about the centre line
// (Iz) and about the transverse line of frame row 1 (Iy).
void integrateWaterplanes(const InputTables& input, int waterlines, int frames, int strips, HydrostaticCurves& curves)
{
    const double dL = curves.frameSpacing;
    std::vector<double> halfBreadth(static_cast<std::size_t>(frames) + 2);  // b[r], m
    std::vector<double> halfArea(halfBreadth.size());                       // m²
    std::vector<double> momentX(halfBreadth.size());                        // about frame row 1, m³
    std::vector<double> inertiaZ(halfBreadth.size());                       // about the centre line, m⁴
    std::vector<double> inertiaY(halfBreadth.size());                       // about frame row 1, m⁴
    for (int j = 1; j <= waterlines; ++j) {
        for (int r = 1; r <= frames; ++r)
            halfBreadth[r] = cellValue(input.offsets, j, r);
        for (int r = 1; r <= strips; ++r) {
            const double b1 = halfBreadth[r];
            const double b2 = halfBreadth[r + 1];
            const double d = b2 - b1;
            const double stripArea = (b1 + b2) * 0.5 * dL;
            halfArea[r + 1] = halfArea[r] + stripArea;
            setGeneral(curves.waterplaneArea.values, j, 0, 2.0 * halfArea[r + 1]);
            if (b1 + b2 == 0.0) {
                // An empty strip adds nothing: the moments of inertia are those of
                // the waterplane so far, and its centre of flotation stays as written.
                momentX[r + 1] = momentX[r];
                inertiaZ[r + 1] = inertiaZ[r];
                inertiaY[r + 1] = inertiaY[r];
                setGeneral(curves.transverseInertia.values, j, 0, inertiaZ[r + 1]);
                setGeneral(curves.longitudinalInertia.values, j, 0, inertiaY[r + 1]);
                continue;
            }
            const double stripLever = divide(2.0 * b2 + b1, b1 + b2) * 1 / 3 * dL;
            momentX[r + 1] = ((r - 1) * dL + stripLever) * stripArea + momentX[r];
            if (halfArea[r + 1] == 0.0)
                curves.centreOfFlotation.values.setCell(j, 0, {});
            else
                setGeneral(curves.centreOfFlotation.values, j, 0,
                           curves.length / 2.0 - divide(momentX[r + 1], halfArea[r + 1]));

            // The strip is a rectangle of height b1 with a right triangle of
            // height d on it, standing at frame row r + 1.
            const double triangleLever =
                2.0 * b1 + b2;  // three times the triangle centroid's distance from the centre line
            inertiaZ[r + 1] = b1 * b1 * b1 * 1 / 3 * dL + d * d * d * 1 / 36 * dL
                              + d * 1 / 18 * triangleLever * triangleLever * dL + inertiaZ[r];
            setGeneral(curves.transverseInertia.values, j, 0, inertiaZ[r + 1]);

            const double dL3 = dL * dL * dL;
            const double p = r * dL - 0.5 * dL;      // rectangle's centre from frame row 1
            const double q = r * dL - 1.0 / 3 * dL;  // triangle's centroid from frame row 1
            inertiaY[r + 1] =
                (b1 * dL3 * 1 / 12 + p * b1 * p * dL) + (d * dL3 * 1 / 36 + d * 0.5 * q * q * dL) + inertiaY[r];
            setGeneral(curves.longitudinalInertia.values, j, 0, inertiaY[r + 1]);
        }
    }
}

// The waterplane charts, then r = 2·Iz / V and R = (2·Iy − S·d²) / V, the
// longitudinal moment of inertia moved from frame row 1 to the centre of
// flotation, d = L/2 − XF from frame row 1. Both only where there is volume.
void computeMetacentricRadii(const WaterlineHeights& z, int waterlines, HydrostaticCurves& curves)
{
    for (int j = 1; j <= waterlines; ++j) {
        const double height = z[static_cast<std::size_t>(j)];
        drawPoint(curves.waterplaneArea, j, height);
        if (isDefinedOn(curves, curves.centreOfFlotation, j))
            drawPoint(curves.centreOfFlotation, j, height);
        drawPoint(curves.longitudinalInertia, j, height);
        drawPoint(curves.transverseInertia, j, height);

        if (valueOn(curves.volume, j) == 0.0) {
            curves.transverseRadius.values.setCell(j, 0, {});
            curves.longitudinalRadius.values.setCell(j, 0, {});
            continue;
        }
        const double transverseRadius = divide(2.0 * valueOn(curves.transverseInertia, j), valueOn(curves.volume, j));
        setGeneral(curves.transverseRadius.values, j, 0, transverseRadius);
        drawPoint(curves.transverseRadius, j, height);

        const double fromBow = curves.length / 2.0 - valueOn(curves.centreOfFlotation, j);
        const double longitudinalRadius =
            divide(2.0 * valueOn(curves.longitudinalInertia, j) - valueOn(curves.waterplaneArea, j) * fromBow * fromBow,
                   valueOn(curves.volume, j));
        setGeneral(curves.longitudinalRadius.values, j, 0, longitudinalRadius);
        drawPoint(curves.longitudinalRadius, j, height);
    }
}

}  // namespace

bool isDefinedOn(const HydrostaticCurves& curves, const HydrostaticCurve& curve, int waterline)
{
    if (!numberOn(curve, waterline))
        return false;
    const HydrostaticCurve* base = nullptr;
    if (&curve == &curves.centreOfBuoyancy || &curve == &curves.transverseRadius
        || &curve == &curves.longitudinalRadius)
        base = &curves.volume;
    else if (&curve == &curves.centreOfFlotation)
        base = &curves.waterplaneArea;
    if (!base)
        return true;
    const std::optional<double> size = numberOn(*base, waterline);
    return size && *size != 0.0;
}

void computeHydrostaticCurves(const InputTables& input, const BonjeanScale& bonjean,
                              const ParticularValues& particulars, HydrostaticCurves& curves)
{
    for (HydrostaticCurve* curve :
         {&curves.volume, &curves.centreOfBuoyancy, &curves.waterplaneArea, &curves.centreOfFlotation,
          &curves.longitudinalInertia, &curves.transverseInertia, &curves.transverseRadius, &curves.longitudinalRadius})
        curve->chart.clear();

    const int waterlines = input.offsets.columnCount() - 1;
    const int frames = bonjean.sectionAreas.rowCount() - 1;
    integrateVolumes(bonjean, particulars, waterlines, frames, curves);
    integrateWaterplanes(input, waterlines, frames, bonjean.sectionAreas.rowCount() - 2, curves);
    computeMetacentricRadii(bonjean.waterlineHeights, waterlines, curves);
}

}  // namespace hullcalc
