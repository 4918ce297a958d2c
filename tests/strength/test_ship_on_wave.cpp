// The ship balanced on a wave: a box barge on a cosine wave against the table
// method's exact moment, the trochoid's small difference, the parts of the
// hull that leave or enter the water, wall-sided sections above the top
// waterline, and the waves and hulls that cannot be balanced.
#include "box_barge.h"
#include "common/number_text.h"
#include "error_of.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace hullcalc {
namespace {

constexpr double pi = std::numbers::pi;

// The midship moment of the box barge on a cosine wave of h = 1 m, λ = L.
//
// The wave adds to each section the area B·(h/2)·cos(kx), k = 2π/L, so the load
// per metre changes by −ρg·B·(h/2)·cos(kx). On the continuous beam, integrated
// twice from the bow where N = M = 0, the moment at midship is
//   ρg·B·(h/2)·2/k² = ρg·B·h·L²/(4π²) = 9,81·11·1·75²/(4π²) = 15 375 kN·m.
// The table method sums instead: the buoyancy per spacing is the trapezoid of
// the frame areas, N the running sum of the loads, M the trapezoid sum of N.
// For samples of e^{iθ} a step φ apart, the trapezoid sum
//   Σ (e^{iθj} + e^{iθj+1})/2 · φ = φ·(1 + e^{iφ})/2 · (e^{iθn} − e^{iθ1})/(e^{iφ} − 1)
//                                = (φ/2)·cot(φ/2) · (e^{iθn} − e^{iθ1})/i,
// the exact integral times (φ/2)·cot(φ/2). Both summations (cos into sin, sin
// into cos) lose that factor once, with φ = kΔL = π/10, and the constants of
// integration vanish at the bow (sin π = 0), so the table method's moment is
//   15 375 · ((π/20)·cot(π/20))² = ρg·B·h·ΔL²·cot²(π/20)/4 = 15 123 kN·m,
// 1,64 % below the continuous beam's.
const double tableMethodMoment = 9.81 * 11 * 1.0 * 3.75 * 3.75 / std::pow(std::tan(pi / 20), 2) / 4;

TEST_F(BoxBarge, CosineWaveGivesTheTableMethodsMomentAtMidship)
{
    const double continuous = 9.81 * 11 * 75 * 75 / (4 * pi * pi);
    ASSERT_NEAR(tableMethodMoment, 15123, 1);
    ASSERT_NEAR(tableMethodMoment / continuous, std::pow(pi / 20 / std::tan(pi / 20), 2), 1e-12);

    // Waterlines 0,39 m apart reach 3,51 m; 0,15 m apart only 1,35 m, so the
    // crest's sections continue wall-sided above the top waterline.
    for (const char* waterlineSpacing : {"0,39", "0,15"}) {
        particulars.waterlineSpacing = waterlineSpacing;
        runOnWave(WaveProfile::cosine, "1");
        for (const WaveBalance* balance : {&strength.hogging, &strength.sagging}) {
            // The cosine adds no volume and no moment over a whole wave: the
            // still-water waterline balances the barge as it is.
            EXPECT_NEAR(balance->meanDraft, 1.2, 1e-9) << waterlineSpacing;
            EXPECT_NEAR(balance->forwardDraft - balance->aftDraft, 0.0, 1e-9) << waterlineSpacing;
            EXPECT_EQ(balance->iterations, 1);
        }
        EXPECT_NEAR(midshipMoment(strength.hogging), tableMethodMoment, 1e-3 * tableMethodMoment) << waterlineSpacing;
        EXPECT_NEAR(midshipMoment(strength.sagging), -tableMethodMoment, 1e-3 * tableMethodMoment) << waterlineSpacing;
        // The still-water moment is nil, so the wave part is the whole moment.
        EXPECT_EQ(strength.hogging.frames.cell(waveFrameColumn::waveBendingMoment, 11),
                  strength.hogging.frames.cell(waveFrameColumn::bendingMoment, 11));
        EXPECT_EQ(strength.hogging.largestMomentFrame, 10);
    }
}

// A trochoid of height h = 2r is z = r·cos θ at kx = θ − ε·sin θ, ε = kr = πh/λ:
// Kepler's equation, whose expansion cos θ = −ε/2 + Σ (2/n²)·(d/dε)J_n(nε)·cos(nkx)
// gives the harmonics of the profile. The first is r·(J0(ε) − J2(ε)) ≈
// r·(1 − 3ε²/8); the third (3/8)·r·ε². Even harmonics give no moment at midship
// (cos(2kx) integrated twice from the bow is (1 − cos 2kx)/4k², nil at x = 0)
// and odd harmonic n gives 1/n² of the first's per unit amplitude, times the
// ratio of the table method's factors ((3π/20)·cot(3π/20))² / ((π/20)·cot(π/20))²
// = 0,8697. So the trochoid's midship moment is the cosine's times
// 1 − 3ε²/8 + (3ε²/8)·0,8697/9 = 1 − 0,3388·ε² = 1 − 0,059 % for ε = π/75.
TEST_F(BoxBarge, TrochoidMomentIsSlightlyBelowTheCosines)
{
    runOnWave(WaveProfile::cosine, "1");
    const double cosineHogging = midshipMoment(strength.hogging);
    const double cosineSagging = midshipMoment(strength.sagging);
    runOnWave(WaveProfile::trochoid, "1");
    const double epsilon = pi / 75;
    const double expected = 1 - 0.3388 * epsilon * epsilon;
    EXPECT_NEAR(midshipMoment(strength.hogging) / cosineHogging, expected, 3e-5);
    EXPECT_NEAR(midshipMoment(strength.sagging) / cosineSagging, expected, 3e-5);
    // Measured from its area-mean level the trochoid adds no volume either.
    EXPECT_NEAR(strength.hogging.meanDraft, 1.2, 1e-6);
}

// A wave of 3 m on the barge at 1,2 m in a hull only 2 m deep: with the crest
// at midship the sections there reach above the deck (1,2 + 1,5 > 2) and add
// nothing beyond it; with the trough at midship the keel leaves the water
// (1,2 − 1,5 < 0). The lost volume is made up by a deeper mean draft. The
// reference volume is summed here from the closed-form surface,
// V = ΔL·Σ' B·clamp(Tm ± (h/2)·cos(kx), 0, H), at the mean draft found.
TEST_F(BoxBarge, EmergedAndSubmergedPartsAreLeftOutAndTheBalanceHolds)
{
    particulars.depth = "2";
    runOnWave(WaveProfile::cosine, "3");
    for (const auto& [balance, sign] : {std::pair{&strength.hogging, 1.0}, std::pair{&strength.sagging, -1.0}}) {
        EXPECT_GT(balance->meanDraft, 1.2 + 0.01);
        EXPECT_NEAR(balance->forwardDraft, balance->aftDraft, 1e-6);  // symmetric
        double volume = 0.0;
        for (int row = 1; row <= frameCount; ++row) {
            const double x = (11 - row) * 3.75;
            const double draft = balance->meanDraft + sign * 1.5 * std::cos(2 * pi * x / 75);
            const double end = (row == 1 || row == frameCount) ? 0.5 : 1.0;
            volume += end * 3.75 * 11 * std::clamp(draft, 0.0, 2.0);
        }
        EXPECT_NEAR(volume, 990, 1e-4 * 990);
        // The frames where the surface stands over the deck or under the keel.
        std::vector<int> overDeck, underKeel;
        for (int frame = 0; frame <= spacingCount; ++frame) {
            const double surface = balance->meanDraft + sign * 1.5 * std::cos(2 * pi * (10 - frame) * 3.75 / 75);
            if (surface > 2.0)
                overDeck.push_back(frame);
            if (surface < 0.0)
                underKeel.push_back(frame);
        }
        EXPECT_EQ(balance->deckImmersedFrames, overDeck);
        EXPECT_EQ(balance->keelEmergedFrames, underKeel);
    }
    EXPECT_FALSE(strength.hogging.deckImmersedFrames.empty());
    EXPECT_FALSE(strength.sagging.keelEmergedFrames.empty());
    EXPECT_EQ(strength.sagging.frames.cell(waveFrameColumn::sectionArea, 11), "0,000");
    EXPECT_EQ(strength.hogging.frames.cell(waveFrameColumn::sectionArea, 11), "22,000");  // B·H
}

TEST_F(BoxBarge, WavesAndHullsThatCannotBeBalancedAreRefused)
{
    // A hull 1 m deep holds at most 825 m³: no waterline carries 990 t.
    particulars.depth = "1";
    EXPECT_EQ(errorOf([&] { runOnWave(WaveProfile::cosine, "1"); }),
              "Судно на волне (вершина волны на миделе): корпус целиком вышел из воды или ушел под воду, "
              "равновесие невозможно");
    EXPECT_FALSE(strength.complete);
    particulars.depth = "3,5";
    // A trochoid as high as λ/π = 23,87 m loops over itself.
    EXPECT_EQ(errorOf([&] { runOnWave(WaveProfile::trochoid, "24"); }),
              "Высота волны 24 м вне диапазона 0 – λ/π = 23,873 м при длине волны 75 м");
    EXPECT_EQ(errorOf([&] { runOnWave(WaveProfile::trochoid, "-1"); }),
              "Высота волны -1 м вне диапазона 0 – λ/π = 23,873 м при длине волны 75 м");
    EXPECT_EQ(errorOf([&] { runOnWave(WaveProfile::cosine, "1.5"); }),
              "Высота волны: Не число: «1.5» (десятичный разделитель — запятая)");
}

// An empty height is the navigation class's for a river ship, L/20 (3,75 m)
// for a sea-going one; with no class whose height is known there is none.
TEST_F(BoxBarge, EmptyWaveHeightComesFromTheClassOrTheLength)
{
    const struct {
        NavigationClass navigationClass;
        bool seaGoing;
        std::string typed;
        double height;  // 0: refused
    } cases[] = {
        {NavigationClass::river, false, "", 1.2}, {NavigationClass::lake, false, "", 0.6},
        {NavigationClass::open, false, "", 2.0},  {NavigationClass::river, false, "0,9", 0.9},
        {NavigationClass::none, true, "", 3.75},  {NavigationClass::none, false, "", 0},
        {NavigationClass::sea, false, "", 0},
    };
    for (const auto& c : cases) {
        input.navigationClass = c.navigationClass;
        input.waveHeight = c.typed;
        if (c.height > 0)
            EXPECT_DOUBLE_EQ(designWaveHeight(input, 75, c.seaGoing).height, c.height);
        else
            EXPECT_NE(errorOf([&] { designWaveHeight(input, 75, c.seaGoing); }).find("Высота волны не задана"),
                      std::string::npos);
    }
}

// With the Smith effect the wave raises the pressure head at the keel of the
// wall-sided barge by η·e^(−kT) instead of η, T the keel's depth below the
// wave's mean level. The load per metre is then e^(−kT) times that without,
// less the mean, which the barge's draft takes up: the wave's frame mean is
// nil (the draft stays 1,2 m, as the tests above show), so every load, shear
// force and moment is the plain one times e^(−2π·1,2/75) = 0,904357.
TEST_F(BoxBarge, SmithEffectScalesTheBoxBargesWaveMomentByTheDecayAtItsKeel)
{
    for (const WaveProfile profile : {WaveProfile::cosine, WaveProfile::trochoid}) {
        input.smithEffect = false;
        runOnWave(profile, "2");
        const double plainHogging = midshipMoment(strength.hogging);
        const double plainSagging = midshipMoment(strength.sagging);
        input.smithEffect = true;
        runOnWave(profile, "2");
        const double decay = std::exp(-2 * pi * 1.2 / 75);
        EXPECT_NEAR(strength.hogging.meanDraft, 1.2, 1e-6);
        EXPECT_NEAR(midshipMoment(strength.hogging) / plainHogging, decay, 2e-5);
        EXPECT_NEAR(midshipMoment(strength.sagging) / plainSagging, decay, 2e-5);
    }
}

// The example ship balances on its default trochoid in a few Newton steps and
// keeps its weight: the totals of weight and buoyancy agree as in still water.
TEST_F(BoxBarge, ExampleShipBalancesInAFewSteps)
{
    loadExampleShip();
    input.navigationClass = exampleNavigationClass;
    runOnWave(WaveProfile::trochoid, "");
    for (const WaveBalance* balance : {&strength.hogging, &strength.sagging}) {
        EXPECT_LE(balance->iterations, 10);
        EXPECT_NEAR(balance->volume, 886.74, 1e-4 * 886.74);
        EXPECT_NEAR(balance->centreOfBuoyancy, -3.72, 1e-4 * 75);
    }
    EXPECT_GT(strength.hogging.largestMoment, 0.0);
    EXPECT_LT(parseNumber(strength.sagging.frames.cell(waveFrameColumn::waveBendingMoment, 11)), 0.0);
}

}  // namespace
}  // namespace hullcalc
