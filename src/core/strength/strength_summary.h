// The strength results as captioned lines and small tables, the same texts for
// the page, the report, the workbook and the command line.
#pragma once

#include "common/text_grid.h"
#include "strength/strength_calculation.h"

#include <string>
#include <vector>

namespace hullcalc {

struct SummaryEntry {
    std::string caption;
    std::string value;
};

// The wave and, per case, the balanced waterline and the largest N and M.
std::vector<SummaryEntry> waveSummary(const StrengthSheet& sheet);

// The girder's z₀, I and moduli (empty when no member was given).
std::vector<SummaryEntry> girderSummary(const StrengthSheet& sheet);

// The rule's wave coefficient and moments, or why it does not apply.
std::vector<SummaryEntry> ruleLoadSummary(const StrengthSheet& sheet);

// One row per case: the frame, M, the deck and bottom stresses, the allowable
// and the margin, "%f" texts with captions in row 0; the captions alone
// until the check completed with a girder.
TextGrid stressTable(const StrengthSheet& sheet);

}  // namespace hullcalc
