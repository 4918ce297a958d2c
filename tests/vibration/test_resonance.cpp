// The tones against the propeller's and the engine's exciting frequencies, by
// hand: 300 об/мин, 4 blades, an engine of 600 об/мин firing 3 times a turn.
#include "vibration/resonance.h"

#include "error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hullcalc {
namespace {

const PropulsionInput propulsion{300.0, 4, 600.0, 3, std::nullopt};

// Shaft 300/60 = 5 Hz, blade rate 4·5 = 20 Hz, its double 40 Hz, firing
// 3·600/60 = 30 Hz, which turns 3·600/300 = 6 times per turn of the shaft.
TEST(Resonance, ExcitingFrequenciesOfShaftBladesAndEngine)
{
    const auto excitations = excitationsOf(propulsion);
    ASSERT_EQ(excitations.size(), 4u);
    const double hertz[] = {5, 20, 40, 30}, orders[] = {1, 4, 8, 6};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(excitations[i].hertz, hertz[i]) << excitations[i].name;
        EXPECT_DOUBLE_EQ(excitations[i].shaftOrder, orders[i]) << excitations[i].name;
    }
    EXPECT_EQ(errorOf([] {
                  excitationsOf({300.0, 0, std::nullopt, std::nullopt, std::nullopt});
              }),
              "Число лопастей гребного винта: нужно целое число не меньше 1");
}

// Tone II placed on the blade rate: 0 % and a warning; tone III 12,5 % above
// the double blade rate and 50 % above firing, inside ±20 % for the first only.
TEST(Resonance, BladeRateOnToneTwoWarns)
{
    const std::vector<double> tones = {2.0, 20.0, 45.0, 70.0};
    const auto margins = resonanceMargins(tones, excitationsOf(propulsion), defaultResonanceMarginPercent);
    ASSERT_EQ(margins.size(), 16u);
    struct Row {
        std::size_t index;
        double margin;
        bool inside;
    };
    for (const Row& row :
         {Row{0, -60.0, false}, Row{5, 0.0, true}, Row{10, 12.5, true}, Row{11, 50.0, false}, Row{14, 75.0, false}}) {
        EXPECT_NEAR(margins[row.index].marginPercent, row.margin, 1e-12) << row.index;
        EXPECT_EQ(margins[row.index].inside, row.inside) << row.index;
    }
    const auto warnings = resonanceWarnings(margins, defaultResonanceMarginPercent);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0],
              "Тон II (20,00 Гц) в резонансной зоне: «Лопастная» 20,00 Гц, отстройка 0 % при допустимой ±20 %");
}

// The blade rate's ray reaches 4·360/60 = 24 Hz at 1,2 times the shaft speed;
// the tones are horizontal; the operating speed stands at 300 об/мин as high
// as high as the highest curve, the double blade rate's 8·360/60 = 48 Hz.
TEST(Resonance, CampbellDiagramRaysAndLines)
{
    const auto chart = campbellDiagram({2.0, 20.0}, excitationsOf(propulsion), propulsion);
    ASSERT_EQ(chart.series.size(), 7u);
    EXPECT_DOUBLE_EQ(chart.series[6].points().front().x, 300.0);
    EXPECT_DOUBLE_EQ(chart.series[6].points().back().x, 300.0);
    EXPECT_DOUBLE_EQ(chart.series[6].points().back().y, 48.0);
    EXPECT_DOUBLE_EQ(chart.series[1].points().back().y, 20.0);
    EXPECT_DOUBLE_EQ(chart.series[3].points().front().y, 0.0);
    EXPECT_DOUBLE_EQ(chart.series[3].points().back().x, 360.0);
    EXPECT_DOUBLE_EQ(chart.series[3].points().back().y, 24.0);
}

}  // namespace
}  // namespace hullcalc
