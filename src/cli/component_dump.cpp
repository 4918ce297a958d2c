#include "cli/component_dump.h"

#include "cli/json_writer.h"
#include "trim/trim_window_names.h"
#include "vibration/vibration_window_names.h"

#include <string_view>

namespace hullcalc {

namespace {

// A grid is its rows, each row all its cell texts, headers included.
void writeGrid(JsonWriter& json, const TextGrid& grid)
{
    json.beginArray();
    for (int row = 0; row < grid.rowCount(); ++row) {
        json.beginArray();
        for (int column = 0; column < grid.columnCount(); ++column)
            json.value(grid.cell(column, row));
        json.endArray();
    }
    json.endArray();
}

void writeChart(JsonWriter& json, const ChartModel& chart)
{
    json.beginArray();
    for (const ChartSeries& series : chart.series) {
        json.beginObject();
        json.key("title");
        json.value(series.title());
        json.key("points");
        json.beginArray();
        for (const ChartPoint& point : series.points()) {
            json.beginArray();
            json.value(point.x);
            json.value(point.y);
            if (!point.label.empty())
                json.value(point.label);
            json.endArray();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

void writeChartsOf(JsonWriter& json, const TrimSheet& sheet, std::string_view window)
{
    for (const NamedChart& named : trimCharts(sheet)) {
        if (named.window != window)
            continue;
        json.key(named.name);
        writeChart(json, named.chart);
    }
}

// What the last trim run leaves for the vibration calculation, as numbers;
// the arrays hold entries 1.. of the kept values, as the grids number them.
void writeKept(JsonWriter& json, const TrimSheet& sheet)
{
    const WaterlineIteration& waterline = sheet.iteration;
    const auto writeFromOne = [&](const auto& values, int count) {
        json.beginArray();
        for (int i = 1; i <= count; ++i)
            json.value(values[static_cast<std::size_t>(i)]);
        json.endArray();
    };
    json.beginObject();
    json.key("Tn");
    json.value(waterline.forwardDraft);
    json.key("Tk");
    json.value(waterline.aftDraft);
    json.key("TrimSlope");
    json.value(waterline.trimSlope);
    json.key("TFrame");
    writeFromOne(waterline.frameDraft, frameCount);
    json.key("z");
    writeFromOne(sheet.bonjean.waterlineHeights, waterlineCount + 1);
    json.key("L");
    json.value(sheet.hydrostatics.length);
    json.key("dL");
    json.value(sheet.hydrostatics.frameSpacing);
    json.key("approximations");
    json.value(waterline.approximations);
    json.endObject();
}

}  // namespace

void writeComponentDump(std::ostream& out, const TrimSheet& sheet, const ShipParticulars& particulars,
                        const VibrationSheet* vibration, const std::optional<std::string>& error)
{
    JsonWriter json(out);
    json.beginObject();
    json.key("error");
    if (error)
        json.value(*error);
    else
        json.null();

    // The main window's object name; its edits are named by the particulars' keys.
    json.key("MainForm");
    json.beginObject();
    for (const ParticularField& field : particularFields) {
        json.key(field.key);
        json.value(particulars.*field.text);
    }
    json.key("WaterDensity");
    json.value(particulars.waterDensity);
    json.endObject();

    json.key(trimWindowNames::window);
    json.beginObject();
    for (const NamedGrid& named : trimWindowGrids(sheet)) {
        json.key(named.name);
        writeGrid(json, named.grid);
    }
    for (std::size_t i = 0; i < summaryLineCount; ++i) {
        json.key(trimWindowNames::summaryLabels[i]);
        json.value(sheet.results.summary[i]);
    }
    for (std::size_t i = 0; i < stabilityLines.size(); ++i) {
        json.key(trimWindowNames::stabilityLabels[i]);
        json.value(sheet.stability.*stabilityLines[i].text);
    }
    writeChartsOf(json, sheet, trimWindowNames::window);
    json.endObject();

    namespace graphs = graphWindowNames;
    for (const std::string_view window : {graphs::bodyPlanWindow, graphs::bonjeanWindow, graphs::sectionalAreaWindow,
                                          graphs::staticMomentWindow, graphs::resultsWindow}) {
        json.key(window);
        json.beginObject();
        writeChartsOf(json, sheet, window);
        json.endObject();
    }

    if (vibration) {
        namespace names = vibrationWindowNames;
        json.key(names::window);
        json.beginObject();
        json.key(names::table);
        writeGrid(json, vibration->table);
        for (const names::NamedText& label : names::resultLabels) {
            json.key(label.name);
            json.value(vibration->*label.text);
        }
        json.key(names::modeShape);
        writeChart(json, vibration->modeShape);
        json.endObject();
    }

    json.key("kept");
    writeKept(json, sheet);
    json.endObject();
}

}  // namespace hullcalc
