// The input tables of the trim calculation - offsets of the lines drawing and
// masses per spacing - their headers, clearing, and the built-in example ship.
#pragma once

#include "common/hull_frames.h"
#include "common/text_grid.h"

namespace hullcalc {

struct InputTables {
    // Half-breadths, m: waterline j (1..10) across, frame row r (1..21, frame
    // r − 1) down.
    TextGrid offsets{waterlineCount + 1, frameCount + 1};
    // Masses, t: spacing row i (1..20, from frame i − 1 to frame i) in column 1.
    TextGrid masses{2, frameCount};

    bool operator==(const InputTables&) const = default;
};

// Headers "1".."10" across and "0 шп".."20 шп" down a frame-by-waterline table.
// Never touches a data cell.
void writeFrameTableHeaders(TextGrid& grid);

// The headers of both input tables; the data cells keep what they hold.
void writeInputHeaders(InputTables& input);

// "Очистка": empties every data cell of the two input tables.
void clearInputTables(InputTables& input);

// "Пример": fills the two input tables with the example ship (75 m long in 20
// spacings of 3,75 m, 11 m broad, waterlines 0,39 m apart, 886,7447 t).
void fillExampleShip(InputTables& input);

}  // namespace hullcalc
