// The beam model beside the energy method, tone by tone, on the masses per metre
// and section inertias the energy method used.
#include "vibration/tone_comparison.h"

#include "common/error.h"
#include "common/grid_values.h"
#include "common/number_text.h"
#include "strength/hull_girder.h"
#include "vibration/beam_model.h"
#include "vibration/beam_with_shear.h"
#include "vibration/lewis_added_mass.h"
#include "vibration/timoshenko_beam.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace hullcalc {

ToneSummary energyMethodSummary(const VibrationSheet& computedSheet)
{
    if (computedSheet.tone < lowestTone || computedSheet.tone > highestTone || computedSheet.frequency.empty())
        throw Error("Сначала выполните расчет вибрации");
    ToneSummary summary;
    summary.tone = computedSheet.tone;
    summary.energyStiffness = parseNumber(computedSheet.stiffness);
    summary.energyMass = parseNumber(computedSheet.mass);
    summary.energyFrequency = parseNumber(computedSheet.frequency);
    for (int r = 1; r <= spacingCount; ++r)
        summary.energyShape.push_back(cellValue(computedSheet.table, vibrationTableColumn::correctedShape, r));
    return summary;
}

ToneSummary beamModelOf(const VibrationSheet& computedSheet, double frameSpacing)
{
    ToneSummary summary = energyMethodSummary(computedSheet);
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
    summary.beamFrequency = mode.circularFrequency;
    summary.beamShape = mode.deflection;
    return summary;
}

namespace {

std::optional<double> typedNumber(const std::string& text)
{
    if (trimmed(text).empty())
        return std::nullopt;
    return parseNumber(text);
}

}  // namespace

BeamSettings beamSettingsOf(const VibrationOptions& options, const TextGrid* girderMembers, double depth,
                            std::string& note)
{
    BeamSettings settings;
    settings.addedMass = options.addedMass;
    settings.typedReduction[2] = typedNumber(options.reductionToneIII);
    settings.typedReduction[3] = typedNumber(options.reductionToneIV);
    settings.poissonRatio = typedNumber(options.poissonRatio).value_or(steelPoissonRatio);
    settings.depth = depth;
    const std::optional<double> typed = typedNumber(options.shearArea);
    bool hasMembers = false;
    if (girderMembers != nullptr)
        for (int row = 1; row < girderMembers->rowCount() && !hasMembers; ++row)
            hasMembers = !trimmed(girderMembers->cell(girderColumn::area, row)).empty();
    if (!typed && !hasMembers) {
        note = "Балка со сдвигом не рассчитана: задайте площадь сдвига или связи миделевого сечения";
        return settings;
    }
    const MidshipShearArea area = midshipShearArea(typed, hasMembers ? girderMembers : nullptr, depth);
    settings.midshipShearArea = area.area;
    if (area.typed) {
        note = "Площадь сдвига задана: " + formatFixed(area.area, 4) + " м²";
    } else {
        note = "Площадь сдвига по вертикальным связям миделевого сечения: " + formatFixed(area.area, 4) + " м² (";
        for (std::size_t i = 0; i < area.members.size(); ++i)
            note += (i ? "; " : "") + area.members[i];
        note += ")";
    }
    return settings;
}

