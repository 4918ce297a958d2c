// The design wave of the static balancing on a wave: a wave as long as the
// ship, of height h from trough to crest, as a trochoid or a cosine, with its
// crest (hogging) or its trough (sagging) at midship.
#pragma once

#include <string_view>

namespace hullcalc {

enum class WaveProfile {
    trochoid,  // the profile of a deep-water wave of finite height: sharp crest, flat trough
    cosine,    // the profile of closed-form solutions
};

enum class WaveCase {
    hogging,  // crest at midship
    sagging,  // trough at midship
};

// "trochoid" / "cosine", as the command line and the project name them.
std::string_view profileKey(WaveProfile profile);
// The profile of that key; false for any other text.
bool profileFromKey(std::string_view key, WaveProfile& profile);
// «вершина волны на миделе» / «подошва волны на миделе».
std::string_view waveCaseCaption(WaveCase waveCase);

// Elevation (m) of the wave surface at the abscissa x (m from midship,
// positive towards the bow) above the wave's mean level, the level about which
// the wave's area over a length is zero: a wave adds no water to a wall-sided
// hull, so the mean draft is the still-water draft it is compared with.
// length λ > 0 and 0 ≤ height < λ/π (a higher trochoid loops over itself);
// a height outside that throws Error.
double waveElevation(WaveProfile profile, WaveCase waveCase, double height, double length, double x);

// Throws Error naming the height when a wave of that height and length cannot
// be drawn: not a positive length, a negative height, or h ≥ λ/π.
void requireDrawableWave(double height, double length);

}  // namespace hullcalc
