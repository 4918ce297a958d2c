// The command line's options made into the core's ship, and its run.
#include "cli/ship_run.h"

#include "cli/file_names.h"
#include "common/file_io.h"
#include "strength/girder_file.h"

#include <exception>
#include <utility>

namespace hullcalc {

namespace {

// The command line's particulars, ship type and cell edits, typed into `ship`.
void applyEdits(const CliOptions& options, Ship& ship)
{
    // A project's ship type holds unless --sea says otherwise; without one the water is a river's.
    if (options.sea)
        ship.particulars.shipType = ShipType::sea;
    else if (!ship.particulars.shipType)
        ship.particulars.shipType = ShipType::river;
    for (const auto& [field, text] : options.particulars)
        ship.particulars.*field->text = text;
    for (const auto& [field, text] : options.titleFields)
        ship.title.*field->text = text;
    if (options.stabilityTrim)
        ship.particulars.stabilityTrim = *options.stabilityTrim;
    for (const auto& edit : options.cells)
        (ship.input.*edit.table).setCell(edit.column, edit.row, edit.text);
    // The section inertias are the one table of the vibration window the user types.
    for (const auto& edit : options.vibrationCells)
        if (edit.table == &VibrationSheet::sectionInertia)
            ship.sectionInertia.setCell(edit.column, edit.row, edit.text);
}

// The command line's strength options over the project's strength input; any
// of them asks for the check. A girder file that cannot be read throws.
void applyStrengthOptions(const CliOptions& options, Ship& ship)
{
    if (!options.strength)
        return;
    StrengthInput& strength = ship.strength ? *ship.strength : ship.strength.emplace(ship.strengthDefaults);
    if (options.waveHeight)
        strength.waveHeight = *options.waveHeight;
    if (options.navigationClass)
        strength.navigationClass = *options.navigationClass;
    if (options.waveProfile)
        strength.profile = *options.waveProfile;
    if (options.smithEffect)
        strength.smithEffect = true;
    if (options.scantlingDraft)
        strength.scantlingDraft = *options.scantlingDraft;
    if (options.steel)
        strength.steel = *options.steel;
    if (options.allowableStress)
        strength.allowableStress = *options.allowableStress;
    if (options.girderFile)
        loadGirderFile(pathFromUtf8(*options.girderFile), strength.girderMembers);
}

// The command line's vibration options over the project's.
void applyVibrationOptions(const CliOptions& options, Ship& ship)
{
    VibrationOptions& vibration = ship.vibrationOptions;
    for (const auto& [typed, text] :
         {std::pair{&options.shearArea, &vibration.shearArea}, std::pair{&options.shaftRpm, &vibration.shaftRpm},
          std::pair{&options.blades, &vibration.blades}, std::pair{&options.engineRpm, &vibration.engineRpm},
          std::pair{&options.firingPerRevolution, &vibration.firingPerRevolution}})
        if (*typed)
            *text = **typed;
    if (options.addedMass)
        vibration.addedMass = *options.addedMass;
}

}  // namespace

ShipRun runInput(const CliOptions& options, const std::optional<std::string>& inputFile)
{
    Ship ship;
    try {
        ship = inputFile ? loadShip(pathFromUtf8(*inputFile)) : exampleShip();
        applyStrengthOptions(options, ship);
        applyVibrationOptions(options, ship);
    } catch (const std::exception& e) {
        // What the JSON shows of an unread input: the blank ship with the edits.
        Ship blank = blankShip();
        applyEdits(options, blank);
        ShipRun run = unloadedShip(std::move(blank), inputFile.value_or(""), e.what());
        run.inputFile = inputFile;
        return run;
    }
    applyEdits(options, ship);
    ShipRun run = runShip(std::move(ship), RunRequest{options.tones, options.allTones});
    run.inputFile = inputFile;
    return run;
}

}  // namespace hullcalc
