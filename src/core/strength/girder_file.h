// The members of the midship section from a CSV file, as a spreadsheet saves
// them: one member a line, "name;F;z;i" (semicolons or tabs, since the numbers
// carry a decimal comma), an optional caption line first.
#pragma once

#include "common/text_grid.h"

#include <filesystem>
#include <string_view>

namespace hullcalc {

// Fills the members table (emptied first) with the texts of the lines; the
// numbers are checked when the girder is computed. A first line whose F is
// not a number is taken for captions and skipped; blank lines are skipped; a
// line may leave out i. Throws Error naming the line for a line of more than
// four fields, or for more members than the table holds.
void readGirderMembers(std::string_view bytes, TextGrid& members);

// The file read with readGirderMembers; the table is unchanged when it fails.
void loadGirderFile(const std::filesystem::path& path, TextGrid& members);

}  // namespace hullcalc
