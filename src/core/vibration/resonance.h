// Whether a tone of hull-girder vibration lies near a frequency that excites
// it: the propeller's shaft and blade rates, the engine's firing rate, or a
// frequency the user types.
#pragma once

#include "common/chart_model.h"
#include "vibration/vibration_options.h"

#include <optional>
#include <string>
#include <vector>

namespace hullcalc {

// What drives the hull, as numbers; an absent value leaves its excitations out.
struct PropulsionInput {
    std::optional<double> shaftRpm;           // propeller shaft, об/мин
    std::optional<int> blades;                // blades of the propeller
    std::optional<double> engineRpm;          // об/мин
    std::optional<int> firingPerRevolution;   // firing impulses per revolution of the engine
    std::optional<double> excitingFrequency;  // typed, Гц
};

// A margin inside which a tone counts as near resonance, in % of the exciting
// frequency. Lloyd's Register, Rules and Regulations for the Classification of
// Special Service Craft (July 2022), Pt 7, Ch 7, 5.2.1: a natural frequency is
// "generally not to lie within a band of ±20 per cent of a significant
// excitation frequency" (written there for panels; no figure written for the
// hull girder itself was found, so the user may type another).
inline constexpr double defaultResonanceMarginPercent = 20.0;

// The typed texts as numbers: an empty text leaves its value out. Throws Error
// naming the input for a text that is not a number, or a count that is not a
// whole number.
PropulsionInput propulsionInputOf(const VibrationOptions& options);
// The typed margin, %; the default when empty.
double resonanceMarginOf(const VibrationOptions& options);

struct Excitation {
    std::string name;  // «Вал», «Лопастная», «2 × лопастная», «Вспышки», «Заданная»
    double hertz = 0.0;
    // The exciting frequency per revolution of the shaft per second (its order
    // on the shaft), for the chart against shaft speed; 0 for a frequency that
    // does not follow the shaft.
    double shaftOrder = 0.0;
};

// The shaft rate n/60, the blade rate z·n/60 and its double, the firing rate
// k·n_e/60 and the typed frequency, those whose inputs are given. Throws Error
// on a speed, a count or a frequency that is not positive.
std::vector<Excitation> excitationsOf(const PropulsionInput& input);

struct ResonanceMargin {
    int tone = 0;            // 1..4
    double toneHertz = 0.0;  // the tone's natural frequency, Гц
    std::string excitation;  // Excitation::name
    double excitationHertz = 0.0;
    double marginPercent = 0.0;  // (f_tone − f_exc)/f_exc·100: negative below the excitation
    bool inside = false;         // |margin| below the limit
};

// Every tone against every excitation, tone by tone. toneHertz[i] is tone
// i + 1. Throws Error on a limit that is not positive.
std::vector<ResonanceMargin> resonanceMargins(const std::vector<double>& toneHertz,
                                              const std::vector<Excitation>& excitations, double limitPercent);

// "Тон II (20,00 Гц) в резонансной зоне: «Лопастная» 20,00 Гц, отстройка 0 %
// при допустимой ±20 %", one for each margin inside the limit.
std::vector<std::string> resonanceWarnings(const std::vector<ResonanceMargin>& margins, double limitPercent);

// A Campbell diagram against shaft speed from 0 to 1,2 times the shaft speed
// given: each tone a horizontal line at its frequency, each excitation that
// follows the shaft a ray f = order·n/60, a typed one a horizontal line, and
// the shaft speed given a vertical line (the last series).
// Without a shaft speed the chart has the tones only, up to 1,2 times the
// engine speed, or 600 об/мин. toneNumbers names the tones of toneHertz
// (1 for tone I); empty: toneHertz[i] is tone i + 1.
ChartModel campbellDiagram(const std::vector<double>& toneHertz, const std::vector<Excitation>& excitations,
                           const PropulsionInput& input, const std::vector<int>& toneNumbers = {});

}  // namespace hullcalc
