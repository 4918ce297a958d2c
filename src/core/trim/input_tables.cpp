#include "trim/input_tables.h"

#include <array>
#include <string>

namespace hullcalc {

namespace {

// Half-breadths (m) of the example ship, frame 0 to frame 20, waterline 1 to 10.
using OffsetRow = std::array<const char*, waterlineCount>;
constexpr OffsetRow midbody = {"5,5", "5,5", "5,5", "5,5", "5,5", "5,5", "5,5", "5,5", "5,5", "5,5"};
constexpr std::array<OffsetRow, frameCount> exampleOffsets = {{
    {"0", "0", "0", "0", "0", "0", "0,15", "0,275", "0,45", "0,7"},
    {"0,4", "0,95", "1,35", "1,625", "1,925", "2,2", "2,5", "2,85", "3,15", "3,5"},
    {"2,25", "2,875", "3,25", "3,525", "3,85", "4,125", "4,45", "4,7", "4,9", "5,075"},
    {"4,875", "5,125", "5,2", "5,25", "5,3", "5,3", "5,35", "5,4", "5,5", "5,5"},
    {"5,35", "5,5", "5,5", "5,5", "5,5", "5,5", "5,5", "5,5", "5,5", "5,5"},
    midbody,
    midbody,
    midbody,
    midbody,
    midbody,
    midbody,
    midbody,
    midbody,
    midbody,
    midbody,
    midbody,
    midbody,
    {"5,15", "5,4", "5,5", "5,5", "5,5", "5,5", "5,5", "5,5", "5,5", "5,5"},
    {"4,25", "4,925", "5,2", "5,3", "5,375", "5,45", "5,45", "5,5", "5,5", "5,5"},
    {"2,15", "3,6", "4,2", "4,6", "4,85", "5,05", "5,2", "5,3", "5,4", "5,5"},
    {"0", "0", "0", "0", "0", "0", "0,75", "1,6", "2,4", "3,1"},
}};

// Masses (t) of spacings 0-1 to 19-20; they add up to 886,7447 t.
constexpr std::array<const char*, spacingCount> exampleMasses = {
    "42,8898", "49,7843", "40,5088", "42,0244", "43,5400", "45,0556", "22,7412", "22,7412", "22,7412", "22,7412",
    "22,7412", "46,5712", "46,5712", "42,7412", "53,4520", "69,4246", "78,9903", "69,0343", "62,6667", "39,7843"};

}  // namespace

void writeFrameTableHeaders(TextGrid& grid)
{
    grid.setRowCount(frameCount + 1);
    for (int column = 1; column <= waterlineCount; ++column)
        grid.setCell(column, 0, std::to_string(column));
    for (int row = 1; row <= frameCount; ++row)
        grid.setCell(0, row, frameLabel(row - 1));
}

void writeInputHeaders(InputTables& input)
{
    writeFrameTableHeaders(input.offsets);
    input.masses.setRowCount(frameCount);
    for (int row = 1; row <= spacingCount; ++row)
        input.masses.setCell(0, row, spacingLabel(row - 1));
}

void clearInputTables(InputTables& input)
{
    for (int row = 1; row <= frameCount; ++row)
        for (int column = 1; column <= waterlineCount; ++column)
            input.offsets.setCell(column, row, {});
    for (int row = 1; row <= spacingCount; ++row)
        input.masses.setCell(1, row, {});
}

void fillExampleShip(InputTables& input)
{
    for (int row = 1; row <= frameCount; ++row)
        for (int column = 1; column <= waterlineCount; ++column)
            input.offsets.setCell(column, row, exampleOffsets[row - 1][column - 1]);
    for (int row = 1; row <= spacingCount; ++row)
        input.masses.setCell(1, row, exampleMasses[row - 1]);
}

}  // namespace hullcalc
