// The keys of the added-mass methods.
#include "vibration/vibration_options.h"

namespace hullcalc {

const char* addedMassKey(AddedMassMethod method) { return method == AddedMassMethod::lewis ? "lewis" : "formula"; }

bool addedMassFromKey(const std::string& key, AddedMassMethod& method)
{
    if (key == "formula")
        method = AddedMassMethod::formula;
    else if (key == "lewis")
        method = AddedMassMethod::lewis;
    else
        return false;
    return true;
}

}  // namespace hullcalc
