#include "trim/ship_particulars.h"

#include <utility>

namespace hullcalc {

const std::string* ShipParticulars::text(std::string_view name) const
{
    const std::array<const std::string*, 9> texts = {&ShipD,  &ShipL,   &ShipB,  &ShipH, &ShipT,
                                                     &ShipDr, &ShipXct, &ShipdL, &ShipdT};
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return texts[i];
    return nullptr;
}

std::string* ShipParticulars::text(std::string_view name)
{
    return const_cast<std::string*>(std::as_const(*this).text(name));
}

}  // namespace hullcalc
