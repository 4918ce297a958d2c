// The document's one way to its results: the core's run on its input.
#include "shell/document.h"

#include <algorithm>
#include <utility>

namespace hullcalc {

Ship shipOf(const Document& document)
{
    Ship ship;
    ship.particulars = document.particulars;
    ship.input = document.trim.input;
    ship.sectionInertia = document.vibration.sectionInertia;
    ship.title = document.title;
    ship.vibrationOptions = document.vibrationOptions;
    if (document.strengthAsked || document.strengthInput != StrengthInput{})
        ship.strength = document.strengthInput;
    return ship;
}

void computeRun(Document& document, RunStep upTo)
{
    document.chainEnd = std::max(document.chainEnd, upTo);
    if (upTo == RunStep::strength)
        document.strengthAsked = true;
    document.run = runShip(shipOf(document), everyTone(document.chainEnd));
    document.trim = document.run.trim.sheet;
    if (document.run.strength)
        document.strength = *document.run.strength;
    else
        clearStrengthResults(document.strength);
    showToneResults(document.run, document.vibration.tone, document.vibration);
}

void forgetRun(Document& document)
{
    document.run = ShipRun{};
    document.chainEnd = RunStep::trim;
    document.strengthAsked = false;
    clearTrimResults(document.trim);
    clearVibrationResults(document.vibration);
    clearStrengthResults(document.strength);
}

}  // namespace hullcalc
