// One ship as a Python script holds it: the texts the user would type into the
// windows (particulars, ship type, offsets, masses, section inertias), with the
// tables also as numbers that numpy can view and write. A number written there
// becomes its cell's text - as the windows show a number, 15 significant
// digits with a decimal comma - before anything reads the cells.
#pragma once

#include "project/project.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

namespace hullcalc::python {

// A table of the ship as numbers: one value per data cell, row by row, with
// the texts it stands for. NaN stands for a cell that holds no number.
template<std::size_t rows, std::size_t columns>
struct NumberTable {
    std::array<double, rows * columns> values{};
    // The values as the cells' texts last gave them, to tell what a script changed.
    std::array<double, rows * columns> read{};
};

class Ship {
public:
    static constexpr std::size_t offsetRows = 21;     // frames 0..20
    static constexpr std::size_t offsetColumns = 10;  // waterlines 1..10
    static constexpr std::size_t spacingRows = 20;

    // Empty tables, the default particulars, river water: the program as it starts.
    Ship();

    // The example ship of "Пример", its section inertias, river water.
    static Ship example();

    // A project, or an input data file as "Файл → Загрузить" reads it (onto
    // the default particulars and section inertias). Throws Error.
    static Ship load(const std::filesystem::path& path);

    // The ship of a project read from its bytes: a project without a ship type
    // is a river ship, as the command line computes it, one without section
    // inertias has the example ship's.
    static Ship fromProject(Project project);

    // Writes the project file, the old file kept when that fails. Throws Error.
    void save(const std::filesystem::path& path);

    // Everything typed, the numbers written from Python included. Throws Error
    // naming the cell for a number no cell can hold (an infinity).
    const Project& project();

    ShipParticulars& particulars() { return project_.particulars; }

    bool sea() const;
    void setSea(bool sea);

    double* offsets() { return offsets_.values.data(); }
    double* masses() { return masses_.values.data(); }
    double* inertias() { return inertias_.values.data(); }

private:
    explicit Ship(Project project);

    // The numbers from the texts, after the texts changed as a whole.
    void readNumbers();
    // The texts of the numbers a script changed since the texts were read.
    void writeNumbers();

    Project project_;
    NumberTable<offsetRows, offsetColumns> offsets_;
    NumberTable<spacingRows, 1> masses_;
    NumberTable<spacingRows, 1> inertias_;
};

}  // namespace hullcalc::python
