// One tone of vertical hull-girder vibration as the comparison of all tones
// shows it: the energy method's frequency and the beam model's beside it.
#pragma once

#include <vector>

namespace hullcalc {

struct ToneSummary {
    int tone = 0;                     // 1..4
    double energyStiffness = 0.0;     // energy method's generalized stiffness Cg, kN/m
    double energyMass = 0.0;          // energy method's generalized mass Mg, t
    double energyFrequency = 0.0;     // energy method, ω = √(Cg/Mg), 1/s
    double beamFrequency = 0.0;       // finite-element beam model, ω, 1/s
    std::vector<double> beamShape;    // beam model's deflection at frames 0..20, largest |value| 1
    std::vector<double> energyShape;  // energy method's corrected shape w at spacings 1..20
    // The beam with shear (Timoshenko), ω, 1/s, and its deflection at frames
    // 0..20; 0 and empty when it was not computed.
    double shearBeamFrequency = 0.0;
    std::vector<double> shearBeamShape;
    // The beam models took the added mass by Lewis's sections (else by the
    // energy method's formula).
    bool lewisAddedMass = false;
};

// How far `value` lies from `reference`, in % of the reference: the beam
// model's frequency against the energy method's, either against Kumai's.
inline double differencePercent(double value, double reference) { return (value - reference) / reference * 100.0; }

}  // namespace hullcalc
