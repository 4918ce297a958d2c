// The strength inputs as the user reads them: the page they are typed on, the
// captions of its fields and of the midship section's table, and where a
// failing field or member cell stands, for the messages of the calculation.
#pragma once

#include "common/error.h"
#include "common/text_grid.h"

#include <string>
#include <string_view>

namespace hullcalc {

namespace strengthFields {
inline constexpr std::string_view page = "Судно на волне";
inline constexpr std::string_view girder = "Эквивалентный брус";
inline constexpr std::string_view waveHeight = "Высота волны h, м";
inline constexpr std::string_view allowableStress = "Допускаемое напряжение, МПа";
}  // namespace strengthFields

// «Судно на волне», «Высота волны h, м» for a field of the page.
inline std::string strengthFieldLocation(std::string_view fieldCaption)
{
    return "«" + std::string(strengthFields::page) + "», «" + std::string(fieldCaption) + "»";
}

// «Судно на волне», «Эквивалентный брус», строка 3, столбец «F, см²» for a cell
// of the members table.
inline std::string girderCellLocation(const TextGrid& members, const CellError& error)
{
    const std::string column = members.contains(error.column(), 0) ? members.cell(error.column(), 0) : "";
    return "«" + std::string(strengthFields::page) + "», «" + std::string(strengthFields::girder) + "», строка "
           + std::to_string(error.row()) + ", столбец «" + column + "»";
}

}  // namespace hullcalc
