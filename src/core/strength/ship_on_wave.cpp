#include "strength/ship_on_wave.h"

#include "common/grid_values.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "trim/trim_table.h"
#include "trim/waterline_interpolation.h"

#include <cmath>
#include <string>

namespace hullcalc {

namespace {

// Lever of frame row r about midship in spacings, positive to the bow.
double leverOf(int row) { return midshipRow - row; }

// Volume, moment about midship and their derivatives by the mean draft Tm and
// the trim slope ψ (draft change per metre going aft) at one waterline.
struct Buoyancy {
    double volume = 0.0;  // m³
    double moment = 0.0;  // about midship, m⁴
    double volumeByDraft = 0.0, volumeBySlope = 0.0, momentByDraft = 0.0, momentBySlope = 0.0;
};

class WaveWaterline {
public:
    WaveWaterline(const InputTables& input, const BonjeanScale& bonjean, double frameSpacing, double depth,
                  const DesignWave& wave, WaveCase waveCase)
        : input_(input), bonjean_(bonjean), frameSpacing_(frameSpacing), depth_(depth)
    {
        for (int row = 1; row <= frameCount; ++row)
            elevation_[row] =
                waveElevation(wave.profile, waveCase, wave.height, wave.length, leverOf(row) * frameSpacing_);
    }

    double abscissa(int row) const { return leverOf(row) * frameSpacing_; }
    double elevation(int row) const { return elevation_[row]; }
    double draft(int row, double meanDraft, double slope) const
    {
        return meanDraft - slope * abscissa(row) + elevation_[row];
    }

    // The trapezoid sums over the frames, as the still-water iteration sums its
    // sectional-area curve.
    Buoyancy buoyancy(double meanDraft, double slope) const
    {
        Buoyancy b;
        for (int row = 1; row <= frameCount; ++row) {
            const double end = (row == 1 || row == frameCount) ? 0.5 : 1.0;
            double breadth = 0.0;
            const double area =
                sectionAreaAtDraft(bonjean_, input_, row, draft(row, meanDraft, slope), depth_, &breadth);
            const double x = abscissa(row);
            b.volume += end * area * frameSpacing_;
            b.moment += end * area * x * frameSpacing_;
            b.volumeByDraft += end * breadth * frameSpacing_;
            b.volumeBySlope -= end * breadth * x * frameSpacing_;
            b.momentByDraft += end * breadth * x * frameSpacing_;
            b.momentBySlope -= end * breadth * x * x * frameSpacing_;
        }
        return b;
    }

