// The ship's texts and the numbers a script reads and writes in their place.
#include "ship.h"

#include "common/error.h"
#include "common/file_io.h"
#include "common/number_text.h"
#include "project/project_file.h"
#include "trim/data_files.h"
#include "trim/input_tables.h"
#include "vibration/vibration_sheet.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace hullcalc::python {

namespace {

constexpr double noNumber = std::numeric_limits<double>::quiet_NaN();

double numberOrNaN(const std::string& text)
{
    try {
        return parseNumber(text);
    } catch (const Error&) {
        return noNumber;
    }
}

// Data cell (column + 1, row + 1) of the grid holds value (row, column) of the table.
template<std::size_t rows, std::size_t columns>
void readTable(const TextGrid& grid, NumberTable<rows, columns>& table)
{
    for (std::size_t row = 0; row < rows; ++row)
        for (std::size_t column = 0; column < columns; ++column) {
            const std::size_t i = row * columns + column;
            table.values[i] = numberOrNaN(grid.cell(static_cast<int>(column) + 1, static_cast<int>(row) + 1));
            table.read[i] = table.values[i];
        }
}

// Writes the text of every value that differs from what its cell gave (to the
// bit: a NaN written over a number empties the cell, one left in place keeps
// the text that is no number). The value becomes the one its text reads back.
template<std::size_t rows, std::size_t columns>
void writeTable(TextGrid& grid, NumberTable<rows, columns>& table, std::string_view name)
{
    for (std::size_t i = 0; i < rows * columns; ++i) {
        const double value = table.values[i];
        if (std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(table.read[i]))
            continue;
        const std::size_t row = i / columns;
        const std::size_t column = i % columns;
        std::string text;
        if (!std::isnan(value)) {
            const std::string cell = std::string(name) + "[" + std::to_string(row)
                                     + (columns > 1 ? ", " + std::to_string(column) : std::string()) + "]";
            if (std::isinf(value))
                throw std::invalid_argument(cell + " is infinite: a cell holds a finite number or none (NaN)");
            try {
                text = formatGeneral(value);
            } catch (const Error& e) {
                throw std::invalid_argument(cell + ": " + e.what());
            }
        }
        grid.setCell(static_cast<int>(column) + 1, static_cast<int>(row) + 1, text);
        table.values[i] = numberOrNaN(text);
        table.read[i] = table.values[i];
    }
}

Project blankProject()
{
    Project project;
    writeInputHeaders(project.input);
    VibrationSheet vibration;
    writeVibrationHeaders(vibration);
    project.sectionInertia = vibration.sectionInertia;
    project.particulars.waterDensity = riverWaterDensity;
    return project;
}

}  // namespace

Ship::Ship() : Ship(blankProject()) {}

Ship::Ship(Project project) : project_(std::move(project)) { readNumbers(); }

Ship Ship::example()
{
    Project project = blankProject();
    fillExampleShip(project.input);
    return Ship(std::move(project));
}

Ship Ship::fromProject(Project project)
{
    Project ship = blankProject();
    ship.particulars = project.particulars;
    ship.input = project.input;
    if (project.sectionInertia)
        ship.sectionInertia = project.sectionInertia;
    if (ship.particulars.waterDensity != seaWaterDensity)
        ship.particulars.waterDensity = riverWaterDensity;
    return Ship(std::move(ship));
}

Ship Ship::load(const std::filesystem::path& path)
{
    if (looksLikeProject(readFileBytes(path, maxInputFileBytes)))
        return fromProject(loadProjectFile(path));
    Project project = blankProject();
    loadInputFile(path, project.input);
    return Ship(std::move(project));
}

void Ship::save(const std::filesystem::path& path) { saveProjectFile(path, project()); }

const Project& Ship::project()
{
    writeNumbers();
    return project_;
}

bool Ship::sea() const { return project_.particulars.waterDensity == seaWaterDensity; }

void Ship::setSea(bool sea) { project_.particulars.waterDensity = sea ? seaWaterDensity : riverWaterDensity; }

void Ship::readNumbers()
{
    readTable(project_.input.offsets, offsets_);
    readTable(project_.input.masses, masses_);
    readTable(*project_.sectionInertia, inertias_);
}

void Ship::writeNumbers()
{
    writeTable(project_.input.offsets, offsets_, "offsets");
    writeTable(project_.input.masses, masses_, "masses");
    writeTable(*project_.sectionInertia, inertias_, "inertias");
}

}  // namespace hullcalc::python
