#include "vibration/vibration_sheet.h"

#include "common/hull_frames.h"

#include <array>
#include <stdexcept>

namespace hullcalc {

namespace {

struct ToneParameters {
    double halfWaves;    // of the assumed mode shape along the hull
    double coefficient;  // k of the added water mass term 1 + k·L/B
};

constexpr std::array<ToneParameters, highestTone> tones = {{{1.0, 0.1}, {2.0, 0.07}, {3.0, 0.05}, {4.0, 0.04}}};

}  // namespace

VibrationSheet::VibrationSheet()
{
    modeShape.title = "Форма колебаний";
    modeShape.series.emplace_back("", colours::black, SeriesKind::Line, PointOrder::AscendingX);
}

void writeVibrationHeaders(VibrationSheet& sheet)
{
    TextGrid& table = sheet.table;
    for (int row = 1; row < table.rowCount(); ++row)
        table.setCell(0, row, spacingLabel(row - 1));
    for (int column = 1; column < table.columnCount(); ++column)
        table.setCell(column, 0, std::to_string(column));
}

void selectTone(VibrationSheet& sheet, int tone)
{
    if (tone < lowestTone || tone > highestTone)
        throw std::out_of_range("tone " + std::to_string(tone) + " is not one of I to IV");
    const ToneParameters& parameters = tones[static_cast<std::size_t>(tone - lowestTone)];
    sheet.tone = tone;
    sheet.halfWaves = parameters.halfWaves;
    sheet.addedMassCoefficient = parameters.coefficient;
}

}  // namespace hullcalc
