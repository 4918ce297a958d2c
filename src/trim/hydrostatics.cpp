// Stage 5: the curves of form per waterline, integrated along the hull from the
// Bonjean areas (volume) and the offsets (waterplane).
#include "trim/hydrostatics.h"

#include "common/checked_math.h"
#include "common/grid_values.h"
#include "common/number_text.h"

#include <vector>

namespace hullcalc {

namespace {

ChartSeries& seriesOf(ChartModel& chart) { return chart.series.at(0); }

// Step 1: volume below each waterline and the abscissa of its centre of
// buoyancy, from the sectional areas of the Bonjean scale.
void integrateVolumes(TrimSheet& sheet, const ShipParticulars& particulars, int waterlines, int frames)
{
    KeptValues& kept = sheet.kept;
    std::vector<double> area(static_cast<std::size_t>(frames) + 2);  // a[r], m²
    std::vector<double> volume(area.size());                         // from frame row 1 to r, m³
    std::vector<double> volumeMoment(area.size());                   // about frame row 1, m⁴
    for (int j = 1; j <= waterlines; ++j) {
        for (int r = 1; r <= frames; ++r)
            area[r] = cellValue(sheet.UWAGrid, j, r);
        for (int r = 1; r + 1 < sheet.UWAGrid.rowCount(); ++r) {
            kept.L = parseNumber(particulars.ShipL);
            kept.dL = parseNumber(particulars.ShipdL);
            const double dL = kept.dL;
            const double stripVolume = (area[r] + area[r + 1]) * 0.5 * dL;
            volume[r + 1] = volume[r] + stripVolume;
            setGeneral(sheet.VGrid, j, 0, volume[r + 1]);
            if (area[r] + area[r + 1] == 0.0) {
                sheet.XcvGrid.setCell(j, 0, "0");
                volumeMoment[r + 1] = volumeMoment[r];
                continue;
            }
            // Distance of the strip's centroid from frame row r.
            const double stripLever = divide(2.0 * area[r + 1] + area[r], area[r] + area[r + 1]) * 1 / 3 * dL;
            volumeMoment[r + 1] = ((r - 1) * dL + stripLever) * stripVolume + volumeMoment[r];
            setGeneral(sheet.XcvGrid, j, 0, kept.L / 2.0 - divide(volumeMoment[r + 1], volume[r + 1]));
        }
        const double height = kept.z[static_cast<std::size_t>(j)];
        seriesOf(sheet.VGraphResults).append(cellValue(sheet.VGrid, j, 0), height);
        if (!sheet.XcvGrid.cell(j, 0).empty())
            seriesOf(sheet.XcvGraph).append(cellValue(sheet.XcvGrid, j, 0), height);
    }
}

// Step 3: each waterplane, one side, from the half-breadths: its area, the
// abscissa of its centre of flotation and its moments of inertia about the
// centre line (Iz) and about the transverse line of frame row 1 (Iy).
void integrateWaterplanes(TrimSheet& sheet, const ShipParticulars& particulars, int waterlines, int frames)
{
    KeptValues& kept = sheet.kept;
    std::vector<double> halfBreadth(static_cast<std::size_t>(frames) + 2);  // b[r], m
    std::vector<double> halfArea(halfBreadth.size());                       // m²
    std::vector<double> momentX(halfBreadth.size());                        // about frame row 1, m³
    std::vector<double> inertiaZ(halfBreadth.size());                       // about the centre line, m⁴
    std::vector<double> inertiaY(halfBreadth.size());                       // about frame row 1, m⁴
    for (int j = 1; j <= waterlines; ++j) {
        for (int r = 1; r <= frames; ++r)
            halfBreadth[r] = cellValue(sheet.OrdinatGrid, j, r);
        for (int r = 1; r + 1 < sheet.UWAGrid.rowCount(); ++r) {
            const double b1 = halfBreadth[r];
            const double b2 = halfBreadth[r + 1];
            const double d = b2 - b1;
            kept.dL = parseNumber(particulars.ShipdL);
            const double dL = kept.dL;
            const double stripArea = (b1 + b2) * 0.5 * dL;
            halfArea[r + 1] = halfArea[r] + stripArea;
            setGeneral(sheet.WLGrid, j, 0, 2.0 * halfArea[r + 1]);
            if (b1 + b2 == 0.0) {
                // The centre of flotation of the waterplane so far stays as written.
                sheet.IzGrid.setCell(j, 0, "0");
                sheet.IyGrid.setCell(j, 0, "0");
                momentX[r + 1] = momentX[r];
                inertiaZ[r + 1] = inertiaZ[r];
                inertiaY[r + 1] = inertiaY[r];
                continue;
            }
            const double stripLever = divide(2.0 * b2 + b1, b1 + b2) * 1 / 3 * dL;
            momentX[r + 1] = ((r - 1) * dL + stripLever) * stripArea + momentX[r];
            if (halfArea[r + 1] == 0.0)
                sheet.XcfGrid.setCell(j, 0, {});
            else
                setGeneral(sheet.XcfGrid, j, 0, kept.L / 2.0 - divide(momentX[r + 1], halfArea[r + 1]));

            // The strip is a rectangle of height b1 with a right triangle of
            // height d on it, standing at frame row r + 1.
            const double triangleLever =
                2.0 * b1 + b2;  // three times the triangle centroid's distance from the centre line
            inertiaZ[r + 1] = b1 * b1 * b1 * 1 / 3 * dL + d * d * d * 1 / 36 * dL
                              + d * 1 / 18 * triangleLever * triangleLever * dL + inertiaZ[r];
            setGeneral(sheet.IzGrid, j, 0, inertiaZ[r + 1]);

            const double dL3 = dL * dL * dL;
            const double p = r * dL - 0.5 * dL;      // rectangle's centre from frame row 1
            const double q = r * dL - 1.0 / 3 * dL;  // triangle's centroid from frame row 1
            inertiaY[r + 1] =
                (b1 * dL3 * 1 / 12 + p * b1 * p * dL) + (d * dL3 * 1 / 36 + d * 0.5 * q * q * dL) + inertiaY[r];
            setGeneral(sheet.IyGrid, j, 0, inertiaY[r + 1]);
        }
    }
}

// Step 4: the waterplane charts, then r = 2·Iz / V and R = (2·Iy − S·d²) / V,
// the longitudinal moment of inertia moved from frame row 1 to the centre of
// flotation, d = L/2 − Xcf from frame row 1. Both only where there is volume.
void computeMetacentricRadii(TrimSheet& sheet, int waterlines)
{
    const KeptValues& kept = sheet.kept;
    for (int j = 1; j <= waterlines; ++j) {
        const double height = kept.z[static_cast<std::size_t>(j)];
        seriesOf(sheet.WLGraph).append(cellValue(sheet.WLGrid, j, 0), height);
        if (!sheet.XcfGrid.cell(j, 0).empty())
            seriesOf(sheet.XcfGraph).append(cellValue(sheet.XcfGrid, j, 0), height);
        seriesOf(sheet.IyGraph).append(cellValue(sheet.IyGrid, j, 0), height);
        seriesOf(sheet.IzGraph).append(cellValue(sheet.IzGrid, j, 0), height);

        const double volume = cellValue(sheet.VGrid, j, 0);
        if (volume == 0.0) {
            sheet.smallRGrid.setCell(j, 0, {});
            sheet.RGrid.setCell(j, 0, "0");
            continue;
        }
        const double transverseRadius = divide(2.0 * cellValue(sheet.IzGrid, j, 0), cellValue(sheet.VGrid, j, 0));
        setGeneral(sheet.smallRGrid, j, 0, transverseRadius);
        seriesOf(sheet.smallRGraph).append(cellValue(sheet.smallRGrid, j, 0), height);

        const double fromBow = kept.L / 2.0 - cellValue(sheet.XcfGrid, j, 0);
        const double longitudinalRadius =
            divide(2.0 * cellValue(sheet.IyGrid, j, 0) - cellValue(sheet.WLGrid, j, 0) * fromBow * fromBow,
                   cellValue(sheet.VGrid, j, 0));
        setGeneral(sheet.RGrid, j, 0, longitudinalRadius);
        seriesOf(sheet.RGraph).append(cellValue(sheet.RGrid, j, 0), height);
    }
}

}  // namespace

void computeHydrostaticCurves(TrimSheet& sheet, const ShipParticulars& particulars)
{
    for (ChartModel* chart : {&sheet.VGraphResults, &sheet.XcvGraph, &sheet.WLGraph, &sheet.XcfGraph, &sheet.IyGraph,
                              &sheet.IzGraph, &sheet.smallRGraph, &sheet.RGraph})
        seriesOf(*chart).clear();

    const int waterlines = sheet.OrdinatGrid.columnCount() - 1;
    const int frames = sheet.UWAGrid.rowCount() - 1;
    integrateVolumes(sheet, particulars, waterlines, frames);
    integrateWaterplanes(sheet, particulars, waterlines, frames);
    computeMetacentricRadii(sheet, waterlines);
}

}  // namespace hullcalc
