// The members of the midship section from a CSV file, as a spreadsheet saves
// them: one member a line, "name;F;z;i" (semicolons or tabs, since the numbers
// carry a decimal comma), an optional caption line first.
#pragma once

#include "common/text_grid.h"

#include <filesystem>
#include <string_view>

namespace hullcalc {

// Fills the members table (emptied first) with the texts of the lines. The
// bytes are UTF-8 (with or without a byte order mark) or, when they are no
// UTF-8, Windows-1251 as a spreadsheet exports them; UTF-16 is refused. The
// first non-blank line is taken for captions only when none of its F, z, i
// is a number and one of its fields is a known caption («Связь», «F», «z»,
// «i», «Площадь»…): a mistyped number is never taken for a caption. Blank
// lines are skipped; a line may leave out i. Throws Error naming `source`, the
// line and the field for a field that is not a number, an F that is not
// positive, an i below zero, more than four fields or more members than the
// table holds; and for a file with no member at all. The table is unchanged
// when it throws.
void readGirderMembers(std::string_view bytes, TextGrid& members, std::string_view source = {});

// The file read with readGirderMembers, its name in the messages.
void loadGirderFile(const std::filesystem::path& path, TextGrid& members);

}  // namespace hullcalc