ToneSummary beamModelsOf(const VibrationSheet& computedSheet, const ParticularValues& particulars, double frameSpacing,
                         const BeamSettings& settings)
{
    if (settings.addedMass == AddedMassMethod::formula && !settings.midshipShearArea)
        return beamModelOf(computedSheet, frameSpacing);
    if (computedSheet.tone < lowestTone || computedSheet.tone > highestTone || computedSheet.frequency.empty())
        throw Error("Сначала выполните расчет вибрации");

    namespace column = vibrationTableColumn;
    const TextGrid& table = computedSheet.table;
    const int tone = computedSheet.tone;
    std::vector<double> inertia, hullMass, massPerMetre;
    for (int r = 1; r <= spacingCount; ++r) {
        inertia.push_back(cellValue(table, column::inertia, r));
        hullMass.push_back(cellValue(table, column::hullMass, r));
        massPerMetre.push_back(cellValue(table, column::totalMass, r));
    }
    // Lewis's sections need J of the tone: tones III and IV without a typed J
    // keep the formula's added mass, and the summary says which was taken.
    const std::optional<double> typedReduction = settings.typedReduction.at(static_cast<std::size_t>(tone - 1));
    const bool lewis = settings.addedMass == AddedMassMethod::lewis && (tone <= 2 || typedReduction);
    if (lewis) {
        const LewisAddedMass water = lewisAddedMass(table, particulars.waterDensity,
                                                    particulars.length / particulars.breadth, tone, typedReduction);
        for (std::size_t r = 0; r < massPerMetre.size(); ++r)
            massPerMetre[r] = hullMass[r] + water.perMetre[r];
    }
    ToneSummary summary;
    summary.tone = tone;
    summary.lewisAddedMass = lewis;
    summary.energyStiffness = parseNumber(computedSheet.stiffness);
    summary.energyMass = parseNumber(computedSheet.mass);
    summary.energyFrequency = parseNumber(computedSheet.frequency);
    for (int r = 1; r <= spacingCount; ++r)
        summary.energyShape.push_back(cellValue(table, column::correctedShape, r));
    const BeamMode bending = freeFreeBeamModes(inertia, massPerMetre, frameSpacing, hullModulus, tone)
                                 .at(static_cast<std::size_t>(tone - 1));
    summary.beamFrequency = bending.circularFrequency;
    summary.beamShape = bending.deflection;
    if (settings.midshipShearArea) {
        const BeamMode shear =
            beamWithShearTone(inertia, shearAreaAlongHull(*settings.midshipShearArea, inertia), massPerMetre,
                              rotaryInertiaOf(hullMass, settings.depth), frameSpacing, settings.poissonRatio, tone);
        summary.shearBeamFrequency = shear.circularFrequency;
        summary.shearBeamShape = shear.deflection;
    }
    return summary;
}

std::vector<ToneSummary> compareTones(const TrimmedHull& hull, const ParticularValues& particulars,
                                      const VibrationSheet& sheet)
{
    return compareTones(hull, particulars, sheet, BeamSettings{});
}

std::vector<ToneSummary> compareTones(const TrimmedHull& hull, const ParticularValues& particulars,
                                      const VibrationSheet& sheet, const BeamSettings& settings)
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
        tones.push_back(beamModelsOf(scratch, particulars, hull.frameSpacing, settings));
    }
    return tones;
}

std::vector<std::string> toneDifferenceWarnings(const std::vector<ToneSummary>& tones)
{
    std::vector<std::string> warnings;
    for (const ToneSummary& tone : tones) {
        const bool withShear = tone.shearBeamFrequency > 0.0;
        const double beam = withShear ? tone.shearBeamFrequency : tone.beamFrequency;
        if (tone.tone < lowestTone || tone.tone > highestTone || !(beam > 0.0))
            continue;
        // Measured from the energy method's frequency, as the window states the
        // beam model's difference beside it ("отличие от энергетического метода").
        if (!(tone.energyFrequency > 0.0))
            continue;
        const double percent = std::fabs(differencePercent(beam, tone.energyFrequency));
        if (!std::isfinite(percent) || percent <= toneDifferenceLimitPercent)
            continue;
        const std::string model = withShear ? "балки со сдвигом" : "балочной модели";
        warnings.push_back("Тон " + toneNumeral(tone.tone) + ": энергетический метод отличается от " + model + " на "
                           + formatFixed(percent, 0) + " %; для высших тонов принимайте "
                           + (withShear ? "балку со сдвигом" : "балочную модель"));
    }
    return warnings;
}

// A tone whose beam model could not be built keeps the energy method's frequency.
std::string recommendedMethod(const ToneSummary& tone)
{
    if (tone.shearBeamFrequency > 0.0)
        return "балка со сдвигом";
    return tone.tone >= 3 && tone.beamFrequency > 0.0 ? "балочная модель" : "энергетический метод";
}

double recommendedFrequency(const ToneSummary& tone)
{
    if (tone.shearBeamFrequency > 0.0)
        return tone.shearBeamFrequency;
    return tone.tone >= 3 && tone.beamFrequency > 0.0 ? tone.beamFrequency : tone.energyFrequency;
}

}  // namespace hullcalc
