// What the vibration window shows and its calculation works on: the calculation
// table, the five result texts, the mode-shape chart and the chosen tone.
#pragma once

#include "common/chart_model.h"
#include "common/hull_frames.h"
#include "common/text_grid.h"

#include <string>

namespace hullcalc {

// Tones of vertical hull-girder vibration the calculation offers: I to IV.
inline constexpr int lowestTone = 1;
inline constexpr int highestTone = 4;

// The tone as the windows and the report name it, "I" to "IV"; the number
// itself for any other.
std::string toneNumeral(int tone);

struct VibrationSheet {
    VibrationSheet();

    // Input: the moment of inertia of the hull girder's midship-like section
    // in each spacing, m⁴ (spacing row i from the bow, column 1; the example
    // ship's values until the user types others).
    TextGrid sectionInertia{2, spacingCount + 1};

    // 20 spacing rows and the sums row 21, below a header row; a header column,
    // then the 22 columns of the calculation.
    TextGrid table{23, 22};

    std::string stiffness;  // generalized stiffness, kN/m
    std::string mass;       // generalized mass, t
    std::string frequency;  // natural frequency, 1/s
    std::string shift;      // "delta   " and the shift δ of the mode shape
    std::string turn;       // "betta   " and its turn β

    ChartModel modeShape;  // the corrected mode shape along the hull, spacing by spacing

    // The tone chosen (1..4; 0 until one is). The assumed mode shape has
    // halfWaves half-waves along the hull; addedMassCoefficient enters the
    // added water mass. Both 0 until a tone is chosen.
    int tone = 0;
    double halfWaves = 0.0;
    double addedMassCoefficient = 0.0;

    bool operator==(const VibrationSheet&) const = default;
};

// The table headers written each time the window becomes active: spacings
// "0-1" .. "20-21" down column 0 (the sums row too reads "20-21") and the
// column numbers "1" .. "22" across row 0, and the spacings down the section
// inertia. Touches no other cell.
void writeVibrationHeaders(VibrationSheet& sheet);

// The example ship's section moments of inertia, spacing by spacing.
void fillExampleInertia(VibrationSheet& sheet);

// Empties every result of the calculation - the table's data cells, the five
// result texts and the mode shape - and keeps the inputs and the tone.
void clearVibrationResults(VibrationSheet& sheet);

// Chooses tone 1..4 (I: 1 half-wave and 0,1; II: 2 and 0,07; III: 3 and 0,05;
// IV: 4 and 0,04). Throws std::out_of_range for another tone.
void selectTone(VibrationSheet& sheet, int tone);

}  // namespace hullcalc
