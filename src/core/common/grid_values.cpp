#include "common/grid_values.h"

#include "common/error.h"
#include "common/number_text.h"

namespace hullcalc {

double cellValue(const TextGrid& grid, int column, int row)
{
    try {
        return parseNumber(grid.cell(column, row));
    } catch (const Error& e) {
        throw CellError(e.what(), grid, column, row);
    }
}

double typedCellValue(const TextGrid& grid, int column, int row)
{
    const double value = cellValue(grid, column, row);
    try {
        return requireTypedMagnitude(value, grid.cell(column, row));
    } catch (const Error& e) {
        throw CellError(e.what(), grid, column, row);
    }
}

void requireTypedMagnitudes(const TextGrid& grid)
{
    for (int row = grid.fixedRows(); row < grid.rowCount(); ++row)
        for (int column = grid.fixedColumns(); column < grid.columnCount(); ++column)
            if (numberOrNothing(grid.cell(column, row)))
                typedCellValue(grid, column, row);
}

void setGeneral(TextGrid& grid, int column, int row, double value) { grid.setCell(column, row, formatGeneral(value)); }

void setFixed2(TextGrid& grid, int column, int row, double value) { grid.setCell(column, row, formatF(value)); }

void setFixed84(TextGrid& grid, int column, int row, double value) { grid.setCell(column, row, format84(value)); }

}  // namespace hullcalc
