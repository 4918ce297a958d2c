// The steps of one ship in their order, each failure caught at one place and
// turned into its message and place.
#include "run/ship_run.h"

#include "common/error.h"
#include "common/number_text.h"
#include "presentation/strength_page_names.h"
#include "trim/trim_calculation.h"
#include "vibration/kumai_estimate.h"
#include "vibration/resonance.h"
#include "vibration/tone_comparison.h"
#include "vibration/vibration.h"

#include <cmath>
#include <exception>
#include <numbers>
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

// An arithmetic failure (an overflow, a division by zero) that no one input is
// named for - a tiny L that the steps divide by - is placed at its step.
std::optional<RunFailure> atStep(std::optional<RunFailure> failure, std::string_view step)
{
    if (!failure || !failure->place.label.empty())
        return failure;
    for (const std::string_view arithmetic : {messages::overflow, messages::divisionByZero, messages::invalidOperation})
        if (failure->message == arithmetic)
            failure->place.label = "«" + std::string(step) + "»";
    return failure;
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

RunFailure runFailureOf(const std::exception& error, const TrimSheet& trim, const VibrationSheet* vibration,
                        const TextGrid* girderMembers)
{
    return {error.what(), placeOf(error, trim, vibration, girderMembers),
            failureCellOf(error, trim, vibration, girderMembers)};
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
    // The captions after the input: a front end's tables without them (the
    // windows' before the trim window first shows) still name a bad cell by
    // its frame and waterline.
    run.sheet.input = ship.input;
    writeHeaders(run.sheet);
    // A check that cannot even state its finding (a value beyond any text)
    // stops the run as a failed step would.
    run.failure = attempt(run.sheet, nullptr, [&] { run.warnings = checkInput(ship.particulars, run.sheet.input); });
    if (!run.failure)
        run.failure = atStep(
            attempt(run.sheet, nullptr, [&] { run.particulars = runTrimCalculation(run.sheet, ship.particulars); }),
            "Расчет удифферентовки");
    const std::optional<RunFailure> checked = attempt(run.sheet, nullptr, [&] {
        const std::vector<Warning> results = checkResults(ship.particulars, run.sheet);
        run.warnings.insert(run.warnings.end(), results.begin(), results.end());
    });
    if (!run.failure)
        run.failure = checked;
    return run;
}

// The beam models' settings of the ship's typed options: the girder's members
// of its strength input, the depth for the rotary inertia (none: no rotary
// inertia where H is not a number).
BeamSettings beamSettingsOf(const Ship& ship, std::string& note)
{
    double depth = 0.0;
    try {
        depth = readDepth(ship.particulars);
    } catch (const std::exception&) {
    }
    return beamSettingsOf(ship.vibrationOptions, ship.strength ? &ship.strength->girderMembers : nullptr, depth, note);
}

ToneRun runTone(const Ship& ship, const TrimRun& trim, int tone)
{
    ToneRun run{vibrationInputOf(ship), {}, {}, {}};
    run.failure = atStep(attempt(trim.sheet, &run.sheet,
                                 [&] {
                                     selectTone(run.sheet, tone);
                                     computeVibration(trimmedHull(trim.sheet), trim.particulars, run.sheet);
                                 }),
                         "Вибрация");
    if (run.failure)
        return run;
    try {
        std::string note;
        run.beam =
            beamModelsOf(run.sheet, trim.particulars, trim.sheet.hydrostatics.frameSpacing, beamSettingsOf(ship, note));
    } catch (const Error& e) {
        run.beamError = userMessage(e.what());
    }
    return run;
}

KumaiRun runKumai(const Ship& ship, const TrimRun& trim, const ToneRun& toneOne)
{
    KumaiRun run;
    const VibrationSheet input = vibrationInputOf(ship);
    run.failure =
        atStep(attempt(trim.sheet, &input,
                       [&] {
                           const TwoNodeEstimate estimate = kumaiTwoNodeFrequency(trim.sheet, trim.particulars, input);
                           const double energy = parseNumber(toneOne.sheet.frequency);
                           run.estimate = KumaiEstimate{estimate.perMinute,
                                                        differenceFromKumai(energy, estimate.perMinute), estimate.note};
                       }),
               "Оценка по Кумаи");
    return run;
}

RunRequest everyTone(RunStep upTo) { return RunRequest{{1, 2, 3, 4}, true, upTo}; }

std::vector<Warning> ShipRun::warnings() const
{
    std::vector<Warning> all;
    for (const StepRecord& record : steps)
        all.insert(all.end(), record.warnings.begin(), record.warnings.end());
    return all;
}

const ToneRun* ShipRun::toneRun(int tone) const
{
    for (const ToneRun& run : tones)
        if (run.sheet.tone == tone)
            return &run;
    return nullptr;
}

std::vector<ToneSummary> ShipRun::comparedTones() const
{
    // A tone whose beam model failed stands with the energy method alone: its
    // frequency is still compared, taken and checked for resonance.
    std::vector<ToneSummary> compared;
    for (const ToneRun& tone : tones) {
        if (tone.beam)
            compared.push_back(*tone.beam);
        else if (!tone.failure)
            compared.push_back(energyMethodSummary(tone.sheet));
    }
    return compared;
}

namespace {

// The strength check on the trim run, with the particulars the trim
// calculation read and the depth read here, once: a member cell at fault is
// its failure's place; the stresses above the allowable are
// warnings.
void runStrength(ShipRun& run, StepRecord& record)
{
    const StrengthInput& input = *run.ship.strength;
    StrengthSheet& strength = run.strength.emplace();
    try {
        runStrengthCalculation(run.trim.sheet, run.trim.particulars, readDepth(run.ship.particulars),
                               run.ship.particulars.shipType == ShipType::sea, run.ship.particulars.draft, input,
                               strength);
    } catch (const std::exception& e) {
        record.failure =
            atStep(runFailureOf(e, run.trim.sheet, nullptr, &input.girderMembers), strengthPageNames::caption);
        return;
    }
    for (const std::string& warning : strength.warnings)
        record.warnings.push_back(Warning{warning});
}

// The cross curves, the righting-lever curve in the ship's trim mode and the
// criteria, on the hull the trim run left; each criterion failed is a warning.
void runStabilityStep(ShipRun& run, StepRecord& record)
{
    try {
        run.stability = computeLargeAngleStability(
            run.trim.sheet.input, run.trim.sheet.bonjean, run.trim.sheet.hydrostatics, run.trim.sheet.iteration,
            run.trim.particulars, readDepth(run.ship.particulars), run.ship.particulars.stabilityTrim);
    } catch (const std::exception& e) {
        record.failure = runFailureOf(e, run.trim.sheet);
        return;
    }
    if (run.stability)
        for (const StabilityCriterion& c : run.stability->criteria)
            if (!c.passed)
                record.warnings.push_back(Warning{"Критерий остойчивости не выполнен: " + std::string(c.caption) + " "
                                                  + formatFixed(c.value, 3) + " " + std::string(c.unit) + " < "
                                                  + formatFixed(c.limit, 3) + " " + std::string(c.unit)});
}

// Each tone asked for until one fails; where the two methods disagree on a
// tone, the user is told which to believe.
void runTones(ShipRun& run, StepRecord& record)
{
    for (const int tone : run.request.tones) {
        const ToneRun& computed = run.tones.emplace_back(runTone(run.ship, run.trim, tone));
        if (computed.failure) {
            record.failure = computed.failure;
            return;
        }
    }
    const std::vector<ToneSummary> compared = run.comparedTones();
    for (std::string& message : toneDifferenceWarnings(compared))
        record.warnings.push_back({std::move(message), Warning::Place::None, 0, 0, nullptr});
    try {
        beamSettingsOf(run.ship, run.shearAreaNote);
    } catch (const Error& e) {
        run.shearAreaNote = userMessage(e.what());
    }
    // The resonance check on the result to take for each tone: a typed
    // input that is not a number is told, and the tones stand.
    try {
        const std::vector<Excitation> excitations = excitationsOf(propulsionInputOf(run.ship.vibrationOptions));
        if (excitations.empty())
            return;
        std::vector<double> hertz;
        for (const ToneSummary& tone : compared)
            hertz.push_back(recommendedFrequency(tone) / (2 * std::numbers::pi));
        run.resonanceLimitPercent = resonanceMarginOf(run.ship.vibrationOptions);
        run.resonance = resonanceMargins(hertz, excitations, run.resonanceLimitPercent);
        // resonanceMargins numbers the tones by their place in `hertz`.
        for (std::size_t k = 0; k < run.resonance.size(); ++k)
            run.resonance[k].tone = compared[k / excitations.size()].tone;
        for (std::string& message : resonanceWarnings(run.resonance, run.resonanceLimitPercent))
            record.warnings.push_back({std::move(message), Warning::Place::None, 0, 0, nullptr});
    } catch (const Error& e) {
        record.warnings.push_back(
            {"Проверка резонанса: " + userMessage(e.what()), Warning::Place::None, 0, 0, nullptr});
    }
}

// The estimate checks the energy method's tone I, so only beside it.
void runKumaiStep(ShipRun& run, StepRecord& record)
{
    const ToneRun* toneOne = run.toneRun(lowestTone);
    if (!toneOne) {
        record.why = "не рассчитано: оценка по Кумаи сравнивается с I тоном, а он не рассчитан";
        return;
    }
    KumaiRun estimate = runKumai(run.ship, run.trim, *toneOne);
    run.kumai = estimate.estimate;
    record.failure = estimate.failure;
}

// Whether `step` is part of what the run was asked for.
bool asked(const ShipRun& run, RunStep step)
{
    if (step > run.request.upTo)
        return false;
    switch (step) {
    case RunStep::trim:
        return true;
    case RunStep::stability:
        return run.ship.particulars.verticalCentreOfGravity.find_first_not_of(" \t") != std::string::npos;
    case RunStep::strength:
        return run.ship.strength.has_value();
    case RunStep::tones:
        return !run.request.tones.empty();
    case RunStep::kumai:
        return run.request.kumai;
    }
    return false;
}

}  // namespace

ShipRun runShip(Ship ship, RunRequest request)
{
    ShipRun run;
    run.ship = std::move(ship);
    run.request = std::move(request);
    std::optional<RunStep> failed;
    for (const RunStep step : runSteps) {
        StepRecord& record = run.step(step);
        if (!asked(run, step))
            continue;
        if (failed) {
            record.why = notComputedAfter(*failed);
            continue;
        }
        switch (step) {
        case RunStep::trim:
            run.trim = runTrim(run.ship);
            record.failure = run.trim.failure;
            record.warnings = run.trim.warnings;
            break;
        case RunStep::stability:
            runStabilityStep(run, record);
            break;
        case RunStep::strength:
            runStrength(run, record);
            break;
        case RunStep::tones:
            runTones(run, record);
            break;
        case RunStep::kumai:
            runKumaiStep(run, record);
            break;
        }
        if (record.failure) {
            record.status = StepRecord::Status::failed;
            failed = step;
            if (!run.failure)
                run.failure = record.failure;
        } else if (record.why.empty()) {
            record.status = StepRecord::Status::computed;
        }
    }
    return run;
}

void showToneResults(const ShipRun& run, int tone, VibrationSheet& sheet)
{
    const ToneRun* computed = run.toneRun(tone);
    if (!computed) {
        clearVibrationResults(sheet);
        return;
    }
    TextGrid typed = std::move(sheet.sectionInertia);
    sheet = computed->sheet;
    sheet.sectionInertia = std::move(typed);
}

ChartModel campbellDiagramOf(const ShipRun& run)
{
    if (run.resonance.empty())
        return ChartModel{"Диаграмма Кэмпбелла", {}};
    // The margins come tone by tone, each tone once per excitation.
    std::vector<int> tones;
    std::vector<double> hertz;
    for (const ResonanceMargin& margin : run.resonance)
        if (tones.empty() || tones.back() != margin.tone) {
            tones.push_back(margin.tone);
            hertz.push_back(margin.toneHertz);
        }
    const PropulsionInput input = propulsionInputOf(run.ship.vibrationOptions);
    return campbellDiagram(hertz, excitationsOf(input), input, tones);
}

ShipRun unloadedShip(Ship ship, std::string inputFile, std::string message)
{
    ShipRun run;
    run.inputFile = std::move(inputFile);
    run.inputLoaded = false;
    run.ship = std::move(ship);
    run.trim.sheet.input = run.ship.input;
    writeHeaders(run.trim.sheet);
    run.failure = RunFailure{std::move(message), {}};
    return run;
}

std::string largeAngleStabilityAbsence(const ShipRun& run)
{
    if (run.stability)
        return {};
    const StepRecord& record = run.step(RunStep::stability);
    if (record.failed()) {
        std::string text =
            "Остойчивость на больших углах не рассчитана: " + firstLine(userMessage(record.failure->message));
        if (!record.failure->place.label.empty())
            text += "\nМесто: " + record.failure->place.label;
        return text;
    }
    if (run.ship.particulars.verticalCentreOfGravity.find_first_not_of(" \t") == std::string::npos) {
        return "Для расчета остойчивости на больших углах нужна «"
               + captionOf(fieldOf(&ShipParticulars::verticalCentreOfGravity))
               + "» (главные размерения судна): введите ее и выполните расчет (F9).";
    }
    if (!record.why.empty()) {
        // «не рассчитано: ошибка на шаге …» said of the stability, which is feminine.
        constexpr std::string_view notComputed = "не рассчитано: ";
        const std::string_view why = record.why;
        return "Остойчивость на больших углах не рассчитана: "
               + std::string(why.starts_with(notComputed) ? why.substr(notComputed.size()) : why) + ".";
    }
    return "Остойчивость на больших углах еще не рассчитана: выполните расчет (F9).";
}

std::string firstLine(const std::string& message) { return message.substr(0, message.find('\n')); }

}  // namespace hullcalc
