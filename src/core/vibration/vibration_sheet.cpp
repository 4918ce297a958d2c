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

// Sectional moments of inertia of the example ship's hull girder per spacing
// from the bow, m⁴.
constexpr std::array<const char*, spacingCount> exampleInertia = {
    "0,120", "0,168", "0,170", "0,177", "0,195", "0,210", "0,220", "0,230", "0,236", "0,236",
    "0,236", "0,236", "0,232", "0,225", "0,215", "0,207", "0,200", "0,136", "0,075", "0,042"};

}  // namespace

std::string toneNumeral(int tone)
{
    constexpr std::array<const char*, highestTone> numerals = {"I", "II", "III", "IV"};
    return tone >= lowestTone && tone <= highestTone ? numerals[static_cast<std::size_t>(tone - lowestTone)]
                                                     : std::to_string(tone);
}

VibrationSheet::VibrationSheet()
{
    modeShape.title = "Форма колебаний";
    modeShape.series.emplace_back("", colours::black, SeriesKind::Line, PointOrder::AscendingX);
    fillExampleInertia(*this);
}

void fillExampleInertia(VibrationSheet& sheet)
{
    for (int row = 1; row <= spacingCount; ++row)
        sheet.sectionInertia.setCell(1, row, exampleInertia[static_cast<std::size_t>(row - 1)]);
}

void clearVibrationResults(VibrationSheet& sheet)
{
    TextGrid& table = sheet.table;
    for (int row = 1; row < table.rowCount(); ++row)
        for (int column = 1; column < table.columnCount(); ++column)
            table.setCell(column, row, {});
    for (std::string* text : {&sheet.stiffness, &sheet.mass, &sheet.frequency, &sheet.shift, &sheet.turn})
        text->clear();
    sheet.modeShape.clear();
}

void writeVibrationHeaders(VibrationSheet& sheet)
{
    TextGrid& table = sheet.table;
    for (int row = 1; row < table.rowCount(); ++row)
        table.setCell(0, row, spacingLabel(row - 1));
    for (int column = 1; column < table.columnCount(); ++column)
        table.setCell(column, 0, std::to_string(column));
    for (int row = 1; row <= spacingCount; ++row)
        sheet.sectionInertia.setCell(0, row, spacingLabel(row - 1));
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
