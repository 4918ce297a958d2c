// "Печать графиков" into PDF files: the three results charts, each alone on one
// landscape page, exactly as the trim window prints them.
#pragma once

#include "trim/trim_sheet.h"

#include <filesystem>

namespace hullcalc {

// Writes directory/1.pdf (load), 2.pdf (shear force) and 3.pdf (bending
// moment). Creates the Qt application it needs when there is none, without a
// display. Throws Error when a file cannot be written.
void printResultsPdf(const TrimSheet& sheet, const std::filesystem::path& directory);

}  // namespace hullcalc
