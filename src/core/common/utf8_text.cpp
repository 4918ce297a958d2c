#include "common/utf8_text.h"

#include <algorithm>

namespace hullcalc {

std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), startsCharacter));
}

}  // namespace hullcalc
