// The report's tables in fixed-width columns, the texts as the windows show them.
#include "cli/text_report.h"

#include <iomanip>

namespace hullcalc {

namespace {

void printTable(std::ostream& out, const std::string& title, const TextGrid& grid)
{
    out << title << '\n';
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column)
            out << std::setw(column == 0 ? 7 : 11) << grid.cell(column, row);
        out << '\n';
    }
    out << '\n';
}

}  // namespace

void printTextReport(std::ostream& out, const ShipRun& run)
{
    const TrimSheet& sheet = run.sheet;
    printTable(out, "Погруженные площади, кв. м (шпангоут x ватерлиния)", sheet.bonjean.sectionAreas);
    printTable(out, "Статический момент, куб. м (шпангоут x ватерлиния)", sheet.bonjean.sectionMoments);
    printTable(out, "Нагрузка на шпацию", sheet.results.loads);
    printTable(out, "Перерезывающая сила", sheet.results.shearForce);
    printTable(out, "Изгибающий момент", sheet.results.bendingMoment);
    out << "Результаты\n";
    for (std::size_t i = 0; i < summaryCaptions.size(); ++i)
        out << summaryCaptions[i] << ' ' << sheet.results.summary[i] << '\n';
    for (const ShipRun::Tone& tone : run.tones) {
        const VibrationSheet& vibration = tone.sheet;
        out << "\nВибрация\nЖесткость " << vibration.stiffness << "\nМасса     " << vibration.mass << "\nЧастота   "
            << vibration.frequency << '\n'
            << vibration.shift << '\n'
            << vibration.turn << '\n';
    }
}

}  // namespace hullcalc
