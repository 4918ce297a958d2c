// The pages of the trim window, each described once: its caption, the grids
// and charts it shows with their component names, where the report prints it,
// the workbook sheets that hold it and where the result JSON keeps it. The
// window's page list, the report, the workbook and the component dump are all
// made from this table, so a new step with its own page is one entry here.
#pragma once

#include "presentation/strength_page_names.h"
#include "trim/trim_sheet.h"

#include <optional>
#include <string_view>
#include <vector>

namespace hullcalc {

// The headings of the report's sections about the trim calculation (the
// report numbers them) and the names of the workbook's sheets, as the pages
// name them.
namespace reportSection {
inline constexpr std::string_view input = "Исходные данные";
inline constexpr std::string_view bonjean = "Масштаб Бонжана";
inline constexpr std::string_view hydrostatics = "Кривые элементов теоретического чертежа";
inline constexpr std::string_view waterline = "Посадка судна на тихой воде";
inline constexpr std::string_view trimTable = "Таблица удифферентовки";
inline constexpr std::string_view strength = "Нагрузка, перерезывающая сила и изгибающий момент";
inline constexpr std::string_view summary = "Результаты удифферентовки";
inline constexpr std::string_view wave = "Общая прочность: судно на волне";
inline constexpr std::string_view largeAngleStability = "Остойчивость на больших углах";
}  // namespace reportSection

namespace workbookSheet {
inline constexpr std::string_view offsets = "Ординаты";
inline constexpr std::string_view masses = "Массы";
inline constexpr std::string_view sectionAreas = "Площади Бонжана";
inline constexpr std::string_view sectionMoments = "Статические моменты";
inline constexpr std::string_view hydrostatics = "Кривые элементов";
inline constexpr std::string_view approximations = "Приближения";
inline constexpr std::string_view designWaterline = "Расчетная ватерлиния";
inline constexpr std::string_view trimTable = "Таблица удифферентовки";
inline constexpr std::string_view loads = "Нагрузка";
inline constexpr std::string_view shearForce = "Перерезывающая сила";
inline constexpr std::string_view bendingMoment = "Изгибающий момент";
inline constexpr std::string_view curvesOfForm = "Метацентры и коэффициенты";
inline constexpr std::string_view wave = "Судно на волне";
inline constexpr std::string_view hogging = "Перегиб";
inline constexpr std::string_view sagging = "Прогиб";
inline constexpr std::string_view girder = strengthPageNames::girderCaption;
}  // namespace workbookSheet

// How a page lays its contents out.
enum class PageLayout {
    input,    // the typed tables under the buttons that fill, clear and calculate them
    table,    // a table under the line that says what it holds
    chart,    // a table of one row over its chart
    charts,   // a table over its note and its charts, two abreast
    results,  // loads, shear force and bending moment beside the summary
    wave,     // the ship on a wave: its own widget over the strength sheet, built by the window
    // a step's sheet drawn from the run (figures, tables, charts), or why the run holds none
    sheet,
};

// Where the report and the workbook put a page's sections and sheets: with
// the still-water calculation, before the remarks, or after the vibration
// (the ship on a wave, printed only when it was calculated).
enum class ReportPart {
    stillWater,
    afterVibration,
};

// How a page's chart draws its series.
enum class PageChartStyle {
    curveOfForm,          // a value against the draft
    markedCurveOfForm,    // ... with a mark at every waterline
    labelledCurveOfForm,  // ... with every value written beside its point
    alongFrames,          // a value at each frame 0..20, marked
    draftsAlongFrames,    // drafts at the frames, from the base line up
    titledCurves,         // values against the draft under the chart's title, marked
};

struct PageGrid {
    std::string_view name;  // object name and dump key
    TextGrid& (*of)(TrimSheet&);
    int columnWidth;           // pixels
    std::string_view jsonKey;  // JSON Pointer to the grid's values in the result JSON

    TextGrid& in(TrimSheet& sheet) const { return of(sheet); }
    // The accessor hands the grid out for writing; here it is only read.
    const TextGrid& in(const TrimSheet& sheet) const { return of(const_cast<TrimSheet&>(sheet)); }
};

struct PageChart {
    std::string_view name;  // object name and dump key
    ChartModel& (*of)(TrimSheet&);
    PageChartStyle style;
    std::string_view xTitle;  // the quantity and unit along each axis
    std::string_view yTitle;
    bool legend = false;  // the series named beside the chart

    ChartModel& in(TrimSheet& sheet) const { return of(sheet); }
    const ChartModel& in(const TrimSheet& sheet) const { return of(const_cast<TrimSheet&>(sheet)); }
};

struct TrimWindowPage {
    std::string_view caption;
    std::string_view objectName;  // empty for a page no test or tool looks up
    PageLayout layout;
    bool intermediate;             // shown only when the user asks for the intermediate values
    std::string_view description;  // the line above the table: what it holds, in which unit
    std::vector<PageGrid> grids;
    std::vector<PageChart> charts;
    std::vector<std::string_view> buttons;  // object names of the page's buttons, left to right
    // The headings of the report sections that print what the page holds
    // (numbered by the report), and the workbook sheets that hold it: pages
    // sharing one are printed together.
    std::vector<std::string_view> reportSections;
    std::vector<std::string_view> workbookSheets;
    std::string_view note = {};  // the line below the table, or empty
    ReportPart reportPart = ReportPart::stillWater;
    // For a page laid out as a sheet: the step's key (sheetKey of the names
    // table), whose sheet the run makes; its grids name their workbook sheets.
    std::string_view sheet = {};
    std::string_view helpTopic = "pages";  // the part of the help about the page
};

// The pages in their order: the input first, the intermediate results (hidden
// at start), the results and the curves of form.
const std::vector<TrimWindowPage>& trimWindowPages();

inline constexpr int inputPageIndex = 0;
int resultsPageIndex();
int wavePageIndex();
// The index of the page showing the sheet of step `key`, or -1.
int sheetPageIndex(std::string_view key);

// The report's section headings of one part in the order the pages give
// them, and the workbook's sheet names in the order of those sections and,
// within one, of the pages; each once. The sheets of a step's sheet are its
// grids': see sheetPageOf.
std::vector<std::string_view> trimReportSections(ReportPart part = ReportPart::stillWater);
std::vector<std::string_view> trimWorkbookSheets(ReportPart part = ReportPart::stillWater);
std::vector<std::string_view> workbookSheetsOf(std::string_view section);

// The page laid out as a step's sheet that prints section `section`, or null.
const TrimWindowPage* sheetPageOf(std::string_view section);

// The index of the page laid out as `layout` (the first of them).
int pageIndex(PageLayout layout);

struct NamedGrid {
    std::string_view name;
    const TextGrid& grid;
};

// Every grid of the trim window by its component name, in the order of its pages.
std::vector<NamedGrid> trimWindowGrids(const TrimSheet& sheet);

struct NamedChart {
    std::string_view window;  // the window that shows it
    std::string_view name;
    const ChartModel& chart;
};

// Every chart of the trim window, then of its graph windows, by component name.
std::vector<NamedChart> trimCharts(const TrimSheet& sheet);

// The page of the trim window that shows `grid`, or nullopt for a grid it does not show.
std::optional<int> pageShowing(const TrimSheet& sheet, const TextGrid& grid);

}  // namespace hullcalc
