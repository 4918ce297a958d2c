// What the user types for the beam with shear, the added mass and the
// resonance check, as texts (decimal comma), kept in the ship and the project.
#pragma once

#include <string>

namespace hullcalc {

// How the beam models take the added mass of water: the energy method's
// formula (column 5 of its table, the default) or Lewis's sections.
enum class AddedMassMethod { formula, lewis };

struct VibrationOptions {
    // Shear area of the midship section, m²; empty: the vertical members of
    // the strength check's midship section.
    std::string shearArea;
    std::string poissonRatio = "0,3";
    AddedMassMethod addedMass = AddedMassMethod::formula;
    // J of tones III and IV for Lewis's added mass; empty: none given.
    std::string reductionToneIII;
    std::string reductionToneIV;

    std::string shaftRpm;                // об/мин
    std::string blades;                  // number of propeller blades
    std::string engineRpm;               // об/мин
    std::string firingPerRevolution;     // firing impulses per revolution of the engine
    std::string excitingFrequency;       // Гц, typed
    std::string resonanceMargin = "20";  // %

    bool operator==(const VibrationOptions&) const = default;
};

// "formula" / "lewis", the keys of the project file and the command line.
const char* addedMassKey(AddedMassMethod method);
// False for any other text.
bool addedMassFromKey(const std::string& key, AddedMassMethod& method);

}  // namespace hullcalc
