// Headers, "Очистка" and "Пример" of the input tables. The headers and the
// example ship's texts themselves are pinned by the worked values of the
// calculation tests, the data files' bytes (test_data_files.cpp) and the dump.
#include "trim_fixture.h"

namespace hullcalc {
namespace {

using InputTables = ExampleShip;

TEST_F(InputTables, SetUpAgainKeepsTypedDataAndResults)
{
    sheet.input.offsets.setCell(4, 7, "4,44");
    sheet.bonjean.sectionAreas.setCell(2, 2, "result");
    writeHeaders(sheet);
    EXPECT_EQ(sheet.input.offsets.cell(4, 7), "4,44");
    EXPECT_EQ(sheet.bonjean.sectionAreas.cell(2, 2), "result");
    EXPECT_EQ(sheet.input.masses.cell(1, 5), "43,5400");
}

TEST_F(InputTables, ClearEmptiesOnlyTheDataCellsAndExampleRestoresThem)
{
    sheet.bonjean.sectionAreas.setCell(5, 5, "17,16");
    clearInputTables(sheet.input);
    for (int row = 1; row <= frameCount; ++row)
        for (int column = 1; column <= waterlineCount; ++column)
            ASSERT_EQ(sheet.input.offsets.cell(column, row), "");
    EXPECT_EQ(sheet.input.masses.cell(1, 20), "");
    EXPECT_EQ(sheet.input.offsets.cell(0, 3), "2 шп");
    EXPECT_EQ(sheet.input.masses.cell(0, 3), "2-3");
    EXPECT_EQ(sheet.bonjean.sectionAreas.cell(5, 5), "17,16");

    sheet.input.offsets.setCell(2, 2, "typed");
    fillExampleShip(sheet.input);
    EXPECT_EQ(sheet.input.offsets.cell(2, 2), "0,95");
    EXPECT_EQ(sheet.input.masses.cell(1, 20), "39,7843");
}

}  // namespace
}  // namespace hullcalc
