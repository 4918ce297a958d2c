// The vibration calculation: headers and tones, the running and trapezoid sums,
// the example ship's results, what a change of tone changes, the half-breadth
// at the local waterline, and where a failure stops and what it leaves.
// Reference: the worked example on river water (issue 4's independent check,
// tone I): stiffness 5001,6425, mass 226,9425, frequency 4,6946, δ −0,7005,
// β 0,1612, all as exact texts.
#include "../trim/trim_fixture.h"

#include "common/grid_values.h"
#include "common/number_text.h"
#include "trim/trim_calculation.h"
#include "vibration/vibration.h"

#include <cmath>
#include <functional>
#include <stdexcept>

namespace hullcalc {
namespace {

class Vibration : public ExampleShip {
protected:
    Vibration() { writeVibrationHeaders(vibration); }

    VibrationResults compute(int tone)
    {
        selectTone(vibration, tone);
        return computeVibration(vibration, sheet, particulars);
    }

    // A trim run, then the drafts replaced by an even keel at `draft`.
    void trimToEvenKeel(double draft)
    {
        runTrimCalculation(sheet, particulars);
        sheet.kept.Tn = draft;
        sheet.kept.TrimSlope = 0.0;
    }

    const std::string& cell(int column, int row) const { return vibration.Vibr1Grid.cell(column, row); }

