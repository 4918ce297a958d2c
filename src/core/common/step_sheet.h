// What a calculation step with a page of its own shows of a run, as texts and
// chart models: its figures, its named tables and charts, or why the run
// holds none of them. The window's page, the report's section, the workbook's
// sheets, the component dump and Python's access are all drawn from one such
// sheet, so a new step describes its outputs once.
#pragma once

#include "common/chart_model.h"
#include "common/text_grid.h"

#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {

// One figure of the step: «Наибольшее плечо GZ, м» with its value as text.
struct SheetFigure {
    std::string caption;
    std::string value;
};

struct SheetGrid {
    std::string_view name;           // object name and dump key
    TextGrid grid;                   // its captions in the header row even when not computed
    std::string caption;             // the bold line above it on the page
    std::string title;               // above it in the report and the workbook
    std::string note;                // under the title there: what the symbols mean, or empty
    bool noteOnPage = false;         // the note also under the table on the page
    int columnWidth = 72;            // pixels
    std::string_view jsonPointer;    // where the result JSON holds its values
    std::string_view workbookSheet;  // the workbook sheet of its own
    bool withFigures = false;        // on top with the figures; else under the charts, each followed by its own charts
};

struct SheetChart {
    std::string_view name;  // object name and dump key
    ChartModel chart;
    std::string xTitle;  // the quantity and unit along each axis
    std::string yTitle;
    bool legend = false;         // the series named beside the chart
    std::string caption;         // above it in the report
    int pageHeight = 300;        // least height on the page, pixels
    double reportHeight = 200;   // points
    bool markedOnPaper = false;  // each point marked in the report
    std::string_view underGrid;  // the grid it follows, or empty for the charts after the figures
};

struct StepSheet {
    // Why the run holds no results of the step, as the page and the report say
    // it; empty when it completed.
    std::string absence;
    std::string note;                  // what the model leaves out, said beside the results
    std::string_view statusName;       // object name and dump key of the absence
    std::string_view figuresName;      // object name and dump key of the figures
    std::vector<SheetFigure> figures;  // none when not computed
    std::vector<SheetGrid> grids;
    std::vector<SheetChart> charts;

    bool computed() const { return absence.empty(); }
};

}  // namespace hullcalc
