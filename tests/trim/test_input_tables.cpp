// Headers, "Очистка" and "Пример" of the input tables.
#include "trim_fixture.h"

#include "common/number_text.h"

namespace hullcalc {
namespace {

using InputTables = ExampleShip;

TEST_F(InputTables, SetUpWritesTheHeadersOfEveryFrameSizedGrid)
{
    EXPECT_EQ(sheet.input.offsets.rowCount(), 22);
    EXPECT_EQ(sheet.input.offsets.cell(0, 0), "");
    EXPECT_EQ(sheet.input.offsets.cell(1, 0), "1");
    EXPECT_EQ(sheet.input.offsets.cell(10, 0), "10");
    EXPECT_EQ(sheet.input.offsets.cell(0, 1), "0 шп");
    EXPECT_EQ(sheet.input.offsets.cell(0, 21), "20 шп");
    EXPECT_EQ(sheet.input.masses.rowCount(), 21);
    EXPECT_EQ(sheet.input.masses.cell(0, 0), "");
    EXPECT_EQ(sheet.input.masses.cell(1, 0), "");
    EXPECT_EQ(sheet.input.masses.cell(0, 1), "0-1");
    EXPECT_EQ(sheet.input.masses.cell(0, 20), "19-20");
    EXPECT_EQ(sheet.bonjean.sectionAreas.cell(0, 11), "10 шп");
    EXPECT_EQ(sheet.bonjean.sectionMoments.cell(3, 0), "3");
    EXPECT_EQ(sheet.iteration.frameDrafts.cell(0, 0), "Шп");
    EXPECT_EQ(sheet.iteration.frameDrafts.cell(0, 1), "Осадка");
    EXPECT_EQ(sheet.iteration.frameDrafts.cell(21, 0), "21");
    // The results grids have no header row: their labels start in row 0.
    EXPECT_EQ(sheet.results.loads.rowCount(), 20);
    EXPECT_EQ(sheet.results.loads.cell(0, 0), "0-1");
    EXPECT_EQ(sheet.results.loads.cell(0, 19), "19-20");
    EXPECT_EQ(sheet.results.shearForce.cell(0, 0), "0 шп");
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

TEST_F(InputTables, ExampleHoldsTheExactTexts)
{
    EXPECT_EQ(sheet.input.masses.cell(1, 5), "43,5400") << "trailing zeros are part of the text";
    EXPECT_EQ(sheet.input.masses.cell(1, 1), "42,8898");
    EXPECT_EQ(sheet.input.masses.cell(1, 20), "39,7843");
    EXPECT_EQ(sheet.input.offsets.cell(7, 1), "0,15");
    EXPECT_EQ(sheet.input.offsets.cell(1, 19), "4,25");
    EXPECT_EQ(sheet.input.offsets.cell(10, 21), "3,1");
    // The masses add up to the design displacement "886,74" t.
    double total = 0.0;
    for (int row = 1; row <= spacingCount; ++row)
        total += parseNumber(sheet.input.masses.cell(1, row));
    EXPECT_NEAR(total, 886.7447, 1e-9);
    // The largest half-breadth is half the breadth of 11 m.
    double widest = 0.0;
    for (int row = 1; row <= frameCount; ++row)
        for (int column = 1; column <= waterlineCount; ++column)
            widest = std::max(widest, parseNumber(sheet.input.offsets.cell(column, row)));
    EXPECT_EQ(widest, 5.5);
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