    VibrationSheet vibration;
};

TEST(VibrationSheet, HeadersAndTones)
{
    VibrationSheet sheet;
    sheet.Vibr1Grid.setCell(5, 5, "  1,0000");
    writeVibrationHeaders(sheet);
    EXPECT_EQ(sheet.Vibr1Grid.cell(0, 1), "0-1");
    EXPECT_EQ(sheet.Vibr1Grid.cell(0, 21), "20-21") << "the sums row is labelled as the last spacing";
    EXPECT_EQ(sheet.Vibr1Grid.cell(1, 0), "1");
    EXPECT_EQ(sheet.Vibr1Grid.cell(22, 0), "22");
    EXPECT_EQ(sheet.Vibr1Grid.cell(0, 0), "");
    EXPECT_EQ(sheet.Vibr1Grid.cell(5, 5), "  1,0000");

    EXPECT_EQ(sheet.ToneNumber, 0.0);
    const struct {
        int tone;
        double number, coefficient;
    } tones[] = {{1, 1, 0.1}, {2, 2, 0.07}, {3, 3, 0.05}, {4, 4, 0.04}};
    for (const auto& t : tones) {
        selectTone(sheet, t.tone);
        EXPECT_EQ(sheet.ToneNumber, t.number) << t.tone;
        EXPECT_EQ(sheet.ToneCoef, t.coefficient) << t.tone;
    }
    EXPECT_THROW(selectTone(sheet, 5), std::out_of_range);
    EXPECT_EQ(sheet.ToneNumber, 4.0);
}

// Closed forms: running sums of ones are 1..20, their trapezoid sum
// 210 − (1 + 20)/2; of 0,1·r they are 0,05·r(r + 1), trapezoid 154 − 10,55.
TEST(VibrationSheet, RunningAndTrapezoidSums)
{
    const struct {
        const char* name;
        std::function<double(int)> source;
        const char* first;  // source row 1 as typed, not in "%8.4f"
        const char* row20;
        const char* sum;
    } cases[] = {
        {"ones", [](int) { return 1.0; }, "1", " 20,0000", "199,5000"},
        {"ramp", [](int r) { return 0.1 * r; }, "0,1", " 21,0000", "143,4500"},
    };
    for (const auto& c : cases) {
        TextGrid table{23, 22};
        for (int r = 1; r <= 20; ++r)
            setFixed84(table, 8, r, c.source(r));
        table.setCell(8, 1, c.first);
        writeRunningSum(table, 8, 9);
        EXPECT_EQ(table.cell(9, 1), table.cell(8, 1)) << c.name << ": row 1 is the source text as it stands";
        EXPECT_EQ(table.cell(9, 20), c.row20) << c.name;
        EXPECT_EQ(table.cell(9, 21), c.sum) << c.name;
    }
}

TEST_F(Vibration, ExampleShipToneOne)
{
    runTrimCalculation(sheet, particulars);
    const VibrationResults results = compute(1);
    EXPECT_EQ(vibration.Label4, "5001,6425") << "longer than 8 characters, not cut";
    EXPECT_EQ(vibration.Label5, "226,9425");
    EXPECT_EQ(vibration.Label6, "  4,6946");
    EXPECT_EQ(vibration.Label7, "delta    -0,7005");
    EXPECT_EQ(vibration.Label8, "betta     0,1612");
    EXPECT_DOUBLE_EQ(results.frequency, std::sqrt(results.stiffness / results.mass));

    // The masses add up to 886,7447 t over 20 spacings of 3,75 m; each of the
    // 20 rows is rounded to half a unit of the 4th decimal.
    EXPECT_NEAR(parseNumber(cell(6, 21)), 886.7447 / 3.75, 20 * 5e-5);
    // Midbody frames are 5,5 m on every waterline: equal offsets round the draft.
    for (int frameRow = 6; frameRow <= 16; ++frameRow)
        EXPECT_EQ(cell(1, frameRow), "  5,5000") << frameRow;
    EXPECT_EQ(cell(10, 1), "-0,475");
    EXPECT_EQ(cell(20, 20), "0,042");
    for (int column : {2, 3, 5, 9, 13, 17, 22})
        for (int row = 1; row <= 20; ++row) {
            const std::string& text = cell(column, row);
            EXPECT_TRUE(text.size() >= 8 && text[text.size() - 5] == ',') << column << ", " << row << ": " << text;
        }
    EXPECT_EQ(cell(2, 21), "") << "no sum of the mean half-breadths";

    const auto& points = vibration.Chart1.series.at(0).points();
    ASSERT_EQ(points.size(), 20u);
    for (int r = 1; r <= 20; ++r) {
        EXPECT_EQ(points[r - 1].x, r);
        EXPECT_EQ(points[r - 1].y, parseNumber(cell(17, r)));
    }
}

// Columns 18 and 19 check the balance that δ and β achieve: they miss zero only
// by the rounding of the texts, at most 20 rows × (m′ ≤ 6,2 × 0,00005 + 0,00005)
// ≈ 0,007 for the sum and up to 20 times that for the doubly integrated one.
// Higher tones vibrate faster. Columns 1-4, 6, 10 and 20 do not depend on the
// tone; every other column does.
TEST_F(Vibration, TonesChangeWhatDependsOnThem)
{
    runTrimCalculation(sheet, particulars);
    compute(1);
    const VibrationSheet toneOne = vibration;
    double lastFrequency = 0.0;
    for (int tone = 1; tone <= 4; ++tone) {
        const double frequency = compute(tone).frequency;
        EXPECT_GT(frequency, lastFrequency) << tone;
        lastFrequency = frequency;
        EXPECT_NEAR(parseNumber(cell(18, 21)), 0.0, 0.01) << tone;
        EXPECT_NEAR(parseNumber(cell(19, 21)), 0.0, 0.1) << tone;
        if (tone == 1)
            continue;
        for (int column = 1; column <= 22; ++column) {
            bool same = true;
            for (int row = 1; row <= 21; ++row)
                same = same && cell(column, row) == toneOne.Vibr1Grid.cell(column, row);
            const bool independent = column <= 4 || column == 6 || column == 10 || column == 20;
            EXPECT_EQ(same, independent) << "tone " << tone << ", column " << column;
        }
    }
    // Every cell and the chart are rewritten, not added to.
    compute(1);
    EXPECT_EQ(vibration.Vibr1Grid, toneOne.Vibr1Grid);
    EXPECT_EQ(vibration.Chart1.series[0].points(), toneOne.Chart1.series[0].points());
}

// Shortening L by the square root of f/12,3 scales the stiffness by (f/12,3)²
// (it goes with 1/L⁴; local drafts and masses do not depend on L).
TEST_F(Vibration, FrequencyLabelIsPaddedToEightCharacters)
{
    runTrimCalculation(sheet, particulars);
    const double frequency = compute(1).frequency;
    sheet.kept.L *= std::sqrt(frequency / 12.3);
    compute(1);
    EXPECT_EQ(vibration.Label6, " 12,3000");
}

// Offsets of frame 1 (row 2): 0,4 on waterline 1, 0,95 and 1,35 on 2 and 3,
// 1,625 on 4, 3,5 on 10. Halfway between 2 and 3 is their mean, 1,15.
TEST_F(Vibration, HalfBreadthAtTheLocalWaterline)
{
    const struct {
        const char* name;
        int lower;
        double fraction;
        const char* frameOne;
    } cases[] = {
        {"on the base line", 1, 0.0, "  0,4000"},
        {"halfway from 2 to 3", 2, 0.5, "  1,1500"},
        {"on waterline 4", 4, 0.0, "  1,6250"},
        {"on waterline 10", 10, 0.0, "  3,5000"},
    };
    for (const auto& c : cases) {
        runTrimCalculation(sheet, particulars);
        const auto& z = sheet.kept.z;
        trimToEvenKeel(z[c.lower] + c.fraction * (z[c.lower + 1] - z[c.lower]));
        compute(1);
        EXPECT_EQ(cell(1, 2), c.frameOne) << c.name;
        if (c.fraction != 0.0)
            continue;
        for (int frameRow = 1; frameRow <= 21; ++frameRow)
            EXPECT_EQ(cell(1, frameRow), format84(cellValue(sheet.OrdinatGrid, c.lower, frameRow)))
                << c.name << ", frame row " << frameRow;
    }
}

TEST_F(Vibration, WithoutACompletedTrimRunNothingIsWritten)
{
    EXPECT_EQ(errorOf([&] { compute(1); }), "Сначала выполните расчет удифферентовки");
    EXPECT_EQ(cell(1, 1), "");

    runTrimCalculation(sheet, particulars);
    compute(1);
    const VibrationSheet before = vibration;
    particulars.ShipdT = "0.39";
    EXPECT_EQ(errorOf([&] { runTrimCalculation(sheet, particulars); }), "'0.39' is not a valid floating point value");
    EXPECT_EQ(errorOf([&] { compute(2); }), "Сначала выполните расчет удифферентовки");
    EXPECT_EQ(vibration.Vibr1Grid, before.Vibr1Grid);
    EXPECT_EQ(vibration.Label6, before.Label6);
    EXPECT_EQ(vibration.Chart1.series[0].points(), before.Chart1.series[0].points());
}

// The first frame outside is named, and the last results stay as they were.
TEST_F(Vibration, DraftOutsideTheWaterlinesIsRefused)
{
    const struct {
        double bow, slope;
        const char* message;
    } cases[] = {
        {-0.05, 0.0, "Осадка -0,05 м на шпангоуте 0 шп вне диапазона ватерлиний 0 – 3,51 м"},
        {4.12, 0.0, "Осадка 4,12 м на шпангоуте 0 шп вне диапазона ватерлиний 0 – 3,51 м"},
        // 0,078 m per spacing: frame 19 at 3,482 m is still within, frame 20 is not.
        {2.0, 1.56 / 75, "Осадка 3,56 м на шпангоуте 20 шп вне диапазона ватерлиний 0 – 3,51 м"},
    };
    runTrimCalculation(sheet, particulars);
    compute(1);
    const VibrationSheet before = vibration;
    for (const auto& c : cases) {
        sheet.kept.Tn = c.bow;
        sheet.kept.TrimSlope = c.slope;
        EXPECT_EQ(errorOf([&] { compute(2); }), c.message);
        EXPECT_EQ(vibration.Vibr1Grid, before.Vibr1Grid) << c.message;
        EXPECT_EQ(vibration.Label4, before.Label4);
    }
}

// A failure stops the table where it occurs: the last cell before it keeps its
// new text, the failing cell and everything after it stay empty.
TEST_F(Vibration, FailureStopsAtTheFailingCell)
{
    const struct {
        const char* name;
        std::function<void(TrimSheet&, ShipParticulars&)> spoil;
        const char* message;
        int writtenColumn, writtenRow, failedColumn, failedRow;
    } cases[] = {
        {"empty offset below the waterline", [](TrimSheet& s, ShipParticulars&) { s.OrdinatGrid.setCell(2, 3, ""); },
         "'' is not a valid floating point value", 1, 2, 1, 3},
        {"bad design draft", [](TrimSheet& s, ShipParticulars&) { s.TGrid.setCell(5, 1, "x"); },
         "'x' is not a valid floating point value", 3, 3, 3, 4},
        {"zero breadth", [](TrimSheet&, ShipParticulars& p) { p.ShipB = "0"; }, "Floating point division by zero", 4,
         21, 5, 1},
        {"bad length", [](TrimSheet&, ShipParticulars& p) { p.ShipL = "75 м"; },
         "'75 м' is not a valid floating point value", 4, 21, 5, 1},
        {"empty mass", [](TrimSheet& s, ShipParticulars&) { s.MassaGrid.setCell(1, 7, ""); },
         "'' is not a valid floating point value", 6, 6, 6, 7},
    };
    for (const auto& c : cases) {
        vibration = VibrationSheet{};
        setUpGrids(sheet);
        fillExampleShip(sheet);
        particulars = ShipParticulars{};
        particulars.WaterDensity = riverWaterDensity;
        runTrimCalculation(sheet, particulars);
        c.spoil(sheet, particulars);
        EXPECT_EQ(errorOf([&] { compute(1); }), c.message) << c.name;
        EXPECT_NE(cell(c.writtenColumn, c.writtenRow), "") << c.name;
        EXPECT_EQ(cell(c.failedColumn, c.failedRow), "") << c.name;
        EXPECT_EQ(cell(22, 21), "") << c.name;
        EXPECT_EQ(vibration.Label4, "") << c.name;
        EXPECT_TRUE(vibration.Chart1.series[0].points().empty()) << c.name;
    }
}

TEST_F(Vibration, OffsetsAboveTheWaterlineAreNotRead)
{
    runTrimCalculation(sheet, particulars);
    for (int frameRow = 1; frameRow <= 21; ++frameRow)
        sheet.OrdinatGrid.setCell(10, frameRow, "");
    compute(1);
    EXPECT_EQ(vibration.Label6, "  4,6946");
}

// Before a tone is chosen the assumed shape is zero, so are stiffness and mass.
TEST_F(Vibration, WithoutAToneTheFrequencyIsUndefined)
{
    runTrimCalculation(sheet, particulars);
    EXPECT_EQ(errorOf([&] { computeVibration(vibration, sheet, particulars); }), "Invalid floating point operation");
    EXPECT_EQ(cell(22, 21), "  0,0000");
    EXPECT_EQ(vibration.Label4, "");
}

}  // namespace
}  // namespace hullcalc
