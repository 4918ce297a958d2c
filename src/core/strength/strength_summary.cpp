#include "strength/strength_summary.h"

#include "common/hull_frames.h"
#include "common/number_text.h"

namespace hullcalc {

namespace {

std::string withFrame(double value, int frame) { return formatF(value) + " (" + frameLabel(frame) + ")"; }

}  // namespace

std::vector<SummaryEntry> waveSummary(const StrengthSheet& sheet)
{
    std::vector<SummaryEntry> lines = {
        {"Профиль волны", sheet.wave.profile == WaveProfile::trochoid ? "трохоида" : "косинусоида"},
        {"Высота волны h, м", formatFixed(sheet.wave.height, 3)},
        {"Высота волны: источник", sheet.waveSource},
        {"Длина волны λ, м", formatF(sheet.wave.length)},
        {"Уменьшение давления с глубиной (эффект Смита)", sheet.wave.smithEffect ? "учтено" : "не учтено"},
    };
    for (const WaveCase waveCase : {WaveCase::hogging, WaveCase::sagging}) {
        const WaveBalance& b = sheet.balance(waveCase);
        const std::string prefix =
            waveCase == WaveCase::hogging ? "Вершина волны на миделе: " : "Подошва волны на миделе: ";
        lines.push_back({prefix + "осадка средняя Tm, м", formatFixed(b.meanDraft, 3)});
        lines.push_back({prefix + "осадка носом, м", formatFixed(b.forwardDraft, 3)});
        lines.push_back({prefix + "осадка кормой, м", formatFixed(b.aftDraft, 3)});
        lines.push_back({prefix + "приближений", std::to_string(b.iterations)});
        lines.push_back(
            {prefix + "наибольшая перерезывающая сила, кН", withFrame(b.largestShearForce, b.largestShearFrame)});
        lines.push_back(
            {prefix + "наибольший изгибающий момент, кН·м", withFrame(b.largestMoment, b.largestMomentFrame)});
    }
    return lines;
}

std::vector<SummaryEntry> girderSummary(const StrengthSheet& sheet)
{
    const HullGirder& g = sheet.girder;
    if (!g.present)
        return {};
    return {
        {"Площадь связей ΣF, см²", formatF(g.area)},
        {"Нейтральная ось z₀, м", formatFixed(g.neutralAxis, 3)},
        {"Момент инерции I, см²·м²", formatF(g.inertia)},
        {"Момент инерции I, м⁴", formatFixed(g.inertiaM4(), 4)},
        {"Момент сопротивления палубы W, м³", formatFixed(g.deckModulus, 4)},
        {"Момент сопротивления днища W, м³", formatFixed(g.bottomModulus, 4)},
        {"Сталь: предел текучести σт, МПа", formatF(sheet.yieldStress)},
        {"Сталь: коэффициент k", formatFixed(hullSteelFactor(sheet.steel), 2)},
        {"Допускаемое напряжение [σ], МПа", formatF(sheet.allowableStress)},
    };
}

std::vector<SummaryEntry> ruleLoadSummary(const StrengthSheet& sheet)
{
    const RuleWaveLoads& r = sheet.ruleLoads;
    if (!r.applies)
        return {{"IACS UR S11", r.reason}};
    return {
        {"IACS UR S11: волновой коэффициент C", formatFixed(r.waveCoefficient, 3)},
        {"IACS UR S11: осадка T для Cb, м", formatFixed(r.scantlingDraft, 3)},
        {"IACS UR S11: коэффициент общей полноты при T", formatFixed(r.actualBlockCoefficient, 3)},
        {"IACS UR S11: коэффициент общей полноты Cb (не меньше 0,6)", formatFixed(r.blockCoefficient, 3)},
        {"IACS UR S11: волновой момент, перегиб, кН·м", formatF(r.hoggingMoment)},
        {"IACS UR S11: волновой момент, прогиб, кН·м", formatF(r.saggingMoment)},
        {"IACS UR S11: волновая перерезывающая сила, положительная, кН", formatF(r.positiveShearForce)},
        {"IACS UR S11: волновая перерезывающая сила, отрицательная, кН", formatF(r.negativeShearForce)},
        {"IACS: наименьший момент сопротивления миделевого сечения, м³", formatFixed(r.minimumSectionModulus, 4)},
    };
}

TextGrid stressTable(const StrengthSheet& sheet)
{
    constexpr int columns = 10;
    TextGrid table(columns, loadCaseCount + 1);
    const char* captions[] = {"Случай",   "Шп",       "M, кН·м", "σ палубы, МПа",  "σ днища, МПа",
                              "[σ], МПа", "Запас, %", "σт, МПа", "Запас до σт, %", "Проверка"};
    for (int column = 0; column < columns; ++column)
        table.setCell(column, 0, captions[column]);
    for (int c = 0; c < loadCaseCount; ++c) {
        const GirderStress& s = sheet.stresses[static_cast<std::size_t>(c)];
        const int row = c + 1;
        table.setCell(0, row, std::string(loadCaseCaption(static_cast<LoadCase>(c))));
        table.setCell(1, row, frameLabel(s.frame));
        table.setCell(2, row, formatF(s.moment));
        table.setCell(3, row, formatF(s.deckStress));
        table.setCell(4, row, formatF(s.bottomStress));
        table.setCell(5, row, formatF(sheet.allowableStress));
        table.setCell(6, row, formatF(s.margin));
        table.setCell(7, row, formatF(sheet.yieldStress));
        table.setCell(8, row, formatF(s.yieldMargin));
        table.setCell(9, row, s.yielded ? "выше предела текучести" : s.exceeded ? "превышено" : "выполнена");
    }
    return table;
}

}  // namespace hullcalc
