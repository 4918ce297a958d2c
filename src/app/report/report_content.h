// Everything the calculation report and the Excel workbook are made from: the
// sheets as the windows hold them after a calculation, and what the caller
// knows besides (the tones compared, the checks' remarks, the file and date).
#pragma once

#include "project/title_block.h"
#include "strength/strength_calculation.h"
#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"
#include "vibration/tone_summary.h"
#include "vibration/vibration_sheet.h"

#include <optional>
#include <string>
#include <vector>

namespace hullcalc {

struct ReportContent {
    const ShipParticulars& particulars;         // with the water density of the ship type
    const TrimSheet& trim;                      // after a calculation, complete or not
    const VibrationSheet* vibration = nullptr;  // the last vibration run, or null
    std::vector<ToneSummary> tones;             // every tone compared, or empty
    std::optional<double> kumaiPerMinute;       // the Kumai estimate of tone I, кол/мин, when known
    std::vector<std::string> warnings;          // the remarks of the input and result checks, Russian
    std::string fileName;                       // of the project or data file, or empty
    std::string date;                           // as it is to be printed
    const StrengthSheet* strength = nullptr;    // the strength check, when it completed
    bool fullPrecision = false;                 // every stored digit ("Полная точность"), else rounded
    TitleBlock title{};                         // ship, author, group, variant, supervisor, date
};

}  // namespace hullcalc
