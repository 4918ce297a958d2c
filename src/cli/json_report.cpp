#include "cli/json_report.h"

#include "cli/json_writer.h"

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

void writeChartsOf(JsonWriter& json, TrimSheet& sheet, std::string_view window)
{
    for (const TrimSheet::NamedChart& named : sheet.charts()) {
        if (named.window != window)
            continue;
        json.key(named.name);
        writeChart(json, *named.chart);
    }
}

// What the last trim run leaves for the vibration calculation, as numbers;
// the arrays hold entries 1.. of the kept values, as the grids number them.
void writeKept(JsonWriter& json, const KeptValues& kept)
{
    const auto writeFromOne = [&](const auto& values, int count) {
        json.beginArray();
        for (int i = 1; i <= count; ++i)
            json.value(values[static_cast<std::size_t>(i)]);
        json.endArray();
    };
    json.beginObject();
    json.key("Tn");
    json.value(kept.Tn);
    json.key("Tk");
    json.value(kept.Tk);
    json.key("TrimSlope");
    json.value(kept.TrimSlope);
    json.key("TFrame");
    writeFromOne(kept.TFrame, frameCount);
    json.key("z");
    writeFromOne(kept.z, waterlineCount + 1);
    json.key("L");
    json.value(kept.L);
    json.key("dL");
    json.value(kept.dL);
    json.key("approximations");
    json.value(kept.approximations);
    json.endObject();
}

}  // namespace

void writeJsonReport(std::ostream& out, TrimSheet& sheet, const ShipParticulars& particulars,
                     const VibrationSheet* vibration, const std::optional<std::string>& error)
{
    JsonWriter json(out);
    json.beginObject();
    json.key("error");
    if (error)
        json.value(*error);
    else
        json.null();

    json.key("MainForm");
    json.beginObject();
    for (const std::string_view name : ShipParticulars::names) {
        json.key(name);
        json.value(*particulars.text(name));
    }
    json.key("WaterDensity");
    json.value(particulars.WaterDensity);
    json.endObject();

    json.key("UdifForm");
    json.beginObject();
    for (const TrimSheet::NamedGrid& named : sheet.grids()) {
        json.key(named.name);
        writeGrid(json, *named.grid);
    }
    for (std::size_t i = 0; i < summaryLines.size(); ++i) {
        json.key(summaryLines[i].label);
        json.value(sheet.summary[i]);
    }
    writeChartsOf(json, sheet, "UdifForm");
    json.endObject();

    for (const std::string_view window :
         {"OrdinatGraphForm", "MBGraphForm", "SSpGraphForm", "StatMomGraphForm", "ResGraphForm"}) {
        json.key(window);
        json.beginObject();
        writeChartsOf(json, sheet, window);
        json.endObject();
    }

    if (vibration) {
        json.key("VibrForm");
        json.beginObject();
        json.key("Vibr1Grid");
        writeGrid(json, vibration->Vibr1Grid);
        const std::pair<const char*, const std::string&> labels[] = {{"Label4", vibration->Label4},
                                                                     {"Label5", vibration->Label5},
                                                                     {"Label6", vibration->Label6},
                                                                     {"Label7", vibration->Label7},
                                                                     {"Label8", vibration->Label8}};
        for (const auto& [name, text] : labels) {
            json.key(name);
            json.value(text);
        }
        json.key("Chart1");
        writeChart(json, vibration->Chart1);
        json.endObject();
    }

    json.key("kept");
    writeKept(json, sheet.kept);
    json.endObject();
}

}  // namespace hullcalc
