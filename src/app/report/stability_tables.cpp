#include "report/stability_tables.h"

#include <string>

namespace hullcalc {

ReportTable stabilityCriteriaTable(const StabilitySheet& sheet)
{
    return gridTable("Общие критерии остойчивости ИМО", sheet.criteria, std::string(stabilityCriteriaNote), true);
}

ReportTable rightingLeverTable(const StabilitySheet& sheet)
{
    return gridTable("Плечи остойчивости через 5°", sheet.rightingLevers,
                     "Дифферент — Tк − Tн ватерлинии при крене, на корму положительный; KN — плечо центра величины "
                     "относительно точки киля; GZ = KN − z_g·sin φ; ∫GZ dφ — плечо динамической остойчивости",
                     true);
}

ReportTable crossCurveTable(const StabilitySheet& sheet)
{
    return gridTable("Пантокарены", sheet.crossCurves,
                     "KN, м — плечо центра величины относительно точки киля на ровный киль для объема V "
                     "ватерлиний 1–10 и нагрузки расчетного случая; пусто — объем не вмещается до палубы",
                     true);
}

std::vector<CaptionedValue> stabilityFigureLines(const StabilitySheet& sheet)
{
    std::vector<CaptionedValue> lines;
    for (const StabilityFigure& figure : sheet.figures)
        lines.push_back({figure.caption, figure.value, true});
    return lines;
}

}  // namespace hullcalc
