#include "report/save_failure.h"

namespace hullcalc {

std::string saveFailure(const std::filesystem::path& path, std::string_view reason)
{
    const std::u8string name = path.u8string();
    return "Не удалось сохранить файл «" + std::string(name.begin(), name.end()) + "»: " + std::string(reason);
}

}  // namespace hullcalc
