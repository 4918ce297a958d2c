// The message of a report or workbook that could not be saved, naming the file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace hullcalc {

// "Не удалось сохранить файл «/path/report.pdf»: Disk full".
std::string saveFailure(const std::filesystem::path& path, std::string_view reason);

}  // namespace hullcalc
