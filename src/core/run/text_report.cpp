// The report's tables in fixed-width columns, the texts as the windows show them.
#include "run/text_report.h"

#include "common/error.h"
#include "common/number_text.h"
#include "common/utf8_text.h"
#include "strength/strength_summary.h"
#include "trim/curves_of_form.h"
#include "vibration/beam_model.h"
#include "vibration/tone_comparison.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iomanip>
#include <optional>

namespace hullcalc {

namespace {

void printTable(std::ostream& out, const std::string& title, const TextGrid& grid)
{
    out << title << '\n';
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column)
            // A blank before every column, however wide its text: long texts
            // must not run into one number.
            out << (column == 0 ? "" : " ") << std::setw(column == 0 ? 7 : 10) << grid.cell(column, row);
        out << '\n';
    }
    out << '\n';
}

// The energy method's ω as the vibration window shows it, or none before it is computed.
std::optional<double> energyFrequency(const ToneRun& tone) { return numberOrNothing(tone.sheet.frequency); }

// (beam − energy) / energy in %, one decimal; "-" where there is no such
// number: an energy-method frequency of 0 (every inertia nearly zero) or a
// ratio beyond any text.
std::string differenceText(double beam, double energy)
{
    const double percent = differencePercent(beam, energy);
    if (energy == 0.0 || !std::isfinite(percent))
        return "-";
    try {
        return readableFixed(percent, 1) + " %";
    } catch (const Error&) {
        return "-";
    }
}

// "7,4211 1/с; 1,181 Гц; 70,9 кол/мин", the precisions of the vibration window.
std::string frequencyText(double circularFrequency)
{
    const Frequency f = frequencyOf(circularFrequency);
    return readableFixed(f.perSecond, 4) + " 1/с; " + readableFixed(f.hertz, 3) + " Гц; "
           + readableFixed(f.perMinute, 1) + " кол/мин";
}

void printBeamModel(std::ostream& out, const ToneRun& tone, const char* indent)
{
    out << indent << "Частота по балочной модели: ";
    if (tone.beam)
        out << frequencyText(tone.beam->beamFrequency) << "; отличие от энергетического метода "
            << differenceText(tone.beam->beamFrequency, tone.beam->energyFrequency) << '\n';
    else
        out << "не вычислена: " << tone.beamError.value_or("") << '\n';
    if (tone.beam && tone.beam->shearBeamFrequency > 0)
        out << indent << "Частота по балке со сдвигом: " << frequencyText(tone.beam->shearBeamFrequency)
            << "; отличие от энергетического метода "
            << differenceText(tone.beam->shearBeamFrequency, tone.beam->energyFrequency) << '\n';
    if (tone.beam)
        out << indent << "Принять: " << recommendedMethod(*tone.beam)
            << (tone.beam->lewisAddedMass ? " (присоединенная масса по Льюису)" : "") << '\n';
}

// The margins of the tones from the exciting frequencies, when any was typed.
void printResonance(std::ostream& out, const ShipRun& run)
{
    const bool withShear = std::any_of(run.tones.begin(), run.tones.end(), [](const ToneRun& tone) {
        return tone.beam && tone.beam->shearBeamFrequency > 0;
    });
    if (withShear)
        out << run.shearAreaNote << '\n';
    if (run.resonance.empty())
        return;
    out << "\nРезонанс: отстройка тонов от частот возбуждения (допустимо ±" << formatFixed(run.resonanceLimitPercent, 0)
        << " %)\n";
    for (const ResonanceMargin& m : run.resonance)
        out << "Тон " << toneNumeral(m.tone) << " " << formatFixed(m.toneHertz, 2) << " Гц — " << m.excitation << " "
            << formatFixed(m.excitationHertz, 2) << " Гц: " << formatFixed(m.marginPercent, 1) << " %"
            << (m.inside ? " — в резонансной зоне" : "") << '\n';
}

// One tone as the vibration window shows it after "Расчет".
void printTone(std::ostream& out, const ToneRun& tone)
{
    const VibrationSheet& vibration = tone.sheet;
    out << "\nВибрация\nЖесткость " << vibration.stiffness << "\nМасса     " << vibration.mass << "\nЧастота   "
        << vibration.frequency << '\n'
        << vibration.shift << '\n'
        << vibration.turn << '\n';
    if (!vibration.frequency.empty())
        printBeamModel(out, tone, "");
}

