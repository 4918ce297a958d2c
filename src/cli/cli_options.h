// What one call of hullcalc-cli asks for: the command line read into the input
// edits, the calculations and the outputs, or the reason it cannot be read.
#pragma once

#include "common/text_grid.h"
#include "project/title_block.h"
#include "strength/hull_steel.h"
#include "strength/navigation_class.h"
#include "strength/wave_profile.h"
#include "trim/input_tables.h"
#include "trim/ship_particulars.h"
#include "vibration/vibration_options.h"
#include "vibration/vibration_sheet.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace hullcalc {

struct CliOptions {
    // One cell the user types into before the calculation.
    template<typename Sheet>
    struct CellEdit {
        TextGrid Sheet::*table;
        int column;
        int row;
        std::string text;
    };

    bool help = false;
    bool version = false;

    // Each input data file is computed on its own; none means the example ship.
    std::vector<std::string> inputFiles;
    bool sea = false;
    std::vector<std::pair<const ParticularField*, std::string>> particulars;  // in the order given
    std::vector<std::pair<const TitleField*, std::string>> titleFields;       // of the report, in the order given
    std::vector<CellEdit<InputTables>> cells;
    std::vector<CellEdit<VibrationSheet>> vibrationCells;
    // The tones whose vibration is computed after the trim calculation.
    std::vector<int> tones;
    // --tone all: tones I to IV side by side, each by the energy method and
    // the beam model, and the Kumai estimate of tone I.
    bool allTones = false;

    // The strength check on a wave: run when any of these is given or the
    // project holds its input. Each overrides the project's value.
    bool strength = false;
    std::optional<std::string> waveHeight;  // m, typed text
    std::optional<NavigationClass> navigationClass;
    std::optional<WaveProfile> waveProfile;
    bool smithEffect = false;                   // only ever switches it on
    std::optional<std::string> scantlingDraft;  // m, typed text
    std::optional<HullSteel> steel;
    std::optional<std::string> girderFile;       // the midship section's members, CSV
    std::optional<std::string> allowableStress;  // MPa, typed text

    // How the ship trims on its righting-lever curve; none keeps the project's.
    std::optional<StabilityTrim> stabilityTrim;
    // The beam with shear, the added mass and the resonance check, over the
    // project's: each a typed text, as the project keeps it.
    std::optional<std::string> shearArea;  // m²
    std::optional<AddedMassMethod> addedMass;
    std::optional<std::string> shaftRpm;             // об/мин
    std::optional<std::string> blades;               // propeller blades
    std::optional<std::string> engineRpm;            // об/мин
    std::optional<std::string> firingPerRevolution;  // firing impulses per revolution

    // Outputs: a file name, or "-" for standard output where allowed.
    std::optional<std::string> jsonFile;
    std::optional<std::string> dumpFile;
    std::optional<std::string> resultsFile;
    std::optional<std::string> saveInputFile;
    std::optional<std::string> printDirectory;
    std::optional<std::string> chartsDirectory;  // every chart as PNG (300 dpi) and SVG
    std::optional<std::string> reportFile;       // the calculation report, PDF
    std::optional<std::string> workbookFile;     // the Excel workbook
    std::optional<std::string> projectFile;  // the project of the run, as "Сохранить проект" writes it
};

// Reads the arguments (without the program name). Throws UsageError naming
// the option or argument at fault.
CliOptions parseCliOptions(const std::vector<std::string>& args);

// The text of --help and of --version.
std::string cliHelpText();
std::string cliVersionText();

// The short usage lines shown after a usage error.
std::string cliUsageHint();

// At most `limit` characters of `text` (UTF-8), cut with "…", control
// characters escaped (messageExcerpt), so that a message never echoes a whole
// pasted file nor drives the terminal.
std::string shortened(const std::string& text, std::size_t limit = 100);

// A file name as a message quotes it: shortened, in quotes.
inline std::string echoedName(const std::string& name) { return "'" + shortened(name) + "'"; }

}  // namespace hullcalc
