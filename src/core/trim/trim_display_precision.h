// The precision every cell of the trim sheet's grids is shown with: the
// quantity each column (or, in the approximations log, each cell) holds.
#pragma once

#include "common/display_precision.h"
#include "trim/trim_sheet.h"

namespace hullcalc {

// The precision of cell (column, row) of `grid`, one of the sheet's grids. The
// typed tables, the "%f" results and a grid the sheet does not hold show as
// stored.
DisplayPrecision displayPrecisionOf(const TrimSheet& sheet, const TextGrid& grid, int column, int row);

// The precision of a column of the curves of form by its quantity.
DisplayPrecision displayPrecisionOf(FormQuantity quantity);

}  // namespace hullcalc
