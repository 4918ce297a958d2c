// The display precision: the rounding of stored texts for the reader. The
// expected texts are worked by hand from the stored digits (ties away from
// zero, as the fixed texts round).
#include "common/display_precision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace hullcalc {
namespace {

struct DisplayCase {
    const char* stored;
    DisplayPrecision kind;
    const char* shown;
};

class DisplayTextTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayTextTest, RoundsForTheReader)
{
    const DisplayCase& c = GetParam();
    EXPECT_EQ(displayText(c.stored, c.kind), c.shown) << "stored «" << c.stored << "»";
}

using P = DisplayPrecision;

// Magnitudes: 4 significant digits, whole digits kept, trailing zeros dropped.
INSTANTIATE_TEST_SUITE_P(
    Magnitudes, DisplayTextTest,
    testing::Values(DisplayCase{"1994,13703125", P::magnitude, "1994"},
                    DisplayCase{"625347,729492188", P::magnitude, "625348"},
                    DisplayCase{"-2785,67240145243", P::magnitude, "-2786"},
                    DisplayCase{"270,27", P::magnitude, "270,3"}, DisplayCase{"4,29", P::magnitude, "4,29"},
                    DisplayCase{"0,0585", P::magnitude, "0,0585"}, DisplayCase{"0,00123456", P::magnitude, "0,001235"},
                    // rounding carries into a new leading digit
                    DisplayCase{"9999,7", P::magnitude, "10000"}, DisplayCase{"0,99996", P::magnitude, "1"},
                    DisplayCase{"0", P::magnitude, "0"}, DisplayCase{"5E-5", P::magnitude, "5E-5"},
                    DisplayCase{"-0,0000123456", P::magnitude, "-1,235E-5"},
                    DisplayCase{"1,5E20", P::magnitude, "1,5E20"}, DisplayCase{"9,99996E20", P::magnitude, "1E21"},
                    DisplayCase{"123456789012345678", P::magnitude, "1,235E17"}));

// Fixed decimals: 3 for lengths and ratios, 2 for forces and masses.
INSTANTIATE_TEST_SUITE_P(
    FixedDecimals, DisplayTextTest,
    testing::Values(DisplayCase{"-1,55742694805195", P::length, "-1,557"},
                    DisplayCase{"1,24465618609407", P::length, "1,245"}, DisplayCase{"0,39", P::length, "0,390"},
                    DisplayCase{"0,0005", P::length, "0,001"},
                    // a minus that rounds away to zero goes with it
                    DisplayCase{"-0,0004", P::length, "0,000"}, DisplayCase{"5E-5", P::length, "0,000"},
                    DisplayCase{"0,822045454545455", P::coefficient, "0,822"},
                    DisplayCase{"382,322084680143", P::forceOrMass, "382,32"},
                    DisplayCase{"2,005", P::forceOrMass, "2,01"}, DisplayCase{"-3,81", P::forceOrMass, "-3,81"},
                    DisplayCase{"2E16", P::forceOrMass, "2E16"}));

// Texts that are not numbers, and anything shown as stored, are left alone.
INSTANTIATE_TEST_SUITE_P(Unchanged, DisplayTextTest,
                         testing::Values(DisplayCase{"", P::length, ""}, DisplayCase{"Готово", P::length, "Готово"},
                                         DisplayCase{"∞", P::magnitude, "∞"},
                                         DisplayCase{"−1,5", P::length, "−1,5"},  // not the program's minus
                                         DisplayCase{"1.5", P::length, "1.5"}, DisplayCase{"inf", P::magnitude, "inf"},
                                         DisplayCase{"1,55742694805195", P::asStored, "1,55742694805195"},
                                         DisplayCase{"  0,7539", P::asStored, "  0,7539"},
                                         // beyond the double range once rounded: the text is all there is
                                         DisplayCase{"1,7976931348623157E308", P::magnitude, "1,798E308"}));

// A column reads with one count of decimals: a magnitude column that of its
// largest number at 4 significant digits, zeros kept; a typed column the most
// typed in it, zeros added and nothing rounded.
struct ColumnCase {
    const char* name;
    std::vector<std::string> stored;
    DisplayPrecision kind;
    std::vector<std::string> shown;
};

class DisplayColumnTest : public testing::TestWithParam<ColumnCase> {};

TEST_P(DisplayColumnTest, ShowsOneCountOfDecimals)
{
    const ColumnCase& c = GetParam();
    const std::optional<int> decimals = columnDecimals(c.stored, c.kind);
    for (std::size_t i = 0; i < c.stored.size(); ++i)
        EXPECT_EQ(displayText(c.stored[i], c.kind, decimals), c.shown[i]) << c.name << ": «" << c.stored[i] << "»";
}

INSTANTIATE_TEST_SUITE_P(
    Columns, DisplayColumnTest,
    testing::Values(
        // M₁ by waterline: 44,02 has 4 digits with 2 decimals, so 42,7 shows 42,70.
        ColumnCase{"moment to trim", {"42,7", "44,0187", "33,4949"}, P::magnitude, {"42,70", "44,02", "33,49"}},
        ColumnCase{"waterplane area", {"753", "762,7234", "678,2"}, P::magnitude, {"753,0", "762,7", "678,2"}},
        // 9999,7 rounds to 10000, five digits: no decimal for the column.
        ColumnCase{"carry", {"9999,7", "12,34", ""}, P::magnitude, {"10000", "12", ""}},
        ColumnCase{"zeros", {"0", "0"}, P::magnitude, {"0", "0"}},
        ColumnCase{"too small for plain", {"5E-5", "1,2345E-5"}, P::magnitude, {"5E-5", "1,235E-5"}},
        ColumnCase{"length", {"0,39", "-1,55742694805195"}, P::length, {"0,390", "-1,557"}},
        ColumnCase{"offsets",
                   {"0", "0,15", "5,125", "Готово", " 5,5"},
                   P::typed,
                   {"0,000", "0,150", "5,125", "Готово", "5,500"}},
        ColumnCase{"typed with an exponent", {"1E3", "0,5"}, P::typed, {"1E3", "0,5"}}),
    [](const testing::TestParamInfo<ColumnCase>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

}  // namespace
}  // namespace hullcalc
