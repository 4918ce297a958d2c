// The names the world outside the C++ knows the trim window and its graph
// windows by: the object names tests find widgets by, and the keys of the
// command line's dump of every component's text. Kept here and, for the
// pages' grids and charts, in the table of pages, and nowhere else.
#pragma once

#include "presentation/trim_window_pages.h"
#include "trim/trim_sheet.h"

#include "common/error.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace hullcalc {

namespace trimWindowNames {
inline constexpr std::string_view window = "UdifForm";
inline constexpr std::string_view pages = "PageControl1";
inline constexpr std::string_view inputPage = "TabSheet1";
inline constexpr std::string_view resultsPage = "TabSheet16";
inline constexpr std::string_view largeAngleStabilityPage = "StabilityPage";
inline constexpr std::string_view calculate = "SpeedButton8";
inline constexpr std::string_view bodyPlanButton = "OrdinatGraphButton";
inline constexpr std::string_view clearButton = "ClearButton";
inline constexpr std::string_view exampleButton = "ExampleButton";
inline constexpr std::string_view bonjeanButton = "MBGraphButton";
inline constexpr std::string_view sectionalAreasButton = "SSpGraphButton";
inline constexpr std::string_view staticMomentsButton = "StatMomGraphButton";
inline constexpr std::string_view resultsChartsButton = "ResGraphButton";
inline constexpr std::string_view printChartsButton = "PrintGraphsButton";
inline constexpr std::string_view saveInputAction = "N7";
inline constexpr std::string_view saveResultsAction = "N8";
inline constexpr std::string_view loadInputAction = "N9";
inline constexpr std::string_view showIntermediateAction = "ShowIntermediate";
inline constexpr std::string_view hideIntermediateAction = "HideIntermediate";
inline constexpr std::string_view fileMenu = "FileMenu";
inline constexpr std::string_view serviceMenu = "ServiceMenu";
inline constexpr std::string_view editMenu = "EditMenu";
inline constexpr std::string_view undoAction = "undo";
inline constexpr std::string_view redoAction = "redo";
inline constexpr std::string_view calculateAction = "calculateAction";  // F9
inline constexpr std::string_view reportAction = "report";
inline constexpr std::string_view workbookAction = "exportWorkbook";
inline constexpr std::string_view calculationStatus = "calculationStatus";
inline constexpr std::string_view outdatedNotice = "resultsOutdated";
inline constexpr std::string_view pageList = "pageList";
inline constexpr std::string_view designChecks = "designChecks";
inline constexpr std::string_view bendingMomentClosure = "bendingMomentClosure";
// The value labels of the summary, in the order of SummaryLine.
inline constexpr std::array<std::string_view, summaryLineCount> summaryLabels = {
    "Label19", "Label20", "Label21", "Label22", "Label23", "Label24",
    "Label25", "Label26", "Label27", "Label28", "Label29"};

// The page «Остойчивость на больших углах»: why it is empty or the trim mode
// with the figures of the curve, its tables and its diagrams.
inline constexpr std::string_view stabilityStatus = "StabilityStatus";
inline constexpr std::string_view stabilityFigures = "StabilityFigures";
inline constexpr std::string_view stabilityCriteriaGrid = "CriteriaGrid";
inline constexpr std::string_view rightingLeverGrid = "GZGrid";
inline constexpr std::string_view crossCurvesGrid = "KNGrid";
inline constexpr std::string_view staticStabilityChart = "GZGraph";
inline constexpr std::string_view dynamicStabilityChart = "DynamicGZGraph";
inline constexpr std::string_view crossCurvesChart = "KNGraph";

// The value labels of the initial stability under the summary, in the order
// of stabilityLines.
inline constexpr std::array<std::string_view, 6> stabilityLabels = {"ZgLabel",  "ZcLabel", "KMLabel",
                                                                    "KMLLabel", "hLabel",  "BigHLabel"};
}  // namespace trimWindowNames

// The keys of the steps whose page shows their sheet: the step's key in the
// result JSON, its attribute in Python and its entry among the run's sheets.
namespace sheetKey {
inline constexpr std::string_view largeAngleStability = "large_angle_stability";
}  // namespace sheetKey

namespace graphWindowNames {
inline constexpr std::string_view bodyPlanWindow = "OrdinatGraphForm";
inline constexpr std::string_view bodyPlanChart = "OTChGraphResults";
inline constexpr std::string_view bodyPlanLegend = "OTChLegend";
inline constexpr std::string_view bonjeanWindow = "MBGraphForm";
inline constexpr std::string_view bonjeanChart = "MBGraphResults";
inline constexpr std::string_view bonjeanMomentChart = "MBMomentGraph";
inline constexpr std::string_view bonjeanPages = "MBPages";
inline constexpr std::string_view sectionalAreaWindow = "SSpGraphForm";
inline constexpr std::string_view sectionalAreaChart = "SSpGraphResults";
inline constexpr std::string_view staticMomentWindow = "StatMomGraphForm";
inline constexpr std::string_view staticMomentChart = "StatMomGraphResults";
inline constexpr std::string_view resultsWindow = "ResGraphForm";
inline constexpr std::string_view resultsPages = "PageControl1";
inline constexpr std::string_view outdatedNotice = "resultsOutdated";
// Load, shear force, bending moment.
inline constexpr std::array<std::string_view, 3> resultsCharts = {"NagrGraph", "ForceGraph", "MomGraph"};
}  // namespace graphWindowNames

// Where a failing cell of the trim sheet stands, as the user reads the window:
// «Исходные данные», шпангоут «2 шп», ватерлиния «5» for an offset,
// «Исходные данные», шпация «3-4» for a mass, and the page with the cell's row
// and column headers for any other grid. Empty for a grid the window does not show.
inline std::string cellLocation(const TrimSheet& sheet, const CellError& error)
{
    const TextGrid& grid = error.grid();
    const std::optional<int> page = pageShowing(sheet, grid);
    if (!page)
        return {};
    std::string where = "«" + std::string(trimWindowPages()[static_cast<std::size_t>(*page)].caption) + "»";
    const auto header = [&](int column, int row) {
        return grid.contains(column, row) ? "«" + grid.cell(column, row) + "»" : std::string("«»");
    };
    if (&grid == &sheet.input.offsets)
        return where + ", шпангоут " + header(0, error.row()) + ", ватерлиния " + header(error.column(), 0);
    if (&grid == &sheet.input.masses)
        return where + ", шпация " + header(0, error.row());
    if (grid.fixedColumns() > 0)
        where += ", строка " + header(0, error.row());
    if (grid.fixedRows() > 0)
        where += ", столбец " + header(error.column(), 0);
    return where;
}

// Where a failing particular stands: «Главные размерения судна», «Длина расчетная L, м».
inline std::string particularLocation(const ParticularError& error)
{
    return "«Главные размерения судна», «" + captionOf(error.field()) + "»";
}

}  // namespace hullcalc
