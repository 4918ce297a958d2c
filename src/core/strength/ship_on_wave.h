// The ship balanced statically on a wave: the mean draft and trim at which the
// buoyancy of the hull, immersed to the wave surface, equals the design
// displacement with its centre under the centre of gravity; then the load,
// the shear force and the bending moment summed exactly as in still water.
#pragma once

#include "common/text_grid.h"
#include "strength/wave_profile.h"
#include "trim/bonjean_scale.h"
#include "trim/input_tables.h"
#include "trim/particular_values.h"
#include "trim/trim_table.h"
#include "trim/waterline_iteration.h"

#include <vector>

namespace hullcalc {

// The balancing stops after this many steps without meeting both targets.
inline constexpr int maxWaveIterations = 50;

struct DesignWave {
    WaveProfile profile = WaveProfile::trochoid;
    double height = 0.0;  // crest to trough, m
    double length = 0.0;  // λ, m: the ship's length
    // The wave's pressure reduced with depth (the Smith effect): at a section
    // the wave raises the pressure head at the keel by η·e^(−2π·d/λ), d the
    // keel's depth below the wave's mean level, instead of by η.
    bool smithEffect = false;

    bool operator==(const DesignWave&) const = default;
};

// The columns of a wave case's frame table; rows 1..21 are frames 0..20.
namespace waveFrameColumn {
inline constexpr int abscissa = 1;           // x from midship, positive to the bow, m
inline constexpr int elevation = 2;          // wave surface above its mean level, m
inline constexpr int localDraft = 3;         // T(x) = Tm − ψ·x + η(x), m
inline constexpr int sectionArea = 4;        // immersed area up to T(x), m²
inline constexpr int shearForce = 5;         // corrected, kN
inline constexpr int bendingMoment = 6;      // corrected, kN·m
inline constexpr int waveShearForce = 7;     // N − N in still water, kN
inline constexpr int waveBendingMoment = 8;  // M − M in still water, kN·m
inline constexpr int count = 9;
}  // namespace waveFrameColumn

struct WaveBalance {
    WaveBalance();

    TextGrid frames{waveFrameColumn::count, frameCount + 1};
    // Row 1: the immersed sectional area at frame row r (column r), m², laid
    // out as the still-water design sectional areas.
    TextGrid sectionAreas{frameCount + 1, 2};
    // Laid out as the still-water trim table (trimTableColumn).
    TextGrid table{13, frameCount + 1};

    double meanDraft = 0.0;         // Tm at midship, without the wave, m
    double forwardDraft = 0.0;      // at frame 0, without the wave, m
    double aftDraft = 0.0;          // at frame 20, without the wave, m
    double volume = 0.0;            // m³
    double centreOfBuoyancy = 0.0;  // XC, m
    int iterations = 0;
    // The largest magnitudes along the hull, with their sign, and their frames.
    double largestShearForce = 0.0;  // kN
    int largestShearFrame = 0;
    double largestMoment = 0.0;  // kN·m
    int largestMomentFrame = 0;
    // Frames (0..20) where the wave's surface stands above the deck, and where
    // it lies below the keel (the keel emerges).
    std::vector<int> deckImmersedFrames;
    std::vector<int> keelEmergedFrames;

    bool operator==(const WaveBalance&) const = default;
};

// Frame labels down the frame table.
void writeWaveHeaders(WaveBalance& balance);

// The immersed area (m², both sides) of frame row r (1..21) up to the draft t:
// linear between the waterlines of the Bonjean scale; above the top waterline
// wall-sided with the top waterline's half-breadth up to the depth H; nothing
// above H nor below the base line. `breadth` receives dA/dt there (m).
double sectionAreaAtDraft(const BonjeanScale& bonjean, const InputTables& input, int row, double draft, double depth,
                          double* breadth = nullptr);

// Balances the ship on the wave by Newton's method on the mean draft and the
// trim, from the still-water waterline, to 0,01 % of the design volume and
// L/10000 for the centre of buoyancy, at most maxWaveIterations steps; then
// fills the frame table and the load table as in still water. The corrected
// N and M of `stillWater` give the wave parts; `depth` is H, m, positive.
// Throws Error naming the case when the balancing fails or needs a mean draft
// beyond the depth at midship.
void balanceOnWave(const InputTables& input, const BonjeanScale& bonjean, const WaterlineIteration& stillWaterline,
                   const TrimTable& stillWater, const ParticularValues& particulars, double depth,
                   const DesignWave& wave, WaveCase waveCase, WaveBalance& balance);

}  // namespace hullcalc
