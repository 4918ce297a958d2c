// Paths from UTF-8 names and their comparison, for the checks of the outputs.
#include "cli/file_names.h"

namespace hullcalc {

namespace fs = std::filesystem;

fs::path utf8Path(const std::string& name) { return fs::path(std::u8string(name.begin(), name.end())); }

std::string printedChartFile(const std::string& directory, int number)
{
    const std::u8string name = (utf8Path(directory) / (std::to_string(number) + ".pdf")).u8string();
    return std::string(name.begin(), name.end());
}

bool namesSameFile(const std::string& first, const std::string& second)
{
    if (first == "-" || second == "-")
        return first == second;
    std::error_code error;
    const fs::path a = fs::absolute(utf8Path(first), error).lexically_normal();
    const fs::path b = fs::absolute(utf8Path(second), error).lexically_normal();
    return a == b || fs::equivalent(a, b, error);
}

}  // namespace hullcalc