    double depth() const { return depth_; }
    double frameSpacing() const { return frameSpacing_; }

private:
    const InputTables& input_;
    const BonjeanScale& bonjean_;
    double frameSpacing_;
    double depth_;
    std::array<double, frameCount + 1> elevation_{};
};

void setFixed(TextGrid& grid, int column, int row, double value, int decimals)
{
    grid.setCell(column, row, formatFixed(value, decimals));
}

std::string caseMessage(WaveCase waveCase, const std::string& what)
{
    return "Судно на волне (" + std::string(waveCaseCaption(waveCase)) + "): " + what;
}

}  // namespace

WaveBalance::WaveBalance() = default;

void writeWaveHeaders(WaveBalance& balance)
{
    for (int row = 1; row <= frameCount; ++row)
        balance.frames.setCell(0, row, frameLabel(row - 1));
    static constexpr const char* captions[] = {"Шп",    "x, м",    "η, м",   "T, м",    "ω, м²",
                                               "N, кН", "M, кН·м", "Nв, кН", "Mв, кН·м"};
    for (int column = 0; column < waveFrameColumn::count; ++column)
        balance.frames.setCell(column, 0, captions[column]);
}

double sectionAreaAtDraft(const BonjeanScale& bonjean, const InputTables& input, int row, double draft, double depth,
                          double* breadth)
{
    const WaterlineHeights& z = bonjean.waterlineHeights;
    double slope = 0.0;
    double area = 0.0;
    const double t = std::min(draft, depth);
    if (t > 0.0) {
        const double top = z[waterlineCount];
        if (t >= top) {
            const double halfBreadth = cellValue(input.offsets, waterlineCount, row);
            slope = 2 * halfBreadth;
            area = cellValue(bonjean.sectionAreas, waterlineCount, row) + slope * (t - top);
        } else {
            int k = 1;
            while (z[k + 1] <= t)
                ++k;
            const double a1 = cellValue(bonjean.sectionAreas, k, row);
            const double a2 = cellValue(bonjean.sectionAreas, k + 1, row);
            area = interpolate(t, z[k], a1, z[k + 1], a2);
            slope = (a2 - a1) / (z[k + 1] - z[k]);
        }
    }
    // Above the deck the hull adds nothing, whatever the draft.
    if (breadth)
        *breadth = draft < depth ? slope : 0.0;
    return area;
}

namespace {

// Where the ship floats balanced on the wave: its mean draft (m), trim slope
// and buoyancy there, after how many waterlines tried.
struct WaveEquilibrium {
    double meanDraft = 0.0;
    double slope = 0.0;
    Buoyancy buoyancy;
    int iterations = 0;
};

// Newton's method on the mean draft and the trim slope from those of the
// still-water waterline, until the volume is the design volume V (m³) and the
// centre of buoyancy lies under XG (m), within 0,01 % of V and L/10000.
WaveEquilibrium findEquilibrium(const WaveWaterline& waterline, const WaterlineIteration& stillWaterline,
                                double designVolume, double centreOfGravity, double length, WaveCase waveCase)
{
    double meanDraft = stillWaterline.frameDraft[midshipRow];
    double slope = stillWaterline.trimSlope;
    const auto residual = [&](const Buoyancy& b) {
        return std::abs(b.volume - designVolume) / designVolume
               + std::abs(b.moment - designVolume * centreOfGravity) / (designVolume * length);
    };
    const auto accepted = [&](const Buoyancy& b) {
        return b.volume > 0.0 && std::abs(b.volume - designVolume) <= 1e-4 * designVolume
               && std::abs(b.moment / b.volume - centreOfGravity) <= 1e-4 * length;
    };

    Buoyancy current = waterline.buoyancy(meanDraft, slope);
    int iterations = 1;
    while (!accepted(current)) {
        if (iterations >= maxWaveIterations)
            throw Error(caseMessage(waveCase,
                                    "равновесие не найдено за " + std::to_string(maxWaveIterations) + " приближений"));
        const double det =
            current.volumeByDraft * current.momentBySlope - current.volumeBySlope * current.momentByDraft;
        if (!std::isfinite(det) || std::abs(det) <= 1e-12 * std::pow(length, 6))
            throw Error(caseMessage(waveCase, "корпус целиком вышел из воды или ушел под воду, равновесие невозможно"));
        const double f1 = current.volume - designVolume;
        const double f2 = current.moment - designVolume * centreOfGravity;
        const double dDraft = -(current.momentBySlope * f1 - current.volumeBySlope * f2) / det;
        const double dSlope = -(-current.momentByDraft * f1 + current.volumeByDraft * f2) / det;
        // The areas are piecewise linear in the draft: a full step can overshoot
        // past a waterline, so it is halved while it makes the balance worse.
        double step = 1.0;
        Buoyancy next = waterline.buoyancy(meanDraft + dDraft, slope + dSlope);
        for (int halving = 0; halving < 20 && residual(next) > residual(current); ++halving) {
            step /= 2;
            next = waterline.buoyancy(meanDraft + step * dDraft, slope + step * dSlope);
        }
        meanDraft += step * dDraft;
        slope += step * dSlope;
        current = next;
        ++iterations;
    }
    return {meanDraft, slope, current, iterations};
}

// The corrected shear force and bending moment of the load table at each
// frame, their parts due to the wave (less those of still water), and the
// largest of each.
void writeShearAndMoment(const TrimTable& stillWater, WaveBalance& balance)
{
    namespace col = waveFrameColumn;
    balance.largestShearForce = balance.largestMoment = 0.0;
    for (int row = 1; row <= frameCount; ++row) {
        const double force = parseNumber(formatF(cellValue(balance.table, trimTableColumn::correctedShear, row)));
        const double moment = parseNumber(formatF(cellValue(balance.table, trimTableColumn::correctedMoment, row)));
        setFixed2(balance.frames, col::shearForce, row, force);
        setFixed2(balance.frames, col::bendingMoment, row, moment);
        setFixed2(balance.frames, col::waveShearForce, row, force - cellValue(stillWater.shearForce, 1, row - 1));
        setFixed2(balance.frames, col::waveBendingMoment, row,
                  moment - cellValue(stillWater.bendingMoment, 1, row - 1));
        if (std::abs(force) > std::abs(balance.largestShearForce)) {
            balance.largestShearForce = force;
            balance.largestShearFrame = row - 1;
        }
        if (std::abs(moment) > std::abs(balance.largestMoment)) {
            balance.largestMoment = moment;
            balance.largestMomentFrame = row - 1;
        }
    }
}

}  // namespace

void balanceOnWave(const InputTables& input, const BonjeanScale& bonjean, const WaterlineIteration& stillWaterline,
                   const TrimTable& stillWater, const ParticularValues& particulars, double depth,
                   const DesignWave& wave, WaveCase waveCase, WaveBalance& balance)
{
    const double designVolume = particulars.designDisplacement / particulars.waterDensity;
    requireDrawableWave(wave.height, wave.length);
    const WaveWaterline waterline(input, bonjean, particulars.frameSpacing, depth, wave, waveCase);
    const WaveEquilibrium equilibrium = findEquilibrium(waterline, stillWaterline, designVolume,
                                                        particulars.centreOfGravity, particulars.length, waveCase);
    const double meanDraft = equilibrium.meanDraft;
    const double slope = equilibrium.slope;

    namespace col = waveFrameColumn;
    for (int row = 1; row <= frameCount; ++row) {
        const double draft = waterline.draft(row, meanDraft, slope);
        setFixed(balance.frames, col::abscissa, row, waterline.abscissa(row), 2);
        setFixed(balance.frames, col::elevation, row, waterline.elevation(row), 3);
        setFixed(balance.frames, col::localDraft, row, draft, 3);
        setGeneral(balance.sectionAreas, row, 1, sectionAreaAtDraft(bonjean, input, row, draft, waterline.depth()));
        setFixed(balance.frames, col::sectionArea, row, cellValue(balance.sectionAreas, row, 1), 3);
    }
    balance.meanDraft = meanDraft;
    balance.forwardDraft = meanDraft - slope * waterline.abscissa(1);
    balance.aftDraft = meanDraft - slope * waterline.abscissa(frameCount);
    balance.volume = equilibrium.buoyancy.volume;
    balance.centreOfBuoyancy = equilibrium.buoyancy.moment / equilibrium.buoyancy.volume;
    balance.iterations = equilibrium.iterations;

    fillLoadTable(balance.sectionAreas, input.masses, equilibrium.buoyancy.volume, waterline.frameSpacing(),
                  particulars.waterDensity, balance.table);
    writeShearAndMoment(stillWater, balance);
}

}  // namespace hullcalc
