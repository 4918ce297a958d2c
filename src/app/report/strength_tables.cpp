#include "report/strength_tables.h"

#include "strength/strength_summary.h"

namespace hullcalc {

namespace {

std::vector<CaptionedValue> lines(const std::vector<SummaryEntry>& entries)
{
    std::vector<CaptionedValue> values;
    for (const SummaryEntry& entry : entries)
        values.push_back({entry.caption, entry.value, true});
    return values;
}

}  // namespace

ReportTable waveCaseTable(const StrengthSheet& sheet, WaveCase waveCase)
{
    const std::string title =
        waveCase == WaveCase::hogging ? "Вершина волны на миделе (перегиб)" : "Подошва волны на миделе (прогиб)";
    return gridTable(title, sheet.balance(waveCase).frames,
                     "x — абсцисса от миделя в нос; η — возвышение волны над ее средним уровнем; T — осадка "
                     "шпангоута; ω — погруженная площадь; N, M — перерезывающая сила и изгибающий момент; Nв, "
                     "Mв — их волновые части (за вычетом тихой воды)",
                     true);
}

ReportTable girderSumsTable(const StrengthSheet& sheet)
{
    return gridTable("Эквивалентный брус", sheet.girder.sums,
                     "F — площадь связи, z — отстояние ее центра тяжести от основной плоскости, i — собственный "
                     "момент инерции; справа нарастающие суммы",
                     true);
}

ReportTable stressesTable(const StrengthSheet& sheet)
{
    return gridTable("Напряжения в палубе и днище", stressTable(sheet),
                     "Напряжения при наибольшем по модулю изгибающем моменте случая; растяжение положительно", true);
}

std::vector<CaptionedValue> waveLines(const StrengthSheet& sheet) { return lines(waveSummary(sheet)); }
std::vector<CaptionedValue> ruleLoadLines(const StrengthSheet& sheet) { return lines(ruleLoadSummary(sheet)); }
std::vector<CaptionedValue> girderLines(const StrengthSheet& sheet) { return lines(girderSummary(sheet)); }

}  // namespace hullcalc
