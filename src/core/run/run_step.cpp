// The captions of the steps and the reasons a step was not computed.
#include "run/run_step.h"

#include <algorithm>

namespace hullcalc {

// A step added to runSteps without its caption would read as nothing.
static_assert(std::ranges::none_of(runStepCaptions, [](std::string_view caption) { return caption.empty(); }),
              "every step has its caption");

std::string_view stepCaption(RunStep step) { return runStepCaptions.at(static_cast<std::size_t>(step)); }

std::string notComputedAfter(RunStep failed)
{
    return "не рассчитано: ошибка на шаге «" + std::string(stepCaption(failed)) + "»";
}

}  // namespace hullcalc
