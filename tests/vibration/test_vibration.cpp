// The vibration calculation: the running and trapezoid sums, the table's captions,
// the example ship's results, what a change of tone changes, the half-breadth
// at the local waterline, and where a failure stops and what it leaves.
// Reference: the example ship on river water, tone I, worked independently by
// hand from the same table: stiffness 5001,6425, mass 226,9425, frequency
// 4,6946, δ −0,7005, β 0,1612, all as exact texts.
#include "../trim/trim_fixture.h"

#include "common/error.h"
#include "common/grid_values.h"
#include "common/number_text.h"
#include "trim/trim_calculation.h"
#include "vibration/vibration.h"

#include <cmath>
#include <tuple>
#include <utility>

namespace hullcalc {
namespace {

class Vibration : public ExampleShip {
protected:
    Vibration() { writeVibrationHeaders(vibration); }

    VibrationResults compute(int tone) { return compute(tone, values()); }
    VibrationResults compute(int tone, const ParticularValues& particularValues)
    {
        selectTone(vibration, tone);
        return computeVibration(trimmedHull(sheet), particularValues, vibration);
    }

    const std::string& cell(int column, int row) const { return vibration.table.cell(column, row); }

    VibrationSheet vibration;
};

// Closed form: running sums of ones are 1..20, their trapezoid sum
// 210 − (1 + 20)/2; row 1 takes the source text as typed, not in "%8.4f".
TEST(VibrationSheet, RunningAndTrapezoidSums)
{
    TextGrid table{23, 22};
    for (int r = 1; r <= 20; ++r)
        setFixed84(table, 8, r, 1.0);
    table.setCell(8, 1, "1");
    writeRunningSum(table, 8, 9);
    EXPECT_EQ(table.cell(9, 1), "1");
    EXPECT_EQ(table.cell(9, 20), " 20,0000");
    EXPECT_EQ(table.cell(9, 21), "199,5000");
}

// The window and the report head the table with these: a caption per data
// column and a row per spacing, with the sums' row last.
TEST(VibrationSheet, CaptionsCoverTheTable)
{
    const TextGrid table = VibrationSheet{}.table;
    const VibrationTableCaptions captions = vibrationTableCaptions();
    EXPECT_EQ(captions.columns.size(), static_cast<std::size_t>(table.columnCount() - 1));
    EXPECT_EQ(captions.rows.size(), static_cast<std::size_t>(table.rowCount() - 1));
}

// Offsets above the local waterline are not read: waterline 10 is emptied.
TEST_F(Vibration, ExampleShipToneOne)
{
    runTrimCalculation(sheet, particulars);
    for (int frameRow = 1; frameRow <= 21; ++frameRow)
        sheet.input.offsets.setCell(10, frameRow, "");
    const VibrationResults results = compute(1);
    EXPECT_EQ(vibration.stiffness, "5001,6425") << "longer than 8 characters, not cut";
    // The generalized mass and the frequency follow the accepted waterline's
    // drafts through the added water mass (the independent check's 226,9425 t
    // and 4,6946 1/s were for the waterline before the waterplane's Iy was
    // mended); stiffness and the rigid-body correction do not move.
    EXPECT_EQ(vibration.mass, "226,9575");
    EXPECT_EQ(vibration.frequency, "  4,6944");
    EXPECT_NEAR(results.frequency, std::sqrt(5001.6425 / 226.9575), 5e-5);
    EXPECT_EQ(vibration.shift, "delta    -0,7005");
    EXPECT_EQ(vibration.turn, "betta     0,1612");
    // The masses add up to 886,7447 t over 20 spacings of 3,75 m; each of the
    // 20 rows is rounded to half a unit of the 4th decimal.
    EXPECT_NEAR(parseNumber(cell(6, 21)), 886.7447 / 3.75, 20 * 5e-5);
    const auto& points = vibration.modeShape.series.at(0).points();
    ASSERT_EQ(points.size(), 20u);
    EXPECT_TRUE(points[19].x == 20 && points[19].y == parseNumber(cell(17, 20)));

    // Shortening L by the square root of f/12,3 scales the stiffness by (f/12,3)²
    // (it goes with 1/L⁴; local drafts and masses do not depend on L): the
    // frequency label is padded to eight characters.
    sheet.hydrostatics.length *= std::sqrt(results.frequency / 12.3);
    compute(1);
    EXPECT_EQ(vibration.frequency, " 12,3000");
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
                same = same && cell(column, row) == toneOne.table.cell(column, row);
            const bool independent = column <= 4 || column == 6 || column == 10 || column == 20;
            EXPECT_EQ(same, independent) << "tone " << tone << ", column " << column;
        }
    }
    // Every cell and the chart are rewritten, not added to.
    compute(1);
    EXPECT_EQ(vibration.table, toneOne.table);
    EXPECT_EQ(vibration.modeShape.series[0].points(), toneOne.modeShape.series[0].points());
}

