// The ship's input as the run takes it, and its way to and from the files.
#include "run/ship.h"

#include "common/file_io.h"
#include "common/file_limits.h"
#include "project/project_file.h"
#include "trim/data_files.h"
#include "vibration/vibration_sheet.h"

#include <string>

namespace hullcalc {

Ship blankShip()
{
    Ship ship;
    writeInputHeaders(ship.input);
    VibrationSheet vibration;  // the section inertia table with its example values
    writeVibrationHeaders(vibration);
    ship.sectionInertia = vibration.sectionInertia;
    return ship;
}

Ship exampleShip()
{
    Ship ship = blankShip();
    fillExampleShip(ship.input);
    ship.strengthDefaults = exampleStrengthInput();
    return ship;
}

Ship loadShip(const std::filesystem::path& file)
{
    const std::string bytes = readFileBytes(file, maxShipFileBytes);
    if (!looksLikeProject(bytes)) {
        // Only what "Файл → Загрузить" accepts: a note or a copy in another
        // code page is refused here, before any output could replace it.
        Ship ship = blankShip();
        loadInputFileBytes(bytes, ship.input);
        return ship;
    }
    return shipOf(readProject(bytes));
}

Ship shipOf(const Project& project)
{
    Ship ship = blankShip();
    ship.particulars = project.particulars;
    ship.input = project.input;
    if (project.sectionInertia)
        ship.sectionInertia = *project.sectionInertia;
    ship.strength = project.strength;
    ship.title = project.title;
    ship.vibrationOptions = project.vibrationOptions.value_or(VibrationOptions{});
    return ship;
}

Project projectOf(const Ship& ship)
{
    return {ship.particulars, ship.input, ship.sectionInertia, ship.strength, ship.title, ship.vibrationOptions};
}

}  // namespace hullcalc
