#include "step_sheet_view.h"

#include "calculation_result.h"
#include "python_values.h"

#include "common/number_text.h"
#include "run/step_sheets.h"

#include <pybind11/stl.h>

#include <algorithm>
#include <optional>

namespace py = pybind11;
using namespace pybind11::literals;

namespace hullcalc::python {

namespace {

// A column under its header: numbers as a float array (NaN where empty), or
// the texts where a cell is no number (the row labels, the verdicts).
py::object columnOf(const TextGrid& grid, int column)
{
    nlohmann::json numbers = nlohmann::json::array();
    py::list texts;
    bool numeric = true;
    for (int row = grid.fixedRows(); row < grid.rowCount(); ++row) {
        const std::string& text = grid.cell(column, row);
        const std::optional<double> value = numberOrNothing(text);
        numeric = numeric && (value || text.empty());
        numbers.push_back(value ? nlohmann::json(*value) : nlohmann::json(nullptr));
        texts.append(text);
    }
    return numeric ? py::object(numberArray(numbers)) : py::object(texts);
}

py::dict columnsOf(const TextGrid& grid)
{
    py::dict columns;
    for (int column = 0; column < grid.columnCount(); ++column)
        columns[py::str(grid.cell(column, 0))] = columnOf(grid, column);
    return columns;
}

const SheetGrid& gridNamed(const StepSheetView& view, const std::string& name)
{
    const auto grid = std::ranges::find(view.sheet.grids, name, &SheetGrid::name);
    if (grid == view.sheet.grids.end())
        throw py::key_error("no table " + name + " in the sheet " + view.key);
    return *grid;
}

StepSheetView viewOf(const CalculationResult& result, const std::string& key)
{
    const std::vector<SheetStep>& steps = sheetSteps();
    if (std::ranges::find(steps, key, &SheetStep::key) == steps.end())
        throw py::key_error("no step with a sheet named " + key);
    return {key, result.sheet(key)};
}

}  // namespace

void defineStepSheets(py::module_& m)
{
    py::class_<StepSheetView>(m, "Sheet", R"(What a calculation step shows on its own page of the trim window, as texts
read back: the figures, each table by its name with its columns, each chart
by its name; or, when the step was not computed, why (absence).)")
        .def_property_readonly(
            "key", [](const StepSheetView& view) { return view.key; }, "The step's key, as Result.sheet takes it.")
        .def_property_readonly(
            "computed", [](const StepSheetView& view) { return view.sheet.computed(); },
            "Whether the run holds the step's results.")
        .def_property_readonly(
            "absence", [](const StepSheetView& view) { return view.sheet.absence; },
            "Why the step was not computed (Russian), or an empty text.")
        .def_property_readonly(
            "note", [](const StepSheetView& view) { return view.sheet.note; },
            "What the step's model leaves out (Russian), or an empty text.")
        .def_property_readonly(
            "figures",
            [](const StepSheetView& view) {
                py::dict figures;
                for (const SheetFigure& figure : view.sheet.figures)
                    figures[py::str(figure.caption)] = figure.value;
                return figures;
            },
            "The figures as the page shows them: a dict from the caption to the text of its value.")
        .def_property_readonly(
            "grids",
            [](const StepSheetView& view) {
                py::dict grids;
                for (const SheetGrid& grid : view.sheet.grids)
                    grids[py::str(std::string(grid.name))] = columnsOf(grid.grid);
                return grids;
            },
            "Each table by its name: a dict from the column's header to its rows, a float array (NaN where "
            "empty) or, for a column of texts, a list of str.")
        .def_property_readonly(
            "titles",
            [](const StepSheetView& view) {
                py::dict titles;
                for (const SheetGrid& grid : view.sheet.grids)
                    titles[py::str(std::string(grid.name))] = grid.title;
                return titles;
            },
            "Each table's title, as the report prints it above the table.")
        .def_property_readonly(
            "workbook_sheets",
            [](const StepSheetView& view) {
                py::dict sheets;
                for (const SheetGrid& grid : view.sheet.grids)
                    sheets[py::str(std::string(grid.name))] = std::string(grid.workbookSheet);
                return sheets;
            },
            "The workbook sheet that holds each table (when the step was computed).")
        .def_property_readonly(
            "charts",
            [](const StepSheetView& view) {
                py::dict charts;
                for (const SheetChart& chart : view.sheet.charts) {
                    py::dict series;
                    for (const ChartSeries& s : chart.chart.series) {
                        nlohmann::json x = nlohmann::json::array();
                        nlohmann::json y = nlohmann::json::array();
                        for (const ChartPoint& point : s.points()) {
                            x.push_back(point.x);
                            y.push_back(point.y);
                        }
                        series[py::str(s.title())] = py::make_tuple(numberArray(x), numberArray(y));
                    }
                    charts[py::str(std::string(chart.name))] = series;
                }
                return charts;
            },
            "Each chart by its name: a dict from the series' title to its points as (x, y) float arrays.")
        .def(
            "columns",
            [](const StepSheetView& view, const std::string& name) { return columnsOf(gridNamed(view, name).grid); },
            "name"_a, "One table's columns, as grids[name]; KeyError for a name the sheet has not.")
        .def("__repr__", [](const StepSheetView& view) {
            return "<hullcalc.Sheet " + view.key + (view.sheet.computed() ? ", computed" : ", not computed") + ">";
        });

    py::object result = m.attr("Result");
    result.attr("sheet") = py::cpp_function(&viewOf, py::is_method(result), "key"_a,
                                            "The sheet of step `key` (one of hullcalc.sheet_keys()), a Sheet; "
                                            "KeyError for another key.");
    m.def(
        "sheet_keys",
        [] {
            std::vector<std::string> keys;
            for (const SheetStep& step : sheetSteps())
                keys.emplace_back(step.key);
            return keys;
        },
        "The keys of the steps whose results are a Sheet (Result.sheet), in the order of their pages.");
    // A step without an attribute of its own is read as its sheet.
    const py::object property = py::module_::import("builtins").attr("property");
    for (const SheetStep& step : sheetSteps()) {
        const std::string key(step.key);
        if (py::hasattr(result, key.c_str()))
            continue;
        const auto getter = [key](const CalculationResult& calculation) -> py::object {
            StepSheetView view = viewOf(calculation, key);
            return view.sheet.computed() ? py::cast(std::move(view)) : py::none();
        };
        result.attr(key.c_str()) = property(py::cpp_function(getter), py::none(), py::none(),
                                            "The sheet of this step (a Sheet), or None when it was not computed.");
    }
}

}  // namespace hullcalc::python