// `text` padded with blanks to `width` characters; setw would count the bytes
// of the Cyrillic letters.
std::string padded(const std::string& text, std::size_t width, bool left = false)
{
    const std::size_t characters = characterCount(text);
    const std::string blanks(width > characters ? width - characters : 0, ' ');
    return left ? text + blanks : blanks + text;
}

// Tones I to IV side by side, each with its beam-model line, and Kumai's
// estimate beside tone I.
void printToneComparison(std::ostream& out, const ShipRun& run)
{
    constexpr std::array<std::size_t, 5> widths = {5, 10, 10, 12, 8};
    const std::optional<double> first = energyFrequency(run.tones.front());
    out << "\nВибрация: тоны I-IV, энергетический метод\n"
        << padded("Тон", widths[0], true) << padded("ω, 1/с", widths[1]) << padded("f, Гц", widths[2])
        << padded("N, кол/мин", widths[3]) << padded("ω/ωI", widths[4]) << '\n';
    for (const ToneRun& tone : run.tones) {
        const std::optional<double> omega = energyFrequency(tone);
        if (!omega)
            continue;
        const Frequency f = frequencyOf(*omega);
        out << padded(toneNumeral(tone.sheet.tone), widths[0], true) << padded(readableFixed(f.perSecond, 4), widths[1])
            << padded(readableFixed(f.hertz, 3), widths[2]) << padded(readableFixed(f.perMinute, 1), widths[3])
            << padded(first && *first > 0 ? readableFixed(*omega / *first, 3) : "-", widths[4]);
        if (tone.sheet.tone == lowestTone && run.kumai)
            out << "   Кумаи: " << readableFixed(run.kumai->perMinute, 1) << " кол/мин; отличие "
                << readableFixed(run.kumai->differencePercent, 1) << " %"
                << (run.kumai->note.empty() ? "" : " (" + run.kumai->note + ")");
        out << '\n';
        printBeamModel(out, tone, "     ");
    }
}

// A table whose captions and row labels are words: columns padded by
// characters, not bytes, the labels left-aligned and as wide as the longest.
void printCaptionedTable(std::ostream& out, const std::string& title, const TextGrid& grid)
{
    std::size_t characters = 0;
    for (int row = 0; row < grid.rowCount(); ++row) {
        characters = std::max(characters, characterCount(grid.cell(0, row)));
    }
    out << title << '\n';
    for (int row = 0; row < grid.rowCount(); ++row) {
        out << padded(grid.cell(0, row), characters, true);
        for (int column = 1; column < grid.columnCount(); ++column)
            out << ' ' << padded(grid.cell(column, row), 13);
        out << '\n';
    }
    out << '\n';
}

void printEntries(std::ostream& out, const std::vector<SummaryEntry>& entries)
{
    for (const SummaryEntry& entry : entries)
        out << entry.caption << ": " << entry.value << '\n';
}

// The ship on the wave, the girder and the stresses, as the page shows them.
void printStrength(std::ostream& out, const StrengthSheet& strength)
{
    out << "\nСудно на волне\n";
    printEntries(out, waveSummary(strength));
    out << '\n';
    printCaptionedTable(out, "Вершина волны на миделе (перегиб)", strength.hogging.frames);
    printCaptionedTable(out, "Подошва волны на миделе (прогиб)", strength.sagging.frames);
    printEntries(out, ruleLoadSummary(strength));
    if (!strength.girder.present)
        return;
    out << '\n';
    printCaptionedTable(out, "Эквивалентный брус", strength.girder.sums);
    printEntries(out, girderSummary(strength));
    out << '\n';
    printCaptionedTable(out, "Напряжения", stressTable(strength));
}

// The curves of form, one line per waterline, each value to three decimals
// (the coefficients to four) where the table keeps 15 digits; in two blocks,
// the dimensions and then the ratios, to fit a page's width.
void printCurvesOfForm(std::ostream& out, const CurvesOfForm& form)
{
    const auto printBlock = [&](std::size_t first, std::size_t last) {
        out << padded("ВЛ", 3);
        for (std::size_t i = first; i <= last; ++i)
            out << padded(std::string(formQuantities[i].caption), 11);
        out << '\n';
        for (int j = 1; j < form.table.rowCount(); ++j) {
            out << padded(std::to_string(j), 3);
            for (std::size_t i = first; i <= last; ++i) {
                const FormQuantityInfo& info = formQuantities[i];
                const std::string& shown = form.table.cell(formColumn(info.quantity), j);
                // A caption without a unit is a coefficient of fineness.
                const bool coefficient = info.caption.find(',') == std::string_view::npos;
                out << padded(shown.empty() ? "-" : readableFixed(parseNumber(shown), coefficient ? 4 : 3), 11);
            }
            out << '\n';
        }
    };
    const auto column = [](FormQuantity quantity) { return static_cast<std::size_t>(quantity); };
    out << "Кривые элементов теоретического чертежа\n";
    printBlock(column(FormQuantity::draft), column(FormQuantity::midshipSectionArea));
    out << '\n';
    printBlock(column(FormQuantity::midshipSectionArea) + 1, column(FormQuantity::momentToTrimOneCentimetre));
    out << curvesOfFormNote << "\n\n";
}

