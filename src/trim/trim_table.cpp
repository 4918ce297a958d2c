// Stage 6, second half: still-water loads of the hull girder on the design
// waterline, from the design sectional areas and the masses per spacing.
#include "trim/trim_table.h"

#include "common/grid_values.h"
#include "common/number_text.h"

#include <string>

namespace hullcalc {

namespace {

constexpr double gravity = 9.81;  // weight of one tonne, kN

// UdifGrid columns.
enum TrimTableColumn {
    sectionArea = 1,      // ω at frame row i, m²
    areaSum = 2,          // ω_i + ω_(i+1) per spacing, m²; V in the totals row
    buoyancy = 3,         // kN
    weight = 4,           // kN
    load = 5,             // weight minus buoyancy, kN
    shearForce = 6,       // running sum of the loads from the bow, kN
    shearIntegral = 7,    // trapezoid sums of the shear force without the factor ΔL/2, kN
    correctedShear = 8,   // kN
    correctedMoment = 9,  // kN·m
};

void fillTrimTable(TrimSheet& sheet, const ShipParticulars& particulars, const DesignWaterline& waterline)
{
    TextGrid& table = sheet.UdifGrid;
    const TextGrid& areas = sheet.WrGrid;
    const int lastFrame = table.rowCount() - 1;    // frame rows 1..21; row 21 also holds totals
    const int lastSpacing = table.rowCount() - 2;  // spacings 1..20
    const double halfSpacing = sheet.kept.dL / 2;
    const auto value = [&](int column, int row) { return cellValue(table, column, row); };

    for (int i = 1; i <= lastFrame; ++i)
        table.setCell(sectionArea, i, areas.cell(i, 1));

    setGeneral(table, areaSum, lastFrame, waterline.volume);
    for (int i = 1; i <= lastSpacing; ++i)
        setGeneral(table, areaSum, i, cellValue(areas, i, 1) + cellValue(areas, i + 1, 1));

    // Weight of one cubic metre of the water, kN.
    const double rhoG = gravity * particulars.WaterDensity;
    for (int i = 1; i <= lastSpacing; ++i)
        setGeneral(table, buoyancy, i, value(areaSum, i) * rhoG * halfSpacing);
    double totalBuoyancy = 0.0;
    for (int i = 1; i <= lastSpacing; ++i)
        totalBuoyancy += value(buoyancy, i);
    setGeneral(table, buoyancy, lastFrame, totalBuoyancy);

    for (int i = 1; i <= lastSpacing; ++i)
        setGeneral(table, weight, i, cellValue(sheet.MassaGrid, 1, i) * gravity);
    double totalWeight = 0.0;
    for (int i = 1; i <= lastSpacing; ++i)
        totalWeight += value(weight, i);
    setGeneral(table, weight, lastFrame, totalWeight);

    for (int i = 1; i <= lastSpacing; ++i)
        setGeneral(table, load, i, value(weight, i) - value(buoyancy, i));

    table.setCell(shearForce, 1, "0");
    for (int i = 2; i <= lastFrame; ++i)
        setGeneral(table, shearForce, i, value(shearForce, i - 1) + value(load, i - 1));

    // The moment is the integral of the uncorrected shear force.
    table.setCell(shearIntegral, 1, "0");
    for (int i = 2; i <= lastFrame; ++i)
        setGeneral(table, shearIntegral, i,
                   (value(shearIntegral, i - 1) + value(shearForce, i - 1)) + value(shearForce, i));

    // What is left at the stern is the closure error; it is taken out linearly,
    // none at the bow and all of it at the stern.
    const double shearClosure = value(shearForce, lastFrame);
    for (int i = 1; i <= lastFrame; ++i)
        setGeneral(table, correctedShear, i, value(shearForce, i) - (i - 1) * shearClosure / spacingCount);
    const double momentClosure = value(shearIntegral, lastFrame);
    for (int i = 1; i <= lastFrame; ++i)
        setGeneral(table, correctedMoment, i,
                   (value(shearIntegral, i) - (i - 1) * momentClosure / spacingCount) * halfSpacing);
}

void fillResultTables(TrimSheet& sheet)
{
    const TextGrid& table = sheet.UdifGrid;
    for (int row = 0; row < sheet.NagrGrid.rowCount(); ++row)
        setFixed2(sheet.NagrGrid, 1, row, cellValue(table, load, row + 1));
    for (int row = 0; row < sheet.ForceGrid.rowCount(); ++row) {
        setFixed2(sheet.ForceGrid, 1, row, cellValue(table, correctedShear, row + 1));
        setFixed2(sheet.MomGrid, 1, row, cellValue(table, correctedMoment, row + 1));
    }
}

// The floating condition on the accepted waterline (Label19 .. Label29).
void writeSummary(TrimSheet& sheet, const ShipParticulars& particulars, const DesignWaterline& waterline)
{
    const int lastFrame = sheet.UdifGrid.rowCount() - 1;
    auto& summary = sheet.summary;
    summary[0] = formatF(cellValue(sheet.StringGrid1, 1, 3));
    summary[1] = formatF(parseNumber(particulars.ShipXct));
    summary[2] = formatF(cellValue(sheet.StringGrid1, 2, 3));
    summary[3] = formatF(waterline.centreOfFlotation);
    summary[4] = formatF(waterline.longitudinalRadius);
    summary[5] = formatF(waterline.waterplaneArea);
    summary[6] = formatF(waterline.forwardDraft);
    summary[7] = formatF(waterline.aftDraft);
    summary[8] = formatF(waterline.meanDraft);
    summary[9] = formatF(cellValue(sheet.UdifGrid, shearForce, lastFrame));
    summary[10] = formatF(cellValue(sheet.UdifGrid, shearIntegral, lastFrame));
}

void drawResults(TrimSheet& sheet)
{
    ChartSeries& loads = sheet.NagrGraph.series.at(0);
    ChartSeries& forces = sheet.ForceGraph.series.at(0);
    ChartSeries& moments = sheet.MomGraph.series.at(0);
    loads.clear();
    forces.clear();
    moments.clear();
    for (int r = 0; r < sheet.NagrGrid.rowCount(); ++r)
        loads.append(r, cellValue(sheet.NagrGrid, 1, r), std::to_string(r) + "-" + std::to_string(r + 1));
    for (int r = 0; r < sheet.ForceGrid.rowCount(); ++r)
        forces.append(r, cellValue(sheet.ForceGrid, 1, r));
    for (int r = 0; r < sheet.MomGrid.rowCount(); ++r)
        moments.append(r, cellValue(sheet.MomGrid, 1, r));
}

}  // namespace

void buildTrimTable(TrimSheet& sheet, const ShipParticulars& particulars, const DesignWaterline& waterline)
{
    fillTrimTable(sheet, particulars, waterline);
    fillResultTables(sheet);
    writeSummary(sheet, particulars, waterline);
    drawResults(sheet);
}

}  // namespace hullcalc
