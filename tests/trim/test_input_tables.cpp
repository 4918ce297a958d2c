// Headers, "Очистка" and "Пример" of the input tables. The example ship's
// texts themselves are pinned by the worked values of the calculation tests
// and the input file's bytes (test_data_files.cpp).
#include "trim_fixture.h"

namespace hullcalc {
namespace {

using InputTables = ExampleShip;

// The grids with a header row have their labels from row 1; the results grids
// have none, their labels start in row 0. The input and results grids' labels
// are also pinned by the data files' bytes and hullcalc-cli's dump.
TEST_F(InputTables, SetUpWritesTheHeadersOfEveryFrameSizedGrid)
{
    EXPECT_EQ(sheet.input.offsets.rowCount(), 22);
    EXPECT_EQ(sheet.input.offsets.cell(0, 21), "20 шп");
    EXPECT_EQ(sheet.input.masses.rowCount(), 21);
    EXPECT_EQ(sheet.input.masses.cell(1, 0), "");
    EXPECT_EQ(sheet.input.masses.cell(0, 20), "19-20");
    EXPECT_EQ(sheet.bonjean.sectionAreas.cell(0, 11), "10 шп");
    EXPECT_EQ(sheet.bonjean.sectionMoments.cell(3, 0), "3");
    EXPECT_EQ(sheet.iteration.frameDrafts.cell(0, 0), "Шп");
    EXPECT_EQ(sheet.iteration.frameDrafts.cell(0, 1), "Осадка");
    EXPECT_EQ(sheet.iteration.frameDrafts.cell(21, 0), "21");
    EXPECT_EQ(sheet.results.loads.rowCount(), 20);
    EXPECT_EQ(sheet.results.loads.cell(0, 0), "0-1");
    EXPECT_EQ(sheet.results.bendingMoment.cell(0, 20), "20 шп");
}

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
