// One table as the printed report and the Excel workbook both lay it out: a
// title with its unit, the column captions and the rows of cell texts exactly
// as the sheet holds them.
#pragma once

#include "common/display_precision.h"
#include "common/text_grid.h"

#include <string>
#include <vector>

namespace hullcalc {

struct ReportTable {
    std::string title;
    std::string note;  // what the symbols of the captions mean, or empty
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;  // each as long as the header
    // The leading columns name the row (a frame, a spacing, a waterline): they
    // stay text in the workbook and are repeated when a table too wide for the
    // page is printed in parts.
    int labelColumns = 1;
    // The numbers are written with a chosen count of decimals (the "%f" and
    // "%8.4f" results, the typed inputs): the workbook shows each with as many
    // decimals as its text. Otherwise they are the 15-digit general texts and
    // the workbook uses its general format.
    bool fixedDecimals = false;
    // The precision each column is shown with; columns beyond the list, the
    // labels and the typed inputs show as stored.
    std::vector<DisplayPrecision> precision;
};

// The table as the reader sees it: each number rounded by its column's
// precision, or with every stored digit when `fullPrecision`.
ReportTable shownTable(const ReportTable& table, bool fullPrecision);

// A grid as it stands: its header row (or the column numbers when it has
// none) over its rows, its header columns as the labels. `fixedDecimals` for
// the texts written with a chosen count of decimals.
ReportTable gridTable(std::string title, const TextGrid& grid, std::string note = {}, bool fixedDecimals = false);

// Whether any cell right of the labels holds a text: a step that has not run
// leaves its table empty.
bool hasValues(const ReportTable& table);

}  // namespace hullcalc
