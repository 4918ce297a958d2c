// "Расчет" as a whole: a stopped run leaves nothing of the run before it, says
// which cell or particular stopped it, and particulars that would divide by
// zero are refused before any step.
#include "trim_fixture.h"

#include "trim/trim_calculation.h"

namespace hullcalc {
namespace {

class TrimCalculation : public ExampleShip {
protected:
    TrimCalculation()
    {
        runTrimCalculation(sheet, particulars);
        cleared = sheet;
        clearTrimResults(cleared);
    }

    // The exception the run stops with.
    template<typename Failure>
    Failure failureOfRun()
    {
        try {
            runTrimCalculation(sheet, particulars);
        } catch (const Failure& failure) {
            return failure;
        }
        ADD_FAILURE() << "the run did not stop as expected";
        throw std::logic_error("no failure");
    }

    TrimSheet cleared;  // the good run's sheet with every result emptied
};

// A bad cell after a good run: the steps before it are computed anew, every
// later result is empty, and the error names the table and the cell.
TEST_F(TrimCalculation, BadCellNamesItselfAndLeavesNoStaleResults)
{
    const struct {
        const char* what;
        TextGrid InputTables::*table;
        int column, row;
        const char* text;
    } cases[] = {
        {"offset of frame 4 on waterline 3", &InputTables::offsets, 3, 5, "5,5x"},
        {"mass of spacing 6-7", &InputTables::masses, 1, 7, "22,7412 т"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TrimSheet good = sheet;
        (sheet.input.*c.table).setCell(c.column, c.row, c.text);
        const CellError error = failureOfRun<CellError>();
        EXPECT_EQ(std::string(error.what()), "'" + std::string(c.text) + "' is not a valid floating point value");
        EXPECT_EQ(&error.grid(), &(sheet.input.*c.table));
        EXPECT_EQ(error.column(), c.column);
        EXPECT_EQ(error.row(), c.row);
        EXPECT_FALSE(sheet.complete);
        const TrimTable& results = sheet.results;
        EXPECT_EQ(results.bendingMoment, cleared.results.bendingMoment) << "no moment of the good run";
        EXPECT_EQ(results.summary, cleared.results.summary);
        EXPECT_TRUE(results.shearForceChart == cleared.results.shearForceChart);
        sheet = good;
    }

    // The body plan is drawn up to the bad offset, nothing after it.
    sheet.input.offsets.setCell(3, 5, "5,5x");
    failureOfRun<CellError>();
    EXPECT_EQ(sheet.bonjean.bodyPlan.series[4].points().size(), 2u);
    EXPECT_TRUE(sheet.bonjean.sectionAreas == cleared.bonjean.sectionAreas);
    EXPECT_TRUE(sheet.hydrostatics == cleared.hydrostatics);
}

// L, B, ΔL, ΔT and the design displacement are divided by or integrated with:
// zero, a negative value or no number at all is refused before any step writes
// a result, naming the particular; so is an XG or a z_g that is no number,
// though only the design waterline and the stability read them.
TEST_F(TrimCalculation, ParticularsThatCannotBeUsedAreRefusedFirst)
{
    const struct {
        std::string ShipParticulars::*text;
        const char* value;
        const char* message;
    } cases[] = {
        {&ShipParticulars::frameSpacing, "0", "Значение должно быть больше нуля: «0»"},
        {&ShipParticulars::waterlineSpacing, "0", "Значение должно быть больше нуля: «0»"},
        {&ShipParticulars::length, "-75", "Значение должно быть больше нуля: «-75»"},
        {&ShipParticulars::breadth, "0", "Значение должно быть больше нуля: «0»"},
        {&ShipParticulars::breadth, " ", "' ' is not a valid floating point value"},
        {&ShipParticulars::designDisplacement, "0", "Значение должно быть больше нуля: «0»"},
        {&ShipParticulars::length, "75.0", "'75.0' is not a valid floating point value"},
        {&ShipParticulars::centreOfGravity, "-3.72", "'-3.72' is not a valid floating point value"},
        {&ShipParticulars::verticalCentreOfGravity, "2 м", "'2 м' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        ShipParticulars changed = particulars;
        changed.*c.text = c.value;
        try {
            runTrimCalculation(sheet, changed);
            ADD_FAILURE() << c.value << " accepted";
        } catch (const ParticularError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
            EXPECT_EQ(e.field().text, c.text) << c.message;
        }
        EXPECT_TRUE(sheet == cleared) << c.message;
    }
    // The particulars no calculation divides by may be zero.
    particulars.centreOfGravity = "0";
    particulars.depth = "0";
    EXPECT_NO_THROW(runTrimCalculation(sheet, particulars));
}

}  // namespace
}  // namespace hullcalc
