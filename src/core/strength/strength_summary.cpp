#include "strength/strength_summary.h"

#include "common/hull_frames.h"
#include "common/number_text.h"

namespace hullcalc {

namespace {

std::string withFrame(double value, int frame) { return readableFixed(value, 2) + " (" + frameLabel(frame) + ")"; }

}  // namespace

std::vector<SummaryEntry> waveSummary(const StrengthSheet& sheet)
{
    std::vector<SummaryEntry> lines = {
        {"Профиль волны", sheet.wave.profile == WaveProfile::trochoid ? "трохоида" : "косинусоида"},
        {"Высота волны h, м", readableFixed(sheet.wave.height, 3)},
        {"Высота волны: источник", sheet.waveSource},
        {"Длина волны λ, м", readableFixed(sheet.wave.length, 2)},
        {"Уменьшение давления с глубиной (эффект Смита)", sheet.wave.smithEffect ? "учтено" : "не учтено"},
    };
    for (const WaveCase waveCase : {WaveCase::hogging, WaveCase::sagging}) {
        const WaveBalance& b = sheet.balance(waveCase);
        const std::string prefix =
            waveCase == WaveCase::hogging ? "Вершина волны на миделе: " : "Подошва волны на миделе: ";
        lines.push_back({prefix + "осадка средняя Tm, м", readableFixed(b.meanDraft, 3)});
        lines.push_back({prefix + "осадка носом, м", readableFixed(b.forwardDraft, 3)});
        lines.push_back({prefix + "осадка кормой, м", readableFixed(b.aftDraft, 3)});
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
        {"Площадь связей ΣF, см²", readableFixed(g.area, 2)},
        {"Нейтральная ось z₀, м", readableFixed(g.neutralAxis, 3)},
        {"Момент инерции I, см²·м²", readableFixed(g.inertia, 2)},
        {"Момент инерции I, м⁴", readableFixed(g.inertiaM4(), 4)},
        {"Момент сопротивления палубы W, м³", readableFixed(g.deckModulus, 4)},
        {"Момент сопротивления днища W, м³", readableFixed(g.bottomModulus, 4)},
        {"Сталь: предел текучести σт, МПа", readableFixed(sheet.yieldStress, 2)},
        {"Сталь: коэффициент k", readableFixed(hullSteelFactor(sheet.steel), 2)},
        {"Допускаемое напряжение [σ], МПа", readableFixed(sheet.allowableStress, 2)},
    };
}

std::vector<SummaryEntry> ruleLoadSummary(const StrengthSheet& sheet)
{
    const RuleWaveLoads& r = sheet.ruleLoads;
    if (!r.applies)
        return {{"IACS UR S11", r.reason}};
    return {
        {"IACS UR S11: волновой коэффициент C", readableFixed(r.waveCoefficient, 3)},
        {"IACS UR S11: осадка T для Cb, м", readableFixed(r.scantlingDraft, 3)},
        {"IACS UR S11: коэффициент общей полноты при T", readableFixed(r.actualBlockCoefficient, 3)},
        {"IACS UR S11: коэффициент общей полноты Cb (не меньше 0,6)", readableFixed(r.blockCoefficient, 3)},
        {"IACS UR S11: волновой момент, перегиб, кН·м", readableFixed(r.hoggingMoment, 2)},
        {"IACS UR S11: волновой момент, прогиб, кН·м", readableFixed(r.saggingMoment, 2)},
        {"IACS UR S11: волновая перерезывающая сила, положительная, кН", readableFixed(r.positiveShearForce, 2)},
        {"IACS UR S11: волновая перерезывающая сила, отрицательная, кН", readableFixed(r.negativeShearForce, 2)},
        {"IACS: наименьший момент сопротивления миделевого сечения, м³", readableFixed(r.minimumSectionModulus, 4)},
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
    if (!sheet.complete || !sheet.girder.present)
        return table;
    for (int c = 0; c < loadCaseCount; ++c) {
        const GirderStress& s = sheet.stresses[static_cast<std::size_t>(c)];
        const int row = c + 1;
        table.setCell(0, row, std::string(loadCaseCaption(static_cast<LoadCase>(c))));
        table.setCell(1, row, frameLabel(s.frame));
        table.setCell(2, row, readableFixed(s.moment, 2));
        table.setCell(3, row, readableFixed(s.deckStress, 2));
        table.setCell(4, row, readableFixed(s.bottomStress, 2));
        table.setCell(5, row, readableFixed(sheet.allowableStress, 2));
        table.setCell(6, row, readableFixed(s.margin, 2));
        table.setCell(7, row, readableFixed(sheet.yieldStress, 2));
        table.setCell(8, row, readableFixed(s.yieldMargin, 2));
        table.setCell(9, row, s.yielded ? "выше предела текучести" : s.exceeded ? "превышено" : "выполнена");
    }
    return table;
}

}  // namespace hullcalc
