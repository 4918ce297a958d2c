// The ship's texts and the numbers a script reads and writes in their place.
#include "scripted_ship.h"

#include "common/error.h"
#include "common/file_io.h"
#include "common/number_text.h"
#include "project/project_file.h"
#include "trim/data_files.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace hullcalc::python {

namespace {

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

// The ship type a ship of the module always has: river water unless sea.
Ship withShipType(Ship ship)
{
    if (ship.particulars.shipType != ShipType::sea)
        ship.particulars.shipType = ShipType::river;
    return ship;
}

}  // namespace

double numberOrNaN(const std::string& text)
{
    try {
        return parseNumber(text);
    } catch (const Error&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

ScriptedShip::ScriptedShip() : ScriptedShip(withShipType(blankShip())) {}

ScriptedShip::ScriptedShip(Ship ship) : ship_(std::move(ship)) { readNumbers(); }

ScriptedShip ScriptedShip::example() { return ScriptedShip(withShipType(exampleShip())); }

ScriptedShip ScriptedShip::fromProject(const Project& project) { return ScriptedShip(withShipType(shipOf(project))); }

ScriptedShip ScriptedShip::load(const std::filesystem::path& path)
{
    return ScriptedShip(withShipType(loadShip(path)));
}

void ScriptedShip::save(const std::filesystem::path& path) { saveProjectFile(path, projectOf(ship())); }

const Ship& ScriptedShip::ship()
{
    writeNumbers();
    return ship_;
}

bool ScriptedShip::sea() const { return ship_.particulars.shipType == ShipType::sea; }

void ScriptedShip::setSea(bool sea) { ship_.particulars.shipType = sea ? ShipType::sea : ShipType::river; }

void ScriptedShip::readNumbers()
{
    readTable(ship_.input.offsets, offsets_);
    readTable(ship_.input.masses, masses_);
    readTable(ship_.sectionInertia, inertias_);
}

void ScriptedShip::writeNumbers()
{
    writeTable(ship_.input.offsets, offsets_, "offsets");
    writeTable(ship_.input.masses, masses_, "masses");
    writeTable(ship_.sectionInertia, inertias_, "inertias");
}

}  // namespace hullcalc::python
