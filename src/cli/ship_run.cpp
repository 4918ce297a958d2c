// The command line's options made into the core's ship, and its run.
#include "cli/ship_run.h"

#include "cli/file_names.h"

#include <exception>
#include <utility>

namespace hullcalc {

namespace {

// The command line's particulars, ship type and cell edits, typed into `ship`.
void applyEdits(const CliOptions& options, Ship& ship)
{
    // A project's ship type holds unless --sea says otherwise; without one the water is a river's.
    if (options.sea)
        ship.particulars.waterDensity = seaWaterDensity;
    else if (ship.particulars.waterDensity == 0.0)
        ship.particulars.waterDensity = riverWaterDensity;
    for (const auto& [field, text] : options.particulars)
        ship.particulars.*field->text = text;
    for (const auto& edit : options.cells)
        (ship.input.*edit.table).setCell(edit.column, edit.row, edit.text);
    // The section inertias are the one table of the vibration window the user types.
    for (const auto& edit : options.vibrationCells)
        if (edit.table == &VibrationSheet::sectionInertia)
            ship.sectionInertia.setCell(edit.column, edit.row, edit.text);
}

}  // namespace

ShipRun runInput(const CliOptions& options, const std::optional<std::string>& inputFile)
{
    if (!inputFile) {
        Ship ship = exampleShip();
        applyEdits(options, ship);
        return runShip(std::move(ship), options.tones, options.allTones);
    }
    Ship ship;
    try {
        ship = loadShip(utf8Path(*inputFile));
    } catch (const std::exception& e) {
        // What the JSON shows of an unread input: the blank ship with the edits.
        Ship blank = blankShip();
        applyEdits(options, blank);
        return unloadedShip(std::move(blank), *inputFile, e.what());
    }
    applyEdits(options, ship);
    ShipRun run = runShip(std::move(ship), options.tones, options.allTones);
    run.inputFile = inputFile;
    return run;
}

}  // namespace hullcalc
