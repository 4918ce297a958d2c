// The captions of the steps and the reasons a step was not computed.
#include "run/run_step.h"

namespace hullcalc {

std::string_view stepCaption(RunStep step)
{
    switch (step) {
    case RunStep::trim:
        return "удифферентовка";
    case RunStep::strength:
        return "расчет на волне";
    case RunStep::tones:
        return "вибрация";
    case RunStep::kumai:
        return "оценка по Кумаи";
    }
    return {};
}

std::string notComputedAfter(RunStep failed)
{
    return "не рассчитано: ошибка на шаге «" + std::string(stepCaption(failed)) + "»";
}

}  // namespace hullcalc
