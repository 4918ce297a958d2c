#include "presentation/trim_window_pages.h"

#include "presentation/trim_window_names.h"
#include "trim/curves_of_form.h"

#include <algorithm>
#include <array>

namespace hullcalc {

namespace {

namespace names = trimWindowNames;

constexpr std::string_view draftAxis = "Осадка, м";

template<HydrostaticCurve HydrostaticCurves::*curve>
TextGrid& curveValues(TrimSheet& sheet)
{
    return (sheet.hydrostatics.*curve).values;
}

template<HydrostaticCurve HydrostaticCurves::*curve>
ChartModel& curveChart(TrimSheet& sheet)
{
    return (sheet.hydrostatics.*curve).chart;
}

// A curve of form: its values on waterlines 1..10 over the curve against the draft.
template<HydrostaticCurve HydrostaticCurves::*curve>
TrimWindowPage curveOfFormPage(std::string_view caption, std::string_view description, std::string_view quantity,
                               PageGrid grid, std::string_view chartName, PageChartStyle style)
{
    grid.of = &curveValues<curve>;
    return {caption,
            {},
            PageLayout::chart,
            true,
            description,
            {grid},
            {{chartName, &curveChart<curve>, style, quantity, draftAxis}},
            {},
            {reportSection::hydrostatics},
            {workbookSheet::hydrostatics}};
}

template<std::size_t chart>
ChartModel& formChart(TrimSheet& sheet)
{
    return sheet.curvesOfForm.charts.at(chart);
}

// The curves of form: the table by waterlines over the charts of the
// quantities of one unit each, draft upwards.
TrimWindowPage curvesOfFormPage()
{
    constexpr std::array<std::string_view, 8> chartNames = {
        "DisplacementGraph", "CentresGraph",     "AbscissaeGraph",      "CoefficientsGraph",
        "AreasGraph",        "TonnesPerCmGraph", "LongMetacentreGraph", "MomentToTrimGraph"};
    constexpr std::array<ChartModel& (*)(TrimSheet&), 8> charts = {&formChart<0>, &formChart<1>, &formChart<2>,
                                                                   &formChart<3>, &formChart<4>, &formChart<5>,
                                                                   &formChart<6>, &formChart<7>};
    TrimWindowPage page{
        "Кривые элементов",
        {},
        PageLayout::charts,
        false,
        "Кривые элементов теоретического чертежа по ватерлиниям 1–10 (строки); пусто — величина не определена "
        "(нет объема водоизмещения)",
        {{"CurvesOfFormGrid", [](TrimSheet& s) -> TextGrid& { return s.curvesOfForm.table; }, 100, "/curves_of_form"}},
        {},
        {},
        {reportSection::hydrostatics},
        {workbookSheet::curvesOfForm},
        curvesOfFormNote};
    const std::vector<FormChartInfo>& infos = formCharts();
    for (std::size_t i = 0; i < chartNames.size(); ++i)
        page.charts.push_back({chartNames[i], charts[i], PageChartStyle::titledCurves, infos.at(i).title, "Осадка T, м",
                               infos.at(i).quantities.size() > 1});
    return page;
}

std::vector<TrimWindowPage> describePages()
{
    using HC = HydrostaticCurves;
    using Style = PageChartStyle;
    return {
        {"Исходные данные",
         names::inputPage,
         PageLayout::input,
         false,
         {},
         {{"OrdinatGrid", [](TrimSheet& s) -> TextGrid& { return s.input.offsets; }, 45, "/input/offsets"},
          {"MassaGrid", [](TrimSheet& s) -> TextGrid& { return s.input.masses; }, 45, "/input/masses"}},
         {},
         {names::calculate, names::bodyPlanButton, names::clearButton, names::exampleButton},
         {reportSection::input},
         {workbookSheet::offsets, workbookSheet::masses}},
        {"Погруженные площади",
         {},
         PageLayout::table,
         true,
         "Площадь погруженной части шпангоута (оба борта) от основной плоскости до ватерлинии, кв. м; "
         "строки — шпангоуты, столбцы — ватерлинии",
         {{"UWAGrid", [](TrimSheet& s) -> TextGrid& { return s.bonjean.sectionAreas; }, 55,
           "/bonjean_scale/section_area"}},
         {},
         {names::bonjeanButton, names::sectionalAreasButton},
         {reportSection::bonjean},
         {workbookSheet::sectionAreas}},
        {"Статический момент",
         {},
         PageLayout::table,
         true,
         "Статический момент погруженной площади шпангоута относительно основной плоскости, куб. м; "
         "строки — шпангоуты, столбцы — ватерлинии",
         {{"StatMomGrid", [](TrimSheet& s) -> TextGrid& { return s.bonjean.sectionMoments; }, 55,
           "/bonjean_scale/static_moment"}},
         {},
         {names::staticMomentsButton},
         {reportSection::bonjean},
         {workbookSheet::sectionMoments}},
        curveOfFormPage<&HC::volume>(
            "Грузовой размер", "Объемное водоизмещение V, куб. м по ватерлиниям 1–10 (столбцы)",
            "Объемное водоизмещение V, куб. м", {"VGrid", nullptr, 50, "/hydrostatic_curves/volume"}, "VGraphResults",
            Style::markedCurveOfForm),
        curveOfFormPage<&HC::centreOfBuoyancy>(
            "Xцв", "Абсцисса центра величины Xc от миделя, м по ватерлиниям 1–10 (столбцы)",
            "Абсцисса центра величины Xc от миделя, м",
            {"XcvGrid", nullptr, 50, "/hydrostatic_curves/centre_of_buoyancy"}, "XcvGraph", Style::labelledCurveOfForm),
        curveOfFormPage<&HC::waterplaneArea>(
            "Площадь ватерлинии", "Площадь ватерлинии S, кв. м по ватерлиниям 1–10 (столбцы)",
            "Площадь ватерлинии S, кв. м", {"WLGrid", nullptr, 50, "/hydrostatic_curves/waterplane_area"}, "WLGraph",
            Style::curveOfForm),
        curveOfFormPage<&HC::centreOfFlotation>(
            "Xcf", "Абсцисса центра тяжести ватерлинии Xf от миделя, м по ватерлиниям 1–10 (столбцы)",
            "Абсцисса центра тяжести ватерлинии Xf от миделя, м",
            {"XcfGrid", nullptr, 50, "/hydrostatic_curves/centre_of_flotation"}, "XcfGraph", Style::curveOfForm),
        curveOfFormPage<&HC::longitudinalInertia>(
            "Iy", "Момент инерции площади ватерлинии Iy (один борт, от 0 шп), м⁴ по ватерлиниям 1–10 (столбцы)",
            "Момент инерции площади ватерлинии Iy (один борт, от 0 шп), м⁴",
            {"IyGrid", nullptr, 50, "/hydrostatic_curves/longitudinal_inertia"}, "IyGraph", Style::curveOfForm),
        curveOfFormPage<&HC::transverseInertia>(
            "Iz", "Момент инерции площади ватерлинии Iz (один борт, от ДП), м⁴ по ватерлиниям 1–10 (столбцы)",
            "Момент инерции площади ватерлинии Iz (один борт, от ДП), м⁴",
            {"IzGrid", nullptr, 50, "/hydrostatic_curves/transverse_inertia"}, "IzGraph", Style::curveOfForm),
        curveOfFormPage<&HC::transverseRadius>(
            "r", "Поперечный метацентрический радиус r, м по ватерлиниям 1–10 (столбцы)",
            "Поперечный метацентрический радиус r, м",
            {"smallRGrid", nullptr, 50, "/hydrostatic_curves/transverse_radius"}, "smallRGraph", Style::curveOfForm),
        curveOfFormPage<&HC::longitudinalRadius>(
            "R", "Продольный метацентрический радиус R, м по ватерлиниям 1–10 (столбцы)",
            "Продольный метацентрический радиус R, м",
            {"RGrid", nullptr, 50, "/hydrostatic_curves/longitudinal_radius"}, "RGraph", Style::curveOfForm),
        {"Промежуточные результаты",
         {},
         PageLayout::table,
         true,
         "Последовательные приближения: слева — осадка и гидростатика на ровный киль (строка 1), осадки "
         "первого приближения (2), текущее приближение (3, 4) и площадь ватерлинии последней поправки "
         "(5); справа — V, XC и сумма площадей шпангоутов приближения с номером строки n (строки 6–9 "
         "заполняются, когда приближений больше пяти)",
         {{"StringGrid1", [](TrimSheet& s) -> TextGrid& { return s.iteration.log; }, 64, "/design_waterline"}},
         {},
         {},
         {reportSection::waterline},
         {workbookSheet::approximations}},
        {"Расчетная осадка",
         {},
         PageLayout::chart,
         true,
         "Осадка на шпангоутах 0–20 по расчетной ватерлинии последнего приближения, м",
         {{"TGrid", [](TrimSheet& s) -> TextGrid& { return s.iteration.frameDrafts; }, 45,
           "/design_waterline/frame_drafts"}},
         {{"TGraph", [](TrimSheet& s) -> ChartModel& { return s.iteration.frameDraftChart; }, Style::draftsAlongFrames,
           "Шпангоут", draftAxis}},
         {},
         {reportSection::waterline},
         {workbookSheet::designWaterline}},
        {"Расчетная строевая по шпангоутам",
         {},
         PageLayout::chart,
         true,
         "Погруженная площадь шпангоутов 0–20 по расчетной ватерлинии, кв. м",
         {{"WrGrid", [](TrimSheet& s) -> TextGrid& { return s.iteration.designSectionAreas; }, 45,
           "/design_waterline/design_section_areas"}},
         {{"WrGraph", [](TrimSheet& s) -> ChartModel& { return s.iteration.designSectionAreaChart; },
           Style::alongFrames, "Шпангоут", "Площадь шпангоута, кв. м"}},
         {},
         {reportSection::waterline},
         {workbookSheet::designWaterline}},
        {"Таблица удифферентовки",
         {},
         PageLayout::table,
         true,
         "Таблица удифферентовки по шпациям (строка шпации — у ее носового шпангоута, строка 20 шп — "
         "итоги): площади, кв. м; силы, кН; момент, кН·м",
         {{"UdifGrid", [](TrimSheet& s) -> TextGrid& { return s.results.table; }, 64, "/trim_table"}},
         {},
         {},
         {reportSection::trimTable},
         {workbookSheet::trimTable}},
        {"Результаты",
         names::resultsPage,
         PageLayout::results,
         false,
         {},
         {{"NagrGrid", [](TrimSheet& s) -> TextGrid& { return s.results.loads; }, 72, "/load_per_spacing"},
          {"ForceGrid", [](TrimSheet& s) -> TextGrid& { return s.results.shearForce; }, 72, "/shear_force"},
          {"MomGrid", [](TrimSheet& s) -> TextGrid& { return s.results.bendingMoment; }, 72, "/bending_moment"}},
         {},
         {names::resultsChartsButton, names::printChartsButton},
         {reportSection::strength, reportSection::summary},
         {workbookSheet::loads, workbookSheet::shearForce, workbookSheet::bendingMoment}},
        curvesOfFormPage(),
        {"Остойчивость на больших углах",
         names::largeAngleStabilityPage,
         PageLayout::sheet,
         false,
         "Пантокарены, диаграммы статической и динамической остойчивости и общие критерии ИМО для нагрузки "
         "расчетного случая; плечи, м; углы, град.",
         {},
         {},
         {},
         {reportSection::largeAngleStability},
         {},
         {},
         ReportPart::stillWater,
         sheetKey::largeAngleStability,
         "large-angles"},
        {strengthPageNames::caption,
         strengthPageNames::page,
         PageLayout::wave,
         false,
         {},
         {},
         {},
         {},
         {reportSection::wave},
         {workbookSheet::wave, workbookSheet::hogging, workbookSheet::sagging, workbookSheet::girder},
         {},
         ReportPart::afterVibration},
    };
}

}  // namespace

const std::vector<TrimWindowPage>& trimWindowPages()
{
    static const std::vector<TrimWindowPage> pages = describePages();
    return pages;
}

int pageIndex(PageLayout layout)
{
    const std::vector<TrimWindowPage>& pages = trimWindowPages();
    return static_cast<int>(std::ranges::find(pages, layout, &TrimWindowPage::layout) - pages.begin());
}

int resultsPageIndex() { return pageIndex(PageLayout::results); }

int wavePageIndex() { return pageIndex(PageLayout::wave); }

int sheetPageIndex(std::string_view key)
{
    const std::vector<TrimWindowPage>& pages = trimWindowPages();
    const auto page = std::ranges::find(pages, key, &TrimWindowPage::sheet);
    return page == pages.end() || key.empty() ? -1 : static_cast<int>(page - pages.begin());
}

std::vector<std::string_view> trimReportSections(ReportPart part)
{
    std::vector<std::string_view> sections;
    for (const TrimWindowPage& page : trimWindowPages())
        for (std::string_view section : page.reportSections)
            if (page.reportPart == part && std::ranges::find(sections, section) == sections.end())
                sections.push_back(section);
    return sections;
}

std::vector<std::string_view> workbookSheetsOf(std::string_view section)
{
    std::vector<std::string_view> sheets;
    for (const TrimWindowPage& page : trimWindowPages())
        if (page.reportSections.front() == section)
            for (std::string_view sheet : page.workbookSheets)
                if (std::ranges::find(sheets, sheet) == sheets.end())
                    sheets.push_back(sheet);
    return sheets;
}

std::vector<std::string_view> trimWorkbookSheets(ReportPart part)
{
    std::vector<std::string_view> sheets;
    for (std::string_view section : trimReportSections(part))
        for (std::string_view sheet : workbookSheetsOf(section))
            if (std::ranges::find(sheets, sheet) == sheets.end())
                sheets.push_back(sheet);
    return sheets;
}

const TrimWindowPage* sheetPageOf(std::string_view section)
{
    for (const TrimWindowPage& page : trimWindowPages())
        if (page.layout == PageLayout::sheet
            && std::ranges::find(page.reportSections, section) != page.reportSections.end())
            return &page;
    return nullptr;
}

std::vector<NamedGrid> trimWindowGrids(const TrimSheet& sheet)
{
    std::vector<NamedGrid> grids;
    for (const TrimWindowPage& page : trimWindowPages())
        for (const PageGrid& grid : page.grids)
            grids.push_back({grid.name, grid.in(sheet)});
    return grids;
}

std::vector<NamedChart> trimCharts(const TrimSheet& sheet)
{
    std::vector<NamedChart> charts;
    for (const TrimWindowPage& page : trimWindowPages())
        for (const PageChart& chart : page.charts)
            charts.push_back({names::window, chart.name, chart.in(sheet)});
    namespace graphs = graphWindowNames;
    charts.push_back({graphs::bodyPlanWindow, graphs::bodyPlanChart, sheet.bonjean.bodyPlan});
    charts.push_back({graphs::bonjeanWindow, graphs::bonjeanChart, sheet.bonjean.bonjeanCurves});
    charts.push_back({graphs::bonjeanWindow, graphs::bonjeanMomentChart, sheet.bonjean.bonjeanMomentCurves});
    charts.push_back({graphs::sectionalAreaWindow, graphs::sectionalAreaChart, sheet.bonjean.sectionalAreaCurves});
    charts.push_back({graphs::staticMomentWindow, graphs::staticMomentChart, sheet.bonjean.staticMomentCurves});
    charts.push_back({graphs::resultsWindow, graphs::resultsCharts[0], sheet.results.loadChart});
    charts.push_back({graphs::resultsWindow, graphs::resultsCharts[1], sheet.results.shearForceChart});
    charts.push_back({graphs::resultsWindow, graphs::resultsCharts[2], sheet.results.bendingMomentChart});
    return charts;
}

std::optional<int> pageShowing(const TrimSheet& sheet, const TextGrid& grid)
{
    const std::vector<TrimWindowPage>& pages = trimWindowPages();
    for (std::size_t page = 0; page < pages.size(); ++page)
        for (const PageGrid& pageGrid : pages[page].grids)
            if (&pageGrid.in(sheet) == &grid)
                return static_cast<int>(page);
    return std::nullopt;
}

}  // namespace hullcalc
