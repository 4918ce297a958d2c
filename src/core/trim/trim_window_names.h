// The names the world outside the C++ knows the trim window and its graph
// windows by: the object names tests find widgets by, and the keys of the
// command line's dump of every component's text. Kept here and nowhere else.
#pragma once

#include "trim/trim_sheet.h"

#include "common/error.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {

namespace trimWindowNames {
inline constexpr std::string_view window = "UdifForm";
inline constexpr std::string_view pages = "PageControl1";
inline constexpr std::string_view inputPage = "TabSheet1";
inline constexpr std::string_view resultsPage = "TabSheet16";
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

// The value labels of the initial stability under the summary, in the order
// of stabilityLines.
inline constexpr std::array<std::string_view, 6> stabilityLabels = {"ZgLabel",  "ZcLabel", "KMLabel",
                                                                    "KMLLabel", "hLabel",  "BigHLabel"};
// The charts of the curves of form, in the order of formCharts().
inline constexpr std::array<std::string_view, 7> curvesOfFormCharts = {
    "DisplacementGraph", "CentresGraph",        "CoefficientsGraph", "AreasGraph",
    "TonnesPerCmGraph",  "LongMetacentreGraph", "MomentToTrimGraph"};
inline constexpr std::string_view curvesOfFormGrid = "CurvesOfFormGrid";

// The captions of the window's pages, in their order: the input first, the
// intermediate results (hidden at start), the results and the curves of form.
inline constexpr std::array<std::string_view, 17> pageCaptions = {"Исходные данные",
                                                                  "Погруженные площади",
                                                                  "Статический момент",
                                                                  "Грузовой размер",
                                                                  "Xцв",
                                                                  "Площадь ватерлинии",
                                                                  "Xcf",
                                                                  "Iy",
                                                                  "Iz",
                                                                  "r",
                                                                  "R",
                                                                  "Промежуточные результаты",
                                                                  "Расчетная осадка",
                                                                  "Расчетная строевая по шпангоутам",
                                                                  "Таблица удифферентовки",
                                                                  "Результаты",
                                                                  "Кривые элементов"};
inline constexpr int inputPageIndex = 0;
inline constexpr int resultsPageIndex = 15;
inline constexpr int curvesOfFormPageIndex = 16;
inline constexpr int firstIntermediatePageIndex = inputPageIndex + 1;
inline constexpr int lastIntermediatePageIndex = resultsPageIndex - 1;
}  // namespace trimWindowNames

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

struct NamedGrid {
    std::string_view name;
    const TextGrid& grid;
};

// Every grid of the trim window by its component name, in the order of its pages.
inline std::vector<NamedGrid> trimWindowGrids(const TrimSheet& sheet)
{
    const HydrostaticCurves& curves = sheet.hydrostatics;
    return {
        {"OrdinatGrid", sheet.input.offsets},
        {"MassaGrid", sheet.input.masses},
        {"UWAGrid", sheet.bonjean.sectionAreas},
        {"StatMomGrid", sheet.bonjean.sectionMoments},
        {"VGrid", curves.volume.values},
        {"XcvGrid", curves.centreOfBuoyancy.values},
        {"WLGrid", curves.waterplaneArea.values},
        {"XcfGrid", curves.centreOfFlotation.values},
        {"IyGrid", curves.longitudinalInertia.values},
        {"IzGrid", curves.transverseInertia.values},
        {"smallRGrid", curves.transverseRadius.values},
        {"RGrid", curves.longitudinalRadius.values},
        {"StringGrid1", sheet.iteration.log},
        {"TGrid", sheet.iteration.frameDrafts},
        {"WrGrid", sheet.iteration.designSectionAreas},
        {"UdifGrid", sheet.results.table},
        {"NagrGrid", sheet.results.loads},
        {"ForceGrid", sheet.results.shearForce},
        {"MomGrid", sheet.results.bendingMoment},
        {trimWindowNames::curvesOfFormGrid, sheet.curvesOfForm.table},
    };
}

struct NamedChart {
    std::string_view window;  // the window that shows it
    std::string_view name;
    const ChartModel& chart;
};

