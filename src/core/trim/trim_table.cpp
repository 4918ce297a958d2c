#include "trim/trim_table.h"

#include "common/grid_values.h"
#include "common/number_text.h"

#include <string>

namespace hullcalc {

namespace column = trimTableColumn;

namespace {

constexpr double gravity = gravityAcceleration;

void fillResultTables(TrimTable& results)
{
    const TextGrid& table = results.table;
    for (int row = 0; row < results.loads.rowCount(); ++row)
        setFixed2(results.loads, 1, row, cellValue(table, column::load, row + 1));
    for (int row = 0; row < results.shearForce.rowCount(); ++row) {
        setFixed2(results.shearForce, 1, row, cellValue(table, column::correctedShear, row + 1));
        setFixed2(results.bendingMoment, 1, row, cellValue(table, column::correctedMoment, row + 1));
    }
}

// The floating condition on the accepted waterline.
void writeSummary(const WaterlineIteration& iteration, const ParticularValues& particulars,
                  const DesignWaterline& waterline, TrimTable& results)
{
    namespace log = approximationsLog;
    const TextGrid& table = results.table;
    const int lastFrame = table.rowCount() - 1;
    results[SummaryLine::volume] = formatF(cellValue(iteration.log, log::currentVolume.column, log::currentVolume.row));
    results[SummaryLine::centreOfGravity] = formatF(particulars.centreOfGravity);
    results[SummaryLine::centreOfBuoyancy] =
        formatF(cellValue(iteration.log, log::currentCentreOfBuoyancy.column, log::currentCentreOfBuoyancy.row));
    results[SummaryLine::centreOfFlotation] = formatF(waterline.centreOfFlotation);
    results[SummaryLine::longitudinalRadius] = formatF(waterline.longitudinalRadius);
    results[SummaryLine::waterplaneArea] = formatF(waterline.waterplaneArea);
    results[SummaryLine::forwardDraft] = formatF(waterline.forwardDraft);
    results[SummaryLine::aftDraft] = formatF(waterline.aftDraft);
    results[SummaryLine::meanDraft] = formatF(waterline.meanDraft);
    results[SummaryLine::shearForceClosure] = formatF(cellValue(table, column::shearForce, lastFrame));
    results[SummaryLine::bendingMomentClosure] = formatF(cellValue(table, column::shearIntegral, lastFrame));
}

void drawResults(TrimTable& results)
{
    ChartSeries& loads = results.loadChart.series.at(0);
    ChartSeries& forces = results.shearForceChart.series.at(0);
    ChartSeries& moments = results.bendingMomentChart.series.at(0);
    loads.clear();
    forces.clear();
    moments.clear();
    for (int r = 0; r < results.loads.rowCount(); ++r)
        loads.append(r, cellValue(results.loads, 1, r), spacingLabel(r));
    for (int r = 0; r < results.shearForce.rowCount(); ++r)
        forces.append(r, cellValue(results.shearForce, 1, r));
    for (int r = 0; r < results.bendingMoment.rowCount(); ++r)
        moments.append(r, cellValue(results.bendingMoment, 1, r));
}

}  // namespace

void fillLoadTable(const TextGrid& areas, const TextGrid& masses, double volume, double frameSpacing,
                   double waterDensity, TextGrid& table)
{
    const int lastFrame = table.rowCount() - 1;    // frame rows 1..21; row 21 also holds totals
    const int lastSpacing = table.rowCount() - 2;  // spacings 1..20
    const double halfSpacing = frameSpacing / 2;
    const auto value = [&](int c, int row) { return cellValue(table, c, row); };

    for (int i = 1; i <= lastFrame; ++i)
        table.setCell(column::sectionArea, i, areas.cell(i, 1));

    setGeneral(table, column::areaSum, lastFrame, volume);
    for (int i = 1; i <= lastSpacing; ++i)
        setGeneral(table, column::areaSum, i, cellValue(areas, i, 1) + cellValue(areas, i + 1, 1));

    // Weight of one cubic metre of the water, kN.
    const double rhoG = gravity * waterDensity;
    for (int i = 1; i <= lastSpacing; ++i)
        setGeneral(table, column::buoyancy, i, value(column::areaSum, i) * rhoG * halfSpacing);
    double totalBuoyancy = 0.0;
    for (int i = 1; i <= lastSpacing; ++i)
        totalBuoyancy += value(column::buoyancy, i);
    setGeneral(table, column::buoyancy, lastFrame, totalBuoyancy);

    for (int i = 1; i <= lastSpacing; ++i)
        setGeneral(table, column::weight, i, cellValue(masses, 1, i) * gravity);
    double totalWeight = 0.0;
    for (int i = 1; i <= lastSpacing; ++i)
        totalWeight += value(column::weight, i);
    setGeneral(table, column::weight, lastFrame, totalWeight);

    for (int i = 1; i <= lastSpacing; ++i)
        setGeneral(table, column::load, i, value(column::weight, i) - value(column::buoyancy, i));

    table.setCell(column::shearForce, 1, "0");
    for (int i = 2; i <= lastFrame; ++i)
        setGeneral(table, column::shearForce, i, value(column::shearForce, i - 1) + value(column::load, i - 1));

    // The moment is the integral of the uncorrected shear force.
    table.setCell(column::shearIntegral, 1, "0");
    for (int i = 2; i <= lastFrame; ++i)
        setGeneral(
            table, column::shearIntegral, i,
            (value(column::shearIntegral, i - 1) + value(column::shearForce, i - 1)) + value(column::shearForce, i));

    // What is left at the stern is the closure error; it is taken out linearly,
    // none at the bow and all of it at the stern.
    const double shearClosure = value(column::shearForce, lastFrame);
    for (int i = 1; i <= lastFrame; ++i)
        setGeneral(table, column::correctedShear, i,
                   value(column::shearForce, i) - (i - 1) * shearClosure / spacingCount);
    const double momentClosure = value(column::shearIntegral, lastFrame);
    for (int i = 1; i <= lastFrame; ++i)
        setGeneral(table, column::correctedMoment, i,
                   (value(column::shearIntegral, i) - (i - 1) * momentClosure / spacingCount) * halfSpacing);
}

TrimTable::TrimTable()
    : loadChart(singleSeriesChart("Нагрузка на шпацию", colours::purple, SeriesKind::Bar)),
      shearForceChart(singleSeriesChart("Перерезывающая сила", colours::blue)),
      bendingMomentChart(singleSeriesChart("Изгибающий момент", colours::red))
{}

void writeTrimTableHeaders(TrimTable& results)
{
    results.loads.setRowCount(spacingCount);
    for (int row = 0; row < spacingCount; ++row)
        results.loads.setCell(0, row, spacingLabel(row));
    for (TextGrid* grid : {&results.shearForce, &results.bendingMoment}) {
        grid->setRowCount(frameCount);
        for (int row = 0; row < frameCount; ++row)
            grid->setCell(0, row, frameLabel(row));
    }
}

void buildTrimTable(const InputTables& input, const WaterlineIteration& iteration, double frameSpacing,
                    const ParticularValues& particulars, const DesignWaterline& waterline, TrimTable& results)
{
    fillLoadTable(iteration.designSectionAreas, input.masses, waterline.volume, frameSpacing, particulars.waterDensity,
                  results.table);
    fillResultTables(results);
    writeSummary(iteration, particulars, waterline, results);
    drawResults(results);
}

}  // namespace hullcalc