// Offsets of frame 1 (row 2): 0,4 on waterline 1, 0,95 and 1,35 on 2 and 3,
// 3,5 on 10. Halfway between 2 and 3 is their mean, 1,15. On a waterline the
// whole column is that waterline's offsets.
TEST_F(Vibration, HalfBreadthAtTheLocalWaterline)
{
    const struct {
        int lower;
        double fraction;
        const char* frameOne;
    } cases[] = {{1, 0.0, "  0,4000"}, {2, 0.5, "  1,1500"}, {10, 0.0, "  3,5000"}};
    runTrimCalculation(sheet, particulars);
    const auto& z = sheet.bonjean.waterlineHeights;
    for (const auto& c : cases) {
        sheet.iteration.forwardDraft = z[c.lower] + c.fraction * (z[c.lower + 1] - z[c.lower]);
        sheet.iteration.trimSlope = 0.0;
        compute(1);
        EXPECT_EQ(cell(1, 2), c.frameOne) << c.lower;
        for (int frameRow = 1; frameRow <= 21 && c.fraction == 0.0; ++frameRow)
            EXPECT_EQ(cell(1, frameRow), format84(cellValue(sheet.input.offsets, c.lower, frameRow))) << frameRow;
    }
}

// Without a completed trim run, also after a failed one, nothing is written.
// Before a tone is chosen the assumed shape is zero, so are stiffness and mass,
// and the frequency is undefined.
TEST_F(Vibration, WithoutACompletedTrimRunNothingIsWritten)
{
    EXPECT_EQ(errorOf([&] { computeVibration(trimmedHull(sheet), values(), vibration); }),
              "Сначала выполните расчет удифферентовки");
    EXPECT_EQ(cell(1, 1), "");
    runTrimCalculation(sheet, particulars);
    EXPECT_EQ(errorOf([&] { computeVibration(trimmedHull(sheet), values(), vibration); }),
              "Invalid floating point operation");
    EXPECT_EQ(vibration.stiffness, "");
    compute(1);
    const VibrationSheet before = vibration;
    const ParticularValues read = values();
    particulars.waterlineSpacing = "0.39";
    EXPECT_EQ(errorOf([&] { runTrimCalculation(sheet, particulars); }), "'0.39' is not a valid floating point value");
    EXPECT_EQ(errorOf([&] { compute(2, read); }), "Сначала выполните расчет удифферентовки");
    EXPECT_EQ(vibration.table, before.table);
    EXPECT_EQ(vibration.frequency, before.frequency);
}

// The first frame outside is named, and the last results stay as they were.
// 0,078 m per spacing from 2 m at the bow: frame 19 at 3,482 m is still
// within, frame 20 is not.
TEST_F(Vibration, DraftOutsideTheWaterlinesIsRefused)
{
    runTrimCalculation(sheet, particulars);
    compute(1);
    const VibrationSheet before = vibration;
    for (const auto& [bow, slope, message] :
         {std::tuple{-0.05, 0.0, "Осадка -0,05 м на шпангоуте 0 шп вне диапазона ватерлиний 0 – 3,51 м"},
          std::tuple{2.0, 1.56 / 75, "Осадка 3,56 м на шпангоуте 20 шп вне диапазона ватерлиний 0 – 3,51 м"}}) {
        sheet.iteration.forwardDraft = bow;
        sheet.iteration.trimSlope = slope;
        EXPECT_EQ(errorOf([&] { compute(2); }), message);
        EXPECT_EQ(vibration.table, before.table) << message;
        EXPECT_EQ(vibration.stiffness, before.stiffness);
    }
}

// A failure stops the table where it occurs: the last cell before it keeps its
// new text, the failing cell and everything after it stay empty.
TEST_F(Vibration, FailureStopsAtTheFailingCell)
{
    runTrimCalculation(sheet, particulars);
    const TrimSheet trimmed = sheet;
    const auto expectStop = [&](const char* message, int writtenColumn, int writtenRow, int failedColumn, int failedRow,
                                const ParticularValues& particularValues) {
        vibration = VibrationSheet{};
        EXPECT_EQ(errorOf([&] { compute(1, particularValues); }), message);
        EXPECT_NE(cell(writtenColumn, writtenRow), "") << message;
        EXPECT_EQ(cell(failedColumn, failedRow), "") << message;
        EXPECT_TRUE(cell(22, 21).empty() && vibration.stiffness.empty()
                    && vibration.modeShape.series[0].points().empty());
        sheet = trimmed;
    };
    sheet.input.offsets.setCell(2, 3, "");  // an offset below the waterline
    expectStop("'' is not a valid floating point value", 1, 2, 1, 3, values());
    // The step alone: a breadth of 0, which the trim run refuses, divides by zero.
    ParticularValues noBreadth = values();
    noBreadth.breadth = 0.0;
    expectStop("Floating point division by zero", 4, 21, 5, 1, noBreadth);
    sheet.input.masses.setCell(1, 7, "");
    expectStop("'' is not a valid floating point value", 6, 6, 6, 7, values());
}

// A section without bending stiffness, or a negative one, has no natural
// frequency: a negative inertia in spacing 1 used to give ω 4,6609 instead of
// 4,6944, one in spacing 10 an unplaced "Invalid floating point operation".
TEST_F(Vibration, NonPositiveSectionInertiaIsRefusedAtItsCell)
{
    runTrimCalculation(sheet, particulars);
    for (const auto& [row, text] : {std::pair{1, "-0,2"}, std::pair{10, "-1"}, std::pair{20, "0"}}) {
        vibration = VibrationSheet{};
        writeVibrationHeaders(vibration);
        vibration.sectionInertia.setCell(1, row, text);
        try {
            compute(1);
            ADD_FAILURE() << text << " accepted";
        } catch (const CellError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("Момент инерции сечения должен быть больше нуля, а он равен ") + text + " м⁴");
            EXPECT_TRUE(&e.grid() == &vibration.sectionInertia && e.column() == 1 && e.row() == row) << text;
        }
        EXPECT_TRUE(vibration.frequency.empty()) << text;
    }
}

}  // namespace
}  // namespace hullcalc
