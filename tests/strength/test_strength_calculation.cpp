// The stresses of the girder against the allowable, the charts of the three
// cases, and a strength check asked for before any trim calculation.
#include "box_barge.h"
#include "error_of.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hullcalc {
namespace {

// The four-plate box on the barge; on a cosine wave of 1 m it carries
// M = ±15 123 kN·m at midship (test_ship_on_wave.cpp), so σ_deck = 15 123/0,274615 kPa = 55,07 MPa and σ_bottom = −15
// 123/ 0,324545 kPa = −46,60 MPa in hogging; the margin to 175 MPa is (175 − 55,07)/175 = 68,53 %.
TEST_F(BoxBarge, StressesAgainstTheAllowable)
{
    typeFourPlateBox(1);
    runOnWave(WaveProfile::cosine, "1");
    const GirderStress& hogging = strength.stresses[1];
    EXPECT_EQ(hogging.frame, 10);
    EXPECT_NEAR(hogging.deckStress, 55.07, 0.06);
    EXPECT_NEAR(hogging.bottomStress, -46.60, 0.05);
    EXPECT_NEAR(hogging.margin, 68.53, 0.04);
    EXPECT_FALSE(hogging.exceeded);
    EXPECT_NEAR(strength.stresses[2].deckStress, -55.07, 0.06);
    EXPECT_NEAR(strength.stresses[0].moment, 0.0, 0.01);  // no load in still water
    EXPECT_TRUE(strength.warnings.empty());

    // Steel of 355 MPa: the allowable of mild steel over k = 0,72, the margin
    // to the yield stress (355 − 55,07)/355 = 84,49 %.
    input.steel = HullSteel::higher355;
    runStrengthCalculation(sheet, particulars, input, strength);
    EXPECT_NEAR(strength.allowableStress, 175 / 0.72, 1e-9);
    EXPECT_NEAR(strength.stresses[1].yieldMargin, 84.49, 0.02);
    input.steel = HullSteel::mild;

    input.allowableStress = "50";
    runStrengthCalculation(sheet, particulars, input, strength);
    EXPECT_TRUE(strength.stresses[1].exceeded);
    EXPECT_NEAR(strength.stresses[1].margin, (50 - 55.07) / 50 * 100, 0.15);
    ASSERT_EQ(strength.warnings.size(), 2u);
    EXPECT_EQ(strength.warnings[0],
              "Вершина волны на миделе: напряжение 55,1 МПа на шпангоуте 10 шп больше допускаемого 50 МПа");
}

// A tenth of the four-plate box: 550,7 MPa at the deck in hogging, above the
// yield of mild steel.
TEST_F(BoxBarge, StressAboveTheYieldIsNamed)
{
    typeFourPlateBox(0.1);
    runOnWave(WaveProfile::cosine, "1");
    EXPECT_TRUE(strength.stresses[1].yielded);
    ASSERT_EQ(strength.warnings.size(), 2u);
    EXPECT_EQ(
        strength.warnings[0],
        "Вершина волны на миделе: напряжение 550,7 МПа на шпангоуте 10 шп больше предела текучести стали 235 МПа");
}

// The example ship on a wave of 10 m, nearly three times its depth: each case
// names the frames where the surface (T − ψx + η of the frame table) stands
// over the deck or under the keel.
TEST_F(BoxBarge, TenMetreWaveOnTheExampleNamesTheFramesOverDeckAndUnderKeel)
{
    loadExampleShip();
    runOnWave(WaveProfile::trochoid, "10");
    const auto framesWhere = [&](const WaveBalance& b, bool overDeck) {
        std::string runs;
        int first = -1;
        for (int frame = 0; frame <= spacingCount + 1; ++frame) {
            const bool hit = frame <= spacingCount && [&] {
                const double surface = parseNumber(b.frames.cell(waveFrameColumn::localDraft, frame + 1));
                return overDeck ? surface > 3.5 : surface < 0.0;
            }();
            if (hit && first < 0)
                first = frame;
            if (!hit && first >= 0) {
                runs += (runs.empty() ? "" : ", ") + std::to_string(first)
                        + (frame - 1 > first ? "–" + std::to_string(frame - 1) : "");
                first = -1;
            }
        }
        return runs;
    };
    const std::vector<std::string> expected = {
        "Вершина волны на миделе: волна выше палубы на шпангоутах " + framesWhere(strength.hogging, true),
        "Вершина волны на миделе: киль выходит из воды на шпангоутах " + framesWhere(strength.hogging, false),
        "Подошва волны на миделе: волна выше палубы на шпангоутах " + framesWhere(strength.sagging, true),
        "Подошва волны на миделе: киль выходит из воды на шпангоутах " + framesWhere(strength.sagging, false),
    };
    EXPECT_EQ(std::vector<std::string>(strength.warnings.begin(), strength.warnings.begin() + 4), expected);
    EXPECT_EQ(framesWhere(strength.hogging, false).substr(0, 1), "0") << "the bow leaves the water on the crest";
}

// The example ship's own section and river class: no stress above the
// allowable in still water nor on its class's wave, and no warning.
TEST_F(BoxBarge, ExampleShipPassesOnItsClasssWave)
{
    loadExampleShip();
    input = exampleStrengthInput();
    runTrimCalculation(sheet, particulars);
    runStrengthCalculation(sheet, particulars, input, strength);
    EXPECT_DOUBLE_EQ(strength.wave.height, 1.2);
    for (const GirderStress& stress : strength.stresses)
        EXPECT_FALSE(stress.exceeded) << stress.moment;
    EXPECT_TRUE(strength.warnings.empty()) << strength.warnings.front();
}

// Still water, hogging and sagging on one chart each; a river ship gets no
// rule series, and the charts hold the frame tables' values.
TEST_F(BoxBarge, ChartsHoldTheThreeCases)
{
    runOnWave(WaveProfile::cosine, "1");
    ASSERT_EQ(strength.bendingMomentChart.series.size(), 5u);
    EXPECT_TRUE(strength.bendingMomentChart.series[3].points().empty()) << "no rule for a river ship";
    ASSERT_EQ(strength.shearForceChart.series.size(), 5u);
    EXPECT_TRUE(strength.shearForceChart.series[3].points().empty()) << "no rule for a river ship";
    EXPECT_NEAR(strength.bendingMomentChart.series[1].points().at(10).y, midshipMoment(strength.hogging), 1e-9);
    EXPECT_NEAR(strength.bendingMomentChart.series[2].points().at(10).y, midshipMoment(strength.sagging), 1e-9);
    EXPECT_FALSE(strength.ruleLoads.applies);
    EXPECT_FALSE(strength.girder.present);  // no members typed: no stresses
}

// A sea-going box barge of 100 × 15 m, spacings of 5 m and 92,25 t each.
void makeSeaGoingBarge(TrimSheet& sheet, ShipParticulars& particulars)
{
    particulars.length = "100";
    particulars.breadth = "15";
    particulars.frameSpacing = "5";
    particulars.designDisplacement = "1845";
    particulars.shipType = ShipType::sea;
    for (int row = 1; row <= frameCount; ++row)
        for (int column = 1; column <= waterlineCount; ++column)
            sheet.input.offsets.setCell(column, row, "7,5");
    for (int row = 1; row <= spacingCount; ++row)
        sheet.input.masses.setCell(1, row, "92,25");
}

// A sea-going box barge 100 × 15 m at 1,2 m (V = 1800 m³, 1845 t, C_b = 1):
// C = 10,75 − 2^1,5 = 7,921573 and M_hog = 190·C·100²·15·1·10⁻³ = 225 764,8
// kN·m. With no still-water moment the rule series is M_hog times the
// distribution factor: 1 at midship, (1 − 0,9)/0,35 at frame 2, 0,9 L from
// the aft end.
TEST_F(BoxBarge, RuleMomentsStandBesideTheWaveCasesOfASeaGoingShip)
{
    makeSeaGoingBarge(sheet, particulars);
    runOnWave(WaveProfile::cosine, "1");
    ASSERT_TRUE(strength.ruleLoads.applies);
    EXPECT_NEAR(strength.ruleLoads.blockCoefficient, 1.0, 1e-6);
    const double hogging = 190 * (10.75 - std::pow(2.0, 1.5)) * 100 * 100 * 15 * 1e-3;
    EXPECT_NEAR(strength.ruleLoads.hoggingMoment, hogging, 1e-3 * hogging);
    const std::vector<ChartPoint>& rule = strength.bendingMomentChart.series[3].points();
    ASSERT_EQ(rule.size(), 21u);
    EXPECT_NEAR(rule[10].y, hogging, 1e-3 * hogging);
    EXPECT_NEAR(rule[2].y, hogging * 0.1 / 0.35, 1e-3 * hogging);
    EXPECT_NEAR(rule[0].y, 0.0, 1.0);
    // C_b at the particulars' draft T = 2,25 m; the shear series at midship is
    // 0,7·0,3·C·L·B·(C_b + 0,7) = 0,7·0,3·7,921573·100·15·1,7 = 4242,00 kN.
    EXPECT_DOUBLE_EQ(strength.ruleLoads.scantlingDraft, 2.25);
    EXPECT_NEAR(strength.shearForceChart.series[3].points().at(10).y, 4242.00, 0.01);
}

// The sea-going barge above (Z_min = C·L²·B·(C_b + 0,7)·10⁻⁶ = 7,921573·100²·
// 15·1,7·10⁻⁶ = 2,0200 m³) with the four-plate box, W_deck 0,274615 m³: short
// of the rule; ten times the box, 2,746 m³, meets it.
TEST_F(BoxBarge, GirderModulusIsComparedWithTheRulesMinimum)
{
    makeSeaGoingBarge(sheet, particulars);
    input.allowableStress = "1000";  // only the modulus may warn
    typeFourPlateBox(1);
    runOnWave(WaveProfile::cosine, "1");
    EXPECT_NEAR(strength.ruleLoads.minimumSectionModulus, 2.0200, 1e-4);
    ASSERT_EQ(strength.warnings.size(), 1u);
    EXPECT_EQ(strength.warnings[0], "Момент сопротивления миделевого сечения 0,2746 м³ меньше требуемого IACS 2,02 м³");

    typeFourPlateBox(10);
    runOnWave(WaveProfile::cosine, "1");
    EXPECT_NEAR(strength.girder.deckModulus, 2.74615, 1e-4);
    EXPECT_TRUE(strength.warnings.empty());
}

TEST_F(BoxBarge, StrengthNeedsACompleteTrimCalculation)
{
    EXPECT_EQ(errorOf([&] { runStrengthCalculation(sheet, particulars, input, strength); }),
              "Сначала выполните расчет удифферентовки на тихой воде");
}

}  // namespace
}  // namespace hullcalc
