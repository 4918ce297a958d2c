#include "trim/ship_particulars.h"

namespace hullcalc {

const ParticularField* findParticular(std::string_view name)
{
    for (const ParticularField& field : particularFields)
        if (field.key == name || field.optionName == name)
            return &field;
    return nullptr;
}

}  // namespace hullcalc
