// The names the world outside the C++ knows the vibration window's parts by:
// the object names tests find widgets by, and the keys of the command line's
// dump of every component's text. Kept here and nowhere else.
#pragma once

#include "vibration/vibration_options.h"
#include "vibration/vibration_sheet.h"

#include <array>
#include <string_view>

namespace hullcalc::vibrationWindowNames {

inline constexpr std::string_view window = "VibrForm";
inline constexpr std::string_view pages = "PageControl1";
inline constexpr std::string_view inputPage = "TabSheet1";
inline constexpr std::string_view tablePage = "TabSheet2";
inline constexpr std::string_view resultsPage = "TabSheet3";
inline constexpr std::string_view table = "Vibr1Grid";
inline constexpr std::string_view modeShape = "Chart1";
inline constexpr std::string_view calculate = "SpeedButton8";
inline constexpr std::string_view printChart = "Button1";
inline constexpr std::string_view compareAllTones = "allTonesButton";
inline constexpr std::string_view outdatedNotice = "resultsOutdated";
inline constexpr std::string_view sectionInertia = "sectionInertia";
inline constexpr std::string_view frequencyInOtherUnits = "frequencyInOtherUnits";
inline constexpr std::string_view beamModel = "beamModel";
inline constexpr std::string_view allTones = "allTones";
// Kumai's estimate and the warnings of the tones and of the resonance check.
inline constexpr std::string_view toneNotes = "toneNotes";
inline constexpr std::string_view modeShapesPage = "modeShapesPage";
inline constexpr std::string_view allModeShapes = "allModeShapes";
inline constexpr std::string_view optionsPage = "optionsPage";
inline constexpr std::string_view shearAreaSource = "shearAreaSource";
inline constexpr std::string_view addedMassFormula = "addedMassFormula";
inline constexpr std::string_view addedMassLewis = "addedMassLewis";
inline constexpr std::string_view resonancePage = "resonancePage";
inline constexpr std::string_view resonanceTable = "resonanceTable";
inline constexpr std::string_view resonanceNotes = "resonanceNotes";
inline constexpr std::string_view campbellDiagram = "campbellDiagram";
// Tones I to IV.
inline constexpr std::array<std::string_view, highestTone> toneButtons = {"RadioButton1", "RadioButton2",
                                                                          "RadioButton3", "RadioButton4"};

// The typed options of the beam models and the resonance check, each edit
// with the option's text it writes.
struct NamedOption {
    std::string_view name;
    std::string VibrationOptions::*text;
};
inline const std::array<NamedOption, 6> optionFields = {{
    {"shearArea", &VibrationOptions::shearArea},
    {"shaftRpm", &VibrationOptions::shaftRpm},
    {"blades", &VibrationOptions::blades},
    {"engineRpm", &VibrationOptions::engineRpm},
    {"firingPerRevolution", &VibrationOptions::firingPerRevolution},
    {"resonanceMargin", &VibrationOptions::resonanceMargin},
}};

// The five result labels and the sheet's text each shows.
struct NamedText {
    std::string_view name;
    std::string VibrationSheet::*text;
};
inline const std::array<NamedText, 5> resultLabels = {{
    {"Label4", &VibrationSheet::stiffness},
    {"Label5", &VibrationSheet::mass},
    {"Label6", &VibrationSheet::frequency},
    {"Label7", &VibrationSheet::shift},
    {"Label8", &VibrationSheet::turn},
}};

}  // namespace hullcalc::vibrationWindowNames
