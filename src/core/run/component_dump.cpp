// The dump keeps the windows' own order of components (ordered_json), the
// names from the windows' names tables.
#include "run/component_dump.h"

#include "presentation/main_window_names.h"
#include "presentation/trim_window_names.h"
#include "presentation/vibration_window_names.h"
#include "run/step_sheets.h"
#include "trim/curves_of_form.h"

#include <nlohmann/json.hpp>

#include <string_view>

namespace hullcalc {

namespace {

using Json = nlohmann::ordered_json;

// A grid is its rows, each row all its cell texts, headers included.
Json gridJson(const TextGrid& grid)
{
    Json rows = Json::array();
    for (int row = 0; row < grid.rowCount(); ++row) {
        Json cells = Json::array();
        for (int column = 0; column < grid.columnCount(); ++column)
            cells.push_back(grid.cell(column, row));
        rows.push_back(std::move(cells));
    }
    return rows;
}

Json chartJson(const ChartModel& chart)
{
    Json all = Json::array();
    for (const ChartSeries& series : chart.series) {
        Json points = Json::array();
        for (const ChartPoint& point : series.points()) {
            Json entry = {point.x, point.y};
            if (!point.label.empty())
                entry.push_back(point.label);
            points.push_back(std::move(entry));
        }
        all.push_back({{"title", series.title()}, {"points", std::move(points)}});
    }
    return all;
}

void addChartsOf(Json& window, const TrimSheet& sheet, std::string_view name)
{
    for (const NamedChart& named : trimCharts(sheet))
        if (named.window == name)
            window[std::string(named.name)] = chartJson(named.chart);
}

// A page showing a step's sheet: why it is empty, or its figures; then its
// tables, which keep their captions when it is empty, and its charts.
void addStepSheet(Json& window, const StepSheet& sheet)
{
    window[std::string(sheet.statusName)] = sheet.absence;
    Json figures = Json::object();
    for (const SheetFigure& figure : sheet.figures)
        figures[figure.caption] = figure.value;
    window[std::string(sheet.figuresName)] = std::move(figures);
    for (const SheetGrid& grid : sheet.grids)
        window[std::string(grid.name)] = gridJson(grid.grid);
    for (const SheetChart& chart : sheet.charts)
        window[std::string(chart.name)] = chartJson(chart.chart);
}

// Entries 1..count of a kept array, as the grids number them.
template<typename Values>
Json fromOne(const Values& values, int count)
{
    Json entries = Json::array();
    for (int i = 1; i <= count; ++i)
        entries.push_back(values[static_cast<std::size_t>(i)]);
    return entries;
}

// What the last trim run leaves for the vibration calculation, as numbers.
Json keptJson(const TrimSheet& sheet)
{
    const WaterlineIteration& waterline = sheet.iteration;
    return {
        {"Tn", waterline.forwardDraft},
        {"Tk", waterline.aftDraft},
        {"TrimSlope", waterline.trimSlope},
        {"TFrame", fromOne(waterline.frameDraft, frameCount)},
        {"z", fromOne(sheet.bonjean.waterlineHeights, waterlineCount + 1)},
        {"L", sheet.hydrostatics.length},
        {"dL", sheet.hydrostatics.frameSpacing},
        {"approximations", waterline.approximations},
    };
}

}  // namespace

std::string componentDump(const ShipRun& run)
{
    const TrimSheet& sheet = run.trim.sheet;
    const ShipParticulars& particulars = run.ship.particulars;
    Json dump = Json::object();
    dump["error"] = run.failure ? Json(run.failure->message) : Json(nullptr);

    // The main window; its edits are named by the particulars' keys.
    Json& main = dump[std::string(mainWindowNames::window)] = Json::object();
    for (const ParticularField& field : particularFields)
        main[std::string(field.key)] = particulars.*field.text;
    main[std::string(mainWindowNames::waterDensity)] = waterDensity(particulars.shipType);

    Json& trim = dump[std::string(trimWindowNames::window)] = Json::object();
    for (const NamedGrid& named : trimWindowGrids(sheet))
        trim[std::string(named.name)] = gridJson(named.grid);
    for (std::size_t i = 0; i < summaryLineCount; ++i)
        trim[std::string(trimWindowNames::summaryLabels[i])] = sheet.results.summary[i];
    for (std::size_t i = 0; i < stabilityLines.size(); ++i)
        trim[std::string(trimWindowNames::stabilityLabels[i])] = sheet.stability.*stabilityLines[i].text;
    addChartsOf(trim, sheet, trimWindowNames::window);
    for (const TrimWindowPage& page : trimWindowPages())
        if (page.layout == PageLayout::sheet)
            addStepSheet(trim, stepSheetOf(run, page.sheet));

    namespace graphs = graphWindowNames;
    for (const std::string_view name : {graphs::bodyPlanWindow, graphs::bonjeanWindow, graphs::sectionalAreaWindow,
                                        graphs::staticMomentWindow, graphs::resultsWindow})
        addChartsOf(dump[std::string(name)] = Json::object(), sheet, name);

    if (!run.tones.empty()) {
        namespace names = vibrationWindowNames;
        const VibrationSheet& vibration = run.tones.front().sheet;
        Json& window = dump[std::string(names::window)] = Json::object();
        window[std::string(names::table)] = gridJson(vibration.table);
        for (const names::NamedText& label : names::resultLabels)
            window[std::string(label.name)] = vibration.*label.text;
        window[std::string(names::modeShape)] = chartJson(vibration.modeShape);
    }

    dump["kept"] = keptJson(sheet);
    // Doubles in their shortest text that reads back the same; a text that is
    // no valid UTF-8 gets U+FFFD in place of its bad bytes.
    return dump.dump(-1, ' ', false, Json::error_handler_t::replace) + '\n';
}

}  // namespace hullcalc
