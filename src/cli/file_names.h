// File names as hullcalc-cli receives them: UTF-8 text from the command line
// (main converts the arguments to UTF-8 on Windows; pathFromUtf8 makes the
// paths), and compared as the files they name.
#pragma once

#include <filesystem>
#include <string>

namespace hullcalc {

// --print-pdf prints the load, shear-force and bending-moment charts.
inline constexpr int printedChartCount = 3;

// The name of printed chart `number` (1..) in `directory`: "DIR/1.pdf".
std::string printedChartFile(const std::string& directory, int number);

// Whether two names given on the command line name one file: "-" only equals
// "-"; "a.json" and "./a.json" are one file, and so are two names of one
// existing file (a link).
bool namesSameFile(const std::string& first, const std::string& second);

}  // namespace hullcalc
