#include "strength/strength_input.h"

namespace hullcalc {

StrengthInput exampleStrengthInput()
{
    StrengthInput input;
    input.navigationClass = exampleNavigationClass;
    fillExampleGirder(input.girderMembers);
    return input;
}

}  // namespace hullcalc