// Every chart of the trim window and its graph windows by component name.
inline std::vector<NamedChart> trimCharts(const TrimSheet& sheet)
{
    namespace graphs = graphWindowNames;
    const std::string_view trim = trimWindowNames::window;
    const HydrostaticCurves& curves = sheet.hydrostatics;
    std::vector<NamedChart> charts = {
        {trim, "VGraphResults", curves.volume.chart},
        {trim, "XcvGraph", curves.centreOfBuoyancy.chart},
        {trim, "WLGraph", curves.waterplaneArea.chart},
        {trim, "XcfGraph", curves.centreOfFlotation.chart},
        {trim, "IyGraph", curves.longitudinalInertia.chart},
        {trim, "IzGraph", curves.transverseInertia.chart},
        {trim, "smallRGraph", curves.transverseRadius.chart},
        {trim, "RGraph", curves.longitudinalRadius.chart},
        {trim, "TGraph", sheet.iteration.frameDraftChart},
        {trim, "WrGraph", sheet.iteration.designSectionAreaChart},
        {graphs::bodyPlanWindow, graphs::bodyPlanChart, sheet.bonjean.bodyPlan},
        {graphs::bonjeanWindow, graphs::bonjeanChart, sheet.bonjean.bonjeanCurves},
        {graphs::bonjeanWindow, graphs::bonjeanMomentChart, sheet.bonjean.bonjeanMomentCurves},
        {graphs::sectionalAreaWindow, graphs::sectionalAreaChart, sheet.bonjean.sectionalAreaCurves},
        {graphs::staticMomentWindow, graphs::staticMomentChart, sheet.bonjean.staticMomentCurves},
        {graphs::resultsWindow, graphs::resultsCharts[0], sheet.results.loadChart},
        {graphs::resultsWindow, graphs::resultsCharts[1], sheet.results.shearForceChart},
        {graphs::resultsWindow, graphs::resultsCharts[2], sheet.results.bendingMomentChart},
    };
    for (std::size_t i = 0; i < trimWindowNames::curvesOfFormCharts.size(); ++i)
        charts.push_back({trim, trimWindowNames::curvesOfFormCharts[i], sheet.curvesOfForm.charts.at(i)});
    return charts;
}

// The page of the trim window that shows `grid`, or nullopt for a grid it does not show.
inline std::optional<int> pageShowing(const TrimSheet& sheet, const TextGrid& grid)
{
    const HydrostaticCurves& curves = sheet.hydrostatics;
    const TextGrid* pages[][3] = {
        {&sheet.input.offsets, &sheet.input.masses, nullptr},
        {&sheet.bonjean.sectionAreas, nullptr, nullptr},
        {&sheet.bonjean.sectionMoments, nullptr, nullptr},
        {&curves.volume.values, nullptr, nullptr},
        {&curves.centreOfBuoyancy.values, nullptr, nullptr},
        {&curves.waterplaneArea.values, nullptr, nullptr},
        {&curves.centreOfFlotation.values, nullptr, nullptr},
        {&curves.longitudinalInertia.values, nullptr, nullptr},
        {&curves.transverseInertia.values, nullptr, nullptr},
        {&curves.transverseRadius.values, nullptr, nullptr},
        {&curves.longitudinalRadius.values, nullptr, nullptr},
        {&sheet.iteration.log, nullptr, nullptr},
        {&sheet.iteration.frameDrafts, nullptr, nullptr},
        {&sheet.iteration.designSectionAreas, nullptr, nullptr},
        {&sheet.results.table, nullptr, nullptr},
        {&sheet.results.loads, &sheet.results.shearForce, &sheet.results.bendingMoment},
        {&sheet.curvesOfForm.table, nullptr, nullptr},
    };
    for (int page = 0; page < static_cast<int>(std::size(pages)); ++page)
        for (const TextGrid* shown : pages[page])
            if (shown == &grid)
                return page;
    return std::nullopt;
}

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
    std::string where = "«" + std::string(trimWindowNames::pageCaptions[static_cast<std::size_t>(*page)]) + "»";
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