// The righting-lever curve every 10°, its areas and angles, and the criteria.
void printLargeAngleStability(std::ostream& out, const LargeAngleStability& stability)
{
    const RightingLeverCurve& curve = stability.rightingLevers;
    out << "\nОстойчивость на больших углах (" << stabilityTrimCaption(curve.trimMode)
        << "; палуба плоская на высоте H, без седловатости и надстроек)\n";
    out << "Крен, град.   KN, м   GZ, м   дифферент, м\n";
    for (std::size_t k = 0; k < curve.heel.size(); k += 10)
        out << padded(formatFixed(curve.heel[k], 0), 11) << ' ' << padded(formatFixed(curve.crossCurveLever[k], 3), 7)
            << ' ' << padded(formatFixed(curve.rightingLever[k], 3), 7) << ' '
            << padded(formatFixed(curve.trim[k], 3), 12) << '\n';
    const auto angle = [](const std::optional<double>& a) { return a ? formatFixed(*a, 2) : std::string("нет"); };
    out << "GM0, м " << formatFixed(curve.metacentricHeight, 3) << '\n'
        << "Наибольшее плечо GZ, м " << formatFixed(curve.maxRightingLever, 3) << " при крене "
        << formatFixed(curve.maxRightingLeverHeel, 2) << "°\n"
        << "Угол заката диаграммы, град. " << angle(curve.vanishingAngle) << '\n'
        << "Угол входа кромки палубы в воду (мидель), град. " << angle(curve.deckEdgeAngle) << '\n'
        << "Угол выхода скулы из воды (мидель), град. " << angle(curve.bilgeEmergenceAngle) << '\n';
    out << "Критерии ИМО: значение / норматив / запас\n";
    for (const StabilityCriterion& c : stability.criteria)
        out << "  " << c.caption << ", " << c.unit << ": " << formatFixed(c.value, 3) << " / "
            << formatFixed(c.limit, 3) << " / " << formatFixed(c.margin(), 3) << " — "
            << (c.passed ? "выполнен" : "НЕ выполнен") << '\n';
    out << stabilityCriteriaNote << '\n';
}

}  // namespace

void printTextReport(std::ostream& out, const ShipRun& run)
{
    const TrimSheet& sheet = run.trim.sheet;
    printTable(out, "Погруженные площади, кв. м (шпангоут x ватерлиния)", sheet.bonjean.sectionAreas);
    printTable(out, "Статический момент, куб. м (шпангоут x ватерлиния)", sheet.bonjean.sectionMoments);
    printCurvesOfForm(out, sheet.curvesOfForm);
    printTable(out, "Нагрузка на шпацию", sheet.results.loads);
    printTable(out, "Перерезывающая сила", sheet.results.shearForce);
    printTable(out, "Изгибающий момент", sheet.results.bendingMoment);
    out << "Результаты\n";
    for (std::size_t i = 0; i < summaryCaptions.size(); ++i)
        out << summaryCaptions[i] << ' ' << sheet.results.summary[i] << '\n';
    // The moment's closure above is a sum without unit; as a moment:
    if (const std::optional<double> moment = bendingMomentClosure(sheet))
        out << "Невязка по изгибающему моменту (× ΔL/2), кН·м " << readableFixed(*moment, 2) << '\n';
    if (!sheet.stability.verticalCentreOfGravity.empty())
        for (const StabilityLine& line : stabilityLines)
            out << line.caption << ' ' << sheet.stability.*line.text << '\n';
    if (run.stability)
        printLargeAngleStability(out, *run.stability);
    if (run.strength && run.strength->complete)
        printStrength(out, *run.strength);
    if (run.tones.size() > 1)
        printToneComparison(out, run);
    else
        for (const ToneRun& tone : run.tones)
            printTone(out, tone);
    if (!run.tones.empty())
        printResonance(out, run);
}

}  // namespace hullcalc
