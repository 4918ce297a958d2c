// The beam model beside the energy method, tone by tone, on the masses per metre
// and section inertias the energy method used.
#include "vibration/tone_comparison.h"

#include "common/error.h"
#include "common/grid_values.h"
#include "common/number_text.h"
#include "vibration/beam_model.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace hullcalc {

ToneSummary beamModelOf(const VibrationSheet& computedSheet, double frameSpacing)
{
    if (computedSheet.tone < lowestTone || computedSheet.tone > highestTone || computedSheet.frequency.empty())
        throw Error("Сначала выполните расчет вибрации");

    namespace column = vibrationTableColumn;
    const TextGrid& table = computedSheet.table;
    std::vector<double> inertia;
    std::vector<double> massPerMetre;
    for (int r = 1; r <= spacingCount; ++r) {
        inertia.push_back(cellValue(table, column::inertia, r));
        massPerMetre.push_back(cellValue(table, column::totalMass, r));
    }
    // The added water mass depends on the tone, so each tone has its own
    // masses and only the n-th mode of these masses is tone n.
    const int tone = computedSheet.tone;
    const std::vector<BeamMode> modes = freeFreeBeamModes(inertia, massPerMetre, frameSpacing, hullModulus, tone);
    const BeamMode& mode = modes.at(static_cast<std::size_t>(tone - 1));

    ToneSummary summary;
    summary.tone = tone;
    summary.energyStiffness = parseNumber(computedSheet.stiffness);
    summary.energyMass = parseNumber(computedSheet.mass);
    summary.energyFrequency = parseNumber(computedSheet.frequency);
    summary.beamFrequency = mode.circularFrequency;
    summary.beamShape = mode.deflection;
    for (int r = 1; r <= spacingCount; ++r)
        summary.energyShape.push_back(cellValue(table, column::correctedShape, r));
    return summary;
}

std::vector<ToneSummary> compareTones(const TrimmedHull& hull, const ParticularValues& particulars,
                                      const VibrationSheet& sheet)
{
    // The energy method names a section inertia that is not a number by the
    // grid it reads; read here first, that is the caller's grid, not the
    // scratch copy that is gone once the error is caught.
    for (int r = 1; r <= spacingCount; ++r)
        cellValue(sheet.sectionInertia, 1, r);

    VibrationSheet scratch = sheet;
    std::vector<ToneSummary> tones;
    for (int tone = lowestTone; tone <= highestTone; ++tone) {
        selectTone(scratch, tone);
        computeVibration(hull, particulars, scratch);
        tones.push_back(beamModelOf(scratch, hull.frameSpacing));
    }
    return tones;
}

std::vector<std::string> toneDifferenceWarnings(const std::vector<ToneSummary>& tones)
{
    std::vector<std::string> warnings;
    for (const ToneSummary& tone : tones) {
        if (tone.tone < lowestTone || tone.tone > highestTone || !(tone.beamFrequency > 0.0))
            continue;
        // Measured from the energy method's frequency, as the window states the
        // beam model's difference beside it ("отличие от энергетического метода").
        if (!(tone.energyFrequency > 0.0))
            continue;
        const double percent = std::fabs(differencePercent(tone.beamFrequency, tone.energyFrequency));
        if (!std::isfinite(percent) || percent <= toneDifferenceLimitPercent)
            continue;
        warnings.push_back("Тон " + toneNumeral(tone.tone) + ": энергетический метод отличается от балочной модели на "
                           + formatFixed(percent, 0) + " %; для высших тонов принимайте балочную модель");
    }
    return warnings;
}

}  // namespace hullcalc
