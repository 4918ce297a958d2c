// One ship as a Python script holds it: the core's ship (the texts the user
// would type into the windows) with its tables also as numbers that numpy can
// view and write. A number written there becomes its cell's text - as the
// windows show a number, 15 significant digits with a decimal comma - before
// anything reads the cells.
#pragma once

#include "project/project.h"
#include "run/ship.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

namespace hullcalc::python {

// The value of a cell's or a particular's text, NaN when the text is no number.
double numberOrNaN(const std::string& text);

// A table of the ship as numbers: one value per data cell, row by row. NaN
// stands for a cell that holds no number.
template<std::size_t rows, std::size_t columns>
struct NumberTable {
    std::array<double, rows * columns> values{};
    // The values as the cells' texts last gave them, to tell what a script changed.
    std::array<double, rows * columns> read{};
};

class ScriptedShip {
public:
    static constexpr std::size_t offsetRows = frameCount;         // frames 0..20
    static constexpr std::size_t offsetColumns = waterlineCount;  // waterlines 1..10
    static constexpr std::size_t spacingRows = spacingCount;

    // Empty tables, the default particulars, river water: the program as it starts.
    ScriptedShip();

    // The example ship of "Пример", its section inertias, river water.
    static ScriptedShip example();

    // A project, or an input data file as "Файл → Загрузить" reads it (onto
    // the default particulars and section inertias). Throws Error, also for a
    // data file that fills no cell of the offsets or of the masses.
    static ScriptedShip load(const std::filesystem::path& path);

    // The ship of a project: one without a ship type is a river ship, as the
    // command line computes it.
    static ScriptedShip fromProject(const Project& project);

    // Writes the project file, the old file kept when that fails. Throws Error.
    void save(const std::filesystem::path& path);

    // Everything typed, the numbers written from Python included. Throws
    // std::invalid_argument naming the cell for a number no cell can hold (an
    // infinity).
    const Ship& ship();

    ShipParticulars& particulars() { return ship_.particulars; }
    TitleBlock& title() { return ship_.title; }
    // The beam with shear's, the added mass's and the resonance check's options, as typed.
    VibrationOptions& vibrationOptions() { return ship_.vibrationOptions; }

    bool sea() const;
    void setSea(bool sea);

    double* offsets() { return offsets_.values.data(); }
    double* masses() { return masses_.values.data(); }
    double* inertias() { return inertias_.values.data(); }

private:
    explicit ScriptedShip(Ship ship);

    // The numbers from the texts, after the texts changed as a whole.
    void readNumbers();
    // The texts of the numbers a script changed since the texts were read.
    void writeNumbers();

    Ship ship_;
    NumberTable<offsetRows, offsetColumns> offsets_;
    NumberTable<spacingRows, 1> masses_;
    NumberTable<spacingRows, 1> inertias_;
};

}  // namespace hullcalc::python
