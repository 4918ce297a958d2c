// Folder and file names that a naive port breaks on Windows: a path built from
// a narrow string takes its bytes for the ANSI code page (and no code page
// holds UTF-8 Cyrillic), and blanks split a name passed on unquoted. With the
// files' names as the user sees them listed in their folder.
#pragma once

#include "common/file_io.h"

#include <filesystem>
#include <string>
#include <vector>

namespace hullcalc {

struct AwkwardFileName {
    const char* folder;  // UTF-8
    const char* file;    // UTF-8, without the extension
};

inline constexpr AwkwardFileName awkwardFileNames[] = {
    {"Мои суда", "Судно 1"},
    {"a folder with spaces", "ship 1"},
    {"Проект № 2", "Корпус, вариант «Б»"},
};

// The UTF-8 names of the entries of `folder`, as the file system lists them.
inline std::vector<std::string> listedNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder))
        names.push_back(utf8Of(entry.path().filename()));
    return names;
}

}  // namespace hullcalc
