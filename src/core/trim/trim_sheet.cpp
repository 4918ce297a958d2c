#include "trim/trim_sheet.h"

#include "common/number_text.h"

namespace hullcalc {

std::optional<double> bendingMomentClosure(const TrimSheet& sheet)
{
    const std::optional<double> closure = numberOrNothing(sheet.results[SummaryLine::bendingMomentClosure]);
    if (!closure)
        return std::nullopt;
    return *closure * sheet.hydrostatics.frameSpacing / 2;
}

void writeHeaders(TrimSheet& sheet)
{
    writeInputHeaders(sheet.input);
    writeBonjeanHeaders(sheet.bonjean);
    writeCurvesOfFormHeaders(sheet.curvesOfForm);
    writeIterationHeaders(sheet.iteration);
    writeTrimTableHeaders(sheet.results);
}

namespace {

void clearDataCells(TextGrid& grid)
{
    for (int row = grid.fixedRows(); row < grid.rowCount(); ++row)
        for (int column = grid.fixedColumns(); column < grid.columnCount(); ++column)
            grid.setCell(column, row, {});
}

}  // namespace

void clearTrimResults(TrimSheet& sheet)
{
    sheet.complete = false;
    BonjeanScale& bonjean = sheet.bonjean;
    bonjean.waterlineHeights.fill(0.0);
    clearDataCells(bonjean.sectionAreas);
    clearDataCells(bonjean.sectionMoments);
    for (ChartModel* chart : {&bonjean.bodyPlan, &bonjean.bonjeanCurves, &bonjean.bonjeanMomentCurves,
                              &bonjean.sectionalAreaCurves, &bonjean.staticMomentCurves})
        chart->clear();

    HydrostaticCurves& curves = sheet.hydrostatics;
    for (HydrostaticCurve* curve : {&curves.volume, &curves.centreOfBuoyancy, &curves.waterplaneArea,
                                    &curves.centreOfFlotation, &curves.longitudinalInertia, &curves.transverseInertia,
                                    &curves.transverseRadius, &curves.longitudinalRadius}) {
        clearDataCells(curve->values);
        curve->chart.clear();
    }
    curves.length = 0.0;
    curves.frameSpacing = 0.0;

    clearDataCells(sheet.curvesOfForm.table);
    for (ChartModel& chart : sheet.curvesOfForm.charts)
        chart.clear();
    sheet.stability = {};

    WaterlineIteration& iteration = sheet.iteration;
    clearDataCells(iteration.log);
    clearDataCells(iteration.frameDrafts);
    clearDataCells(iteration.designSectionAreas);
    iteration.frameDraftChart.clear();
    iteration.designSectionAreaChart.clear();
    iteration.forwardDraft = 0.0;
    iteration.aftDraft = 0.0;
    iteration.trimSlope = 0.0;
    iteration.frameDraft.fill(0.0);
    iteration.approximations = 0;

    TrimTable& results = sheet.results;
    clearDataCells(results.table);
    clearDataCells(results.loads);
    clearDataCells(results.shearForce);
    clearDataCells(results.bendingMoment);
    results.loadChart.clear();
    results.shearForceChart.clear();
    results.bendingMomentChart.clear();
    results.summary.fill({});
}

}  // namespace hullcalc
