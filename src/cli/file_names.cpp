// Paths from UTF-8 names and their comparison, for the checks of the outputs.
#include "cli/file_names.h"

#include "common/file_io.h"

namespace hullcalc {

namespace fs = std::filesystem;

std::string printedChartFile(const std::string& directory, int number)
{
    return utf8Of(pathFromUtf8(directory) / (std::to_string(number) + ".pdf"));
}

bool namesSameFile(const std::string& first, const std::string& second)
{
    if (first == "-" || second == "-")
        return first == second;
    return isSameFile(pathFromUtf8(first), pathFromUtf8(second));
}

}  // namespace hullcalc
