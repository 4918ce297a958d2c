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
    std::error_code error;
    const fs::path a = fs::absolute(pathFromUtf8(first), error).lexically_normal();
    const fs::path b = fs::absolute(pathFromUtf8(second), error).lexically_normal();
    return a == b || fs::equivalent(a, b, error);
}

}  // namespace hullcalc
