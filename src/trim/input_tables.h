// The input tables of the trim window - offsets of the lines drawing and masses
// per spacing - their headers, clearing, and the built-in example ship.
#pragma once

#include "trim/trim_sheet.h"

namespace hullcalc {

// Writes the header cells of every grid sized by the frame count (offsets,
// masses, Bonjean tables, design drafts, results). Never touches a data cell,
// so running it again keeps what the user typed and what was computed.
void setUpGrids(TrimSheet& sheet);

// "Очистка": empties every data cell of the two input tables.
void clearInputTables(TrimSheet& sheet);

// "Пример": fills the two input tables with the example ship (75 m long in 20
// spacings of 3,75 m, 11 m broad, waterlines 0,39 m apart, 886,7447 t).
void fillExampleShip(TrimSheet& sheet);

}  // namespace hullcalc
