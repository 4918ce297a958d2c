// Reading and writing numbers in grid cells. Every value a calculation stores
// goes through its text, so the next step reads the rounded value back.
#pragma once

#include "common/text_grid.h"

namespace hullcalc {

// The cell's text converted to a number (decimal comma; blanks skipped). A text
// that is not a number throws CellError naming the cell.
double cellValue(const TextGrid& grid, int column, int row);

// cellValue of a cell the user typed, with CellError naming the cell for a
// magnitude beyond largestTypedMagnitude.
double typedCellValue(const TextGrid& grid, int column, int row);

// Every number in the grid's data cells within largestTypedMagnitude, or
// CellError for the first beyond it (row by row). A text that is no number is
// left to the reading, which names it.
void requireTypedMagnitudes(const TextGrid& grid);

// The cell receives the general text of the value (15 significant digits).
void setGeneral(TextGrid& grid, int column, int row, double value);

// The cell receives the "%f" text (two decimals).
void setFixed2(TextGrid& grid, int column, int row, double value);

// The cell receives the "%8.4f" text (four decimals, eight characters).
void setFixed84(TextGrid& grid, int column, int row, double value);

}  // namespace hullcalc
