// The trim sheet's grids and texts as captioned tables and lists, with the
// units and the row labels the report and the workbook share. Every number is
// the cell's text as it stands.
#pragma once

#include "report/captioned_value.h"
#include "report/report_table.h"
#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"

#include <vector>

namespace hullcalc {

// "Морское", "Речное", or "не выбран" before a ship type is chosen.
std::string shipTypeName(std::optional<ShipType> type);

// The nine particulars with the main window's captions on one line, then the
// ship type and the water density.
std::vector<CaptionedValue> particularLines(const ShipParticulars& particulars);

ReportTable offsetsTable(const InputTables& input);
ReportTable massesTable(const InputTables& input);
ReportTable sectionAreasTable(const BonjeanScale& bonjean);
ReportTable sectionMomentsTable(const BonjeanScale& bonjean);

// One row per waterline: its height and the eight curves of form on it.
ReportTable hydrostaticsTable(const BonjeanScale& bonjean, const HydrostaticCurves& curves);

// One row per waterline: the curves of form, the quantities in the columns
// of the trim window's page; the note says what each is.
ReportTable curvesOfFormTable(const CurvesOfForm& form);

// The initial stability under the summary, or nothing while z_g is not given.
std::vector<CaptionedValue> initialStabilityLines(const InitialStability& stability);

// The start of the iteration and the approximation last under way, from the
// approximations log.
std::vector<CaptionedValue> iterationLines(const WaterlineIteration& iteration);

// Volume, centre of buoyancy and area sum of each approximation the log shows.
ReportTable approximationsTable(const WaterlineIteration& iteration);

// Draft and immersed area of each frame on the waterline of the last approximation.
ReportTable designWaterlineTable(const WaterlineIteration& iteration);

// The columns of the trim table that the calculation fills, a row per frame
// with the spacing it begins, and the totals.
ReportTable trimCalculationTable(const TrimTable& results);

ReportTable loadsTable(const TrimTable& results);
ReportTable shearForceTable(const TrimTable& results);
ReportTable bendingMomentTable(const TrimTable& results);
// Shear force and bending moment side by side, frame by frame, for paper.
ReportTable internalForcesTable(const TrimTable& results);

// The eleven summary lines with the captions the windows and the results file use.
std::vector<CaptionedValue> summaryLines(const TrimSheet& sheet);

}  // namespace hullcalc
