// Labels as the windows write their page, row and column headers; pointers as
// the result document lays out its input arrays (frame, then waterline, from 0).
#include "run/failure_place.h"

#include "common/error.h"
#include "presentation/strength_page_names.h"
#include "presentation/trim_window_names.h"
#include "presentation/trim_window_pages.h"
#include "presentation/vibration_window_names.h"
#include "trim/ship_particulars.h"

namespace hullcalc {

namespace {

std::string header(const TextGrid& grid, int column, int row)
{
    return grid.contains(column, row) ? "«" + grid.cell(column, row) + "»" : std::string("«»");
}

std::string offsetPointer(int column, int row)
{
    return "/input/offsets/" + std::to_string(row - 1) + "/" + std::to_string(column - 1);
}

std::string spacingPointer(std::string_view table, int row)
{
    return "/input/" + std::string(table) + "/" + std::to_string(row - 1);
}

std::string particularPointer(const ParticularField& field) { return "/input/particulars/" + resultKeyOf(field); }

FailurePlace cellPlace(const CellError& error, const TrimSheet& trim, const VibrationSheet* vibration,
                       const TextGrid* girderMembers)
{
    const TextGrid& grid = error.grid();
    if (&grid == girderMembers)
        return {girderCellLocation(grid, error),
                "/input/strength/girder/" + std::to_string(error.row() - 1) + "/" + std::to_string(error.column())};
    if (vibration && &grid == &vibration->sectionInertia)
        return {"«Вибрация», шпация " + header(grid, 0, error.row()), spacingPointer("section_inertia", error.row())};
    if (vibration && &grid == &vibration->table)
        return {"«Вибрация», «Таблица расчета», строка " + header(grid, 0, error.row()) + ", столбец "
                    + header(grid, error.column(), 0),
                {}};
    std::string pointer;
    if (&grid == &trim.input.offsets)
        pointer = offsetPointer(error.column(), error.row());
    else if (&grid == &trim.input.masses)
        pointer = spacingPointer("masses", error.row());
    return {cellLocation(trim, error), pointer};
}

}  // namespace

std::string resultKeyOf(const ParticularField& field)
{
    std::string key(field.optionName);
    for (char& c : key)
        if (c == '-')
            c = '_';
    return key;
}

FailureCell failureCellOf(const std::exception& error, const TrimSheet& trim, const VibrationSheet* vibration,
                          const TextGrid* girderMembers)
{
    if (const auto* particular = dynamic_cast<const ParticularError*>(&error))
        return {{}, 0, 0, &particular->field()};
    const auto* cell = dynamic_cast<const CellError*>(&error);
    if (!cell)
        return {};
    const TextGrid& grid = cell->grid();
    std::string_view name;
    if (&grid == girderMembers)
        name = strengthPageNames::girderMembers;
    else if (vibration && &grid == &vibration->sectionInertia)
        name = vibrationWindowNames::sectionInertia;
    else if (vibration && &grid == &vibration->table)
        name = vibrationWindowNames::table;
    for (const NamedGrid& named : trimWindowGrids(trim))
        if (&named.grid == &grid)
            name = named.name;
    return {name, cell->column(), cell->row(), nullptr};
}

FailurePlace placeOf(const std::exception& error, const TrimSheet& trim, const VibrationSheet* vibration,
                     const TextGrid* girderMembers)
{
    if (const auto* particular = dynamic_cast<const ParticularError*>(&error))
        return {particularLocation(*particular), particularPointer(particular->field())};
    if (const auto* cell = dynamic_cast<const CellError*>(&error))
        return cellPlace(*cell, trim, vibration, girderMembers);
    return {};
}

std::string pointerOf(const Warning& warning)
{
    switch (warning.place) {
    case Warning::Place::Offset:
        return offsetPointer(warning.column, warning.row);
    case Warning::Place::Mass:
        return warning.row > 0 ? spacingPointer("masses", warning.row) : "/input/masses";
    case Warning::Place::Particular:
        return particularPointer(fieldOf(warning.particular));
    case Warning::Place::None:
        break;
    }
    return {};
}

}  // namespace hullcalc
