#include "trim/bonjean.h"

#include "common/checked_math.h"
#include "common/grid_values.h"
#include "common/number_text.h"

#include <array>

namespace hullcalc {

void resetWaterlineHeights(TrimSheet& sheet, const ShipParticulars& particulars)
{
    KeptValues& kept = sheet.kept;
    kept.TFrame.fill(0.0);
    kept.z[1] = 0.0;
    for (int k = 1; k <= waterlineCount; ++k)
        kept.z[k + 1] = parseNumber(particulars.ShipdT) + kept.z[k];
}

void drawBodyPlan(TrimSheet& sheet)
{
    const TextGrid& offsets = sheet.OrdinatGrid;
    std::vector<ChartSeries>& series = sheet.OTChGraphResults.series;
    for (ChartSeries& s : series)
        s.clear();
    for (int row = 1; row < offsets.rowCount(); ++row) {
        for (int column = 1; column < offsets.columnCount(); ++column) {
            const double halfBreadth = cellValue(offsets, column, row);
            // The fore body (frames 0..9) to the right, the aft body to the left.
            const double x = row <= 10 ? halfBreadth : -halfBreadth;
            series.at(static_cast<std::size_t>(row - 1)).append(x, sheet.kept.z[static_cast<std::size_t>(column)]);
        }
    }
}

void computeBonjeanScale(TrimSheet& sheet, const ShipParticulars& particulars)
{
    const TextGrid& offsets = sheet.OrdinatGrid;
    const auto& z = sheet.kept.z;
    const int waterlines = offsets.columnCount() - 1;

    for (int row = 1; row < offsets.rowCount(); ++row) {
        // y[j]: half-breadth on waterline j; y[waterlines + 1] = 0 closes the
        // section above the top waterline.
        std::array<double, waterlineCount + 2> y{};
        std::array<double, waterlineCount + 2> halfArea{};    // one side, base line to waterline j, m²
        std::array<double, waterlineCount + 2> halfMoment{};  // its moment about the base line, m³
        for (int j = 1; j <= waterlines; ++j)
            y[j] = cellValue(offsets, j, row);

        for (int j = 1; j <= waterlines; ++j) {
            if (y[j] + y[j + 1] == 0.0) {
                // A strip of zero breadth: the sums start again from zero above it.
                sheet.UWAGrid.setCell(j, row, "0");
                sheet.StatMomGrid.setCell(j, row, "0");
                continue;
            }
            const double dT = parseNumber(particulars.ShipdT);
            // The strip between waterlines j and j + 1 is a trapezoid of height ΔT.
            const double stripArea = (y[j] + y[j + 1]) * 0.5 * dT;
            halfArea[j + 1] = halfArea[j] + stripArea;
            setGeneral(sheet.UWAGrid, j, row, 2.0 * halfArea[j]);
            // Height of the trapezoid's centroid above its lower side.
            const double stripLever = divide(2.0 * y[j + 1] + y[j], y[j] + y[j + 1]) * 1 / 3 * dT;
            halfMoment[j + 1] = (stripLever + z[j]) * stripArea + halfMoment[j];
            setGeneral(sheet.StatMomGrid, j, row, 2.0 * halfMoment[j]);
        }
    }
}

void drawBonjeanCurves(TrimSheet& sheet)
{
    const TextGrid& areas = sheet.UWAGrid;
    for (ChartSeries& s : sheet.SSpGraphResults.series)
        s.clear();
    for (int column = 1; column < areas.columnCount(); ++column)
        for (int row = 1; row < areas.rowCount(); ++row)
            sheet.SSpGraphResults.series.at(static_cast<std::size_t>(column - 1))
                .append(row, cellValue(areas, column, row));

    const TextGrid& moments = sheet.StatMomGrid;
    for (ChartSeries& s : sheet.StatMomGraphResults.series)
        s.clear();
    for (int row = 1; row < moments.rowCount(); ++row)
        for (int column = 1; column < moments.columnCount(); ++column)
            sheet.StatMomGraphResults.series.at(static_cast<std::size_t>(row - 1))
                .append(cellValue(moments, column, row), sheet.kept.z[static_cast<std::size_t>(column)]);
}

}  // namespace hullcalc
