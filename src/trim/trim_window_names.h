// The names the world outside the C++ knows the trim window and its graph
// windows by: the object names tests find widgets by, and the keys of the
// command line's dump of every component's text. Kept here and nowhere else.
#pragma once

#include "trim/trim_sheet.h"

#include <array>
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
// The value labels of the summary, in the order of SummaryLine.
inline constexpr std::array<std::string_view, summaryLineCount> summaryLabels = {
    "Label19", "Label20", "Label21", "Label22", "Label23", "Label24",
    "Label25", "Label26", "Label27", "Label28", "Label29"};
}  // namespace trimWindowNames

namespace graphWindowNames {
inline constexpr std::string_view bodyPlanWindow = "OrdinatGraphForm";
inline constexpr std::string_view bodyPlanChart = "OTChGraphResults";
inline constexpr std::string_view bodyPlanLegend = "OTChLegend";
inline constexpr std::string_view bonjeanWindow = "MBGraphForm";
inline constexpr std::string_view bonjeanChart = "MBGraphResults";
inline constexpr std::string_view sectionalAreaWindow = "SSpGraphForm";
inline constexpr std::string_view sectionalAreaChart = "SSpGraphResults";
inline constexpr std::string_view staticMomentWindow = "StatMomGraphForm";
inline constexpr std::string_view staticMomentChart = "StatMomGraphResults";
inline constexpr std::string_view resultsWindow = "ResGraphForm";
inline constexpr std::string_view resultsPages = "PageControl1";
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
    return {
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
        {graphs::sectionalAreaWindow, graphs::sectionalAreaChart, sheet.bonjean.sectionalAreaCurves},
        {graphs::staticMomentWindow, graphs::staticMomentChart, sheet.bonjean.staticMomentCurves},
        {graphs::resultsWindow, graphs::resultsCharts[0], sheet.results.loadChart},
        {graphs::resultsWindow, graphs::resultsCharts[1], sheet.results.shearForceChart},
        {graphs::resultsWindow, graphs::resultsCharts[2], sheet.results.bendingMomentChart},
    };
}

}  // namespace hullcalc
