// The steps of one ship in their order, each failure caught at one place and
// turned into its message and place.
#include "run/ship_run.h"

#include "common/error.h"
#include "common/number_text.h"
#include "strength/strength_page_names.h"
#include "trim/trim_calculation.h"
#include "vibration/kumai_estimate.h"
#include "vibration/tone_comparison.h"
#include "vibration/vibration.h"

#include <exception>
#include <utility>

namespace hullcalc {

namespace {

// Runs one step; returns its failure, if any. Error is what bad input throws;
// anything else (a bad_alloc, a logic fault) still stops this ship only, with
// its message.
template<typename Step>
std::optional<RunFailure> attempt(const TrimSheet& trim, const VibrationSheet* vibration, Step&& step)
{
    try {
        step();
        return std::nullopt;
    } catch (const std::exception& e) {
        return runFailureOf(e, trim, vibration);
    }
}

// The vibration window's input: its headers and the ship's section inertias.
VibrationSheet vibrationInputOf(const Ship& ship)
{
    VibrationSheet sheet;
    writeVibrationHeaders(sheet);
    sheet.sectionInertia = ship.sectionInertia;
    return sheet;
}

}  // namespace

RunFailure runFailureOf(const std::exception& error, const TrimSheet& trim, const VibrationSheet* vibration)
{
    return {error.what(), placeOf(error, trim, vibration)};
}

std::vector<Warning> checkShip(const ShipParticulars& particulars, const TrimSheet& trim)
{
    std::vector<Warning> warnings = checkInput(particulars, trim.input);
    const std::vector<Warning> results = checkResults(particulars, trim);
    warnings.insert(warnings.end(), results.begin(), results.end());
    return warnings;
}

TrimRun runTrim(const Ship& ship)
{
    TrimRun run;
    writeHeaders(run.sheet);
    run.sheet.input = ship.input;
    // A check that cannot even state its finding (a value beyond any text)
    // stops the run as a failed step would.
    run.failure = attempt(run.sheet, nullptr, [&] { run.warnings = checkInput(ship.particulars, run.sheet.input); });
    if (!run.failure)
        run.failure =
            attempt(run.sheet, nullptr, [&] { run.particulars = runTrimCalculation(run.sheet, ship.particulars); });
    const std::optional<RunFailure> checked = attempt(run.sheet, nullptr, [&] {
        const std::vector<Warning> results = checkResults(ship.particulars, run.sheet);
        run.warnings.insert(run.warnings.end(), results.begin(), results.end());
    });
    if (!run.failure)
        run.failure = checked;
    return run;
}

ToneRun runTone(const Ship& ship, const TrimRun& trim, int tone)
{
    ToneRun run{vibrationInputOf(ship), {}, {}, {}};
    run.failure = attempt(trim.sheet, &run.sheet, [&] {
        selectTone(run.sheet, tone);
        computeVibration(trimmedHull(trim.sheet), trim.particulars, run.sheet);
    });
    if (run.failure)
        return run;
    try {
        run.beam = beamModelOf(run.sheet, trim.sheet.hydrostatics.frameSpacing);
    } catch (const Error& e) {
        run.beamError = e.what();
    }
    return run;
}

KumaiRun runKumai(const Ship& ship, const TrimRun& trim, const ToneRun& toneOne)
{
    KumaiRun run;
    const VibrationSheet input = vibrationInputOf(ship);
    run.failure = attempt(trim.sheet, &input, [&] {
        const TwoNodeEstimate estimate = kumaiTwoNodeFrequency(trim.sheet, trim.particulars, input);
        const double energy = parseNumber(toneOne.sheet.frequency);
        run.estimate =
            KumaiEstimate{estimate.perMinute, differenceFromKumai(energy, estimate.perMinute), estimate.note};
    });
    return run;
}

namespace {

// The strength check on the trim run: its failure is placed at the member
// cell at fault when one is; the stresses above the allowable are warnings.
std::optional<RunFailure> runStrength(ShipRun& run)
{
    const StrengthInput& input = *run.ship.strength;
    StrengthSheet& strength = run.strength.emplace();
    try {
        runStrengthCalculation(run.trim.sheet, run.ship.particulars, input, strength);
    } catch (const std::exception& e) {
        if (const auto* cell = dynamic_cast<const CellError*>(&e); cell && &cell->grid() == &input.girderMembers)
            return RunFailure{
                e.what(),
                {girderCellLocation(input.girderMembers, *cell),
                 "/input/strength/girder/" + std::to_string(cell->row() - 1) + "/" + std::to_string(cell->column())}};
        return runFailureOf(e, run.trim.sheet);
    }
    for (const std::string& warning : strength.warnings)
        run.trim.warnings.push_back(Warning{warning});
    return std::nullopt;
}

}  // namespace

ShipRun runShip(Ship ship, const std::vector<int>& tones, bool kumai)
{
    ShipRun run;
    run.ship = std::move(ship);
    run.trim = runTrim(run.ship);
    run.failure = run.trim.failure;
    if (run.failure)
        return run;
    if (run.ship.strength)
        if ((run.failure = runStrength(run)))
            return run;
    for (const int tone : tones) {
        const ToneRun& computed = run.tones.emplace_back(runTone(run.ship, run.trim, tone));
        if (computed.failure) {
            run.failure = computed.failure;
            return run;
        }
    }
    // Where the two methods disagree on a tone, the user is told which to believe.
    std::vector<ToneSummary> compared;
    for (const ToneRun& tone : run.tones)
        if (tone.beam)
            compared.push_back(*tone.beam);
    for (std::string& message : toneDifferenceWarnings(compared))
        run.trim.warnings.push_back({std::move(message), Warning::Place::None, 0, 0, nullptr});
    // The estimate checks the energy method's tone I, so only beside it.
    if (kumai && !run.tones.empty()) {
        KumaiRun estimate = runKumai(run.ship, run.trim, run.tones.front());
        run.kumai = estimate.estimate;
        run.failure = estimate.failure;
    }
    return run;
}

ShipRun unloadedShip(Ship ship, std::string inputFile, std::string message)
{
    ShipRun run;
    run.inputFile = std::move(inputFile);
    run.inputLoaded = false;
    run.ship = std::move(ship);
    writeHeaders(run.trim.sheet);
    run.trim.sheet.input = run.ship.input;
    run.failure = RunFailure{std::move(message), {}};
    return run;
}

std::string firstLine(const std::string& message) { return message.substr(0, message.find('\n')); }

}  // namespace hullcalc
