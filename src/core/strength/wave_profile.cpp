#include "strength/wave_profile.h"

#include "common/error.h"
#include "trim/waterline_interpolation.h"

#include <cmath>
#include <numbers>

namespace hullcalc {

std::string_view profileKey(WaveProfile profile) { return profile == WaveProfile::trochoid ? "trochoid" : "cosine"; }

bool profileFromKey(std::string_view key, WaveProfile& profile)
{
    for (WaveProfile candidate : {WaveProfile::trochoid, WaveProfile::cosine})
        if (key == profileKey(candidate)) {
            profile = candidate;
            return true;
        }
    return false;
}

std::string_view waveCaseCaption(WaveCase waveCase)
{
    return waveCase == WaveCase::hogging ? "вершина волны на миделе" : "подошва волны на миделе";
}

void requireDrawableWave(double height, double length)
{
    if (!(length > 0.0) || !std::isfinite(length))
        throw Error("Длина волны должна быть положительной: " + roundedText(length, 3) + " м");
    if (!(height >= 0.0) || !(height < length / std::numbers::pi))
        throw Error("Высота волны " + roundedText(height, 3)
                    + " м вне диапазона 0 – λ/π = " + roundedText(length / std::numbers::pi, 3) + " м при длине волны "
                    + roundedText(length, 3) + " м");
}

namespace {

// The trochoid is traced by a point at the orbit radius r = h/2 of a circle of
// radius R = λ/2π rolling under a line: x = R·θ − r·sin θ, z = r·cos θ, crest
// at θ = 0. Its area-mean level lies π·h²/(4λ) = r²/(2R) below the line of
// the orbit centres (the mean of z over x is ∫ r·cos θ·(R − r·cos θ) dθ / 2πR).
double trochoidElevation(double height, double length, double x)
{
    const double R = length / (2 * std::numbers::pi);
    const double r = height / 2;
    // θ from x by Newton's method: x(θ) rises monotonically as r < R.
    double theta = x / R;
    for (int step = 0; step < 50; ++step) {
        const double residual = R * theta - r * std::sin(theta) - x;
        theta -= residual / (R - r * std::cos(theta));
        if (std::abs(residual) <= 1e-13 * length)
            break;
    }
    return r * std::cos(theta) + r * r / (2 * R);
}

}  // namespace

double waveElevation(WaveProfile profile, WaveCase waveCase, double height, double length, double x)
{
    requireDrawableWave(height, length);
    // The trough at midship is the crest moved half a wave along.
    const double fromCrest = waveCase == WaveCase::hogging ? x : x + length / 2;
    if (profile == WaveProfile::cosine)
        return height / 2 * std::cos(2 * std::numbers::pi * fromCrest / length);
    // One wavelength about the crest nearest to the point.
    const double inPeriod = fromCrest - length * std::round(fromCrest / length);
    return trochoidElevation(height, length, inPeriod);
}

}  // namespace hullcalc
