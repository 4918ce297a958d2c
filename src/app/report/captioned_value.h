// One line of a list such as the particulars or the result summary: a caption
// with its unit and the value's text as the windows show it.
#pragma once

#include "common/display_precision.h"

#include <string>

namespace hullcalc {

struct CaptionedValue {
    std::string caption;
    std::string value;
    // As ReportTable::fixedDecimals: the workbook shows the number with as
    // many decimals as its text, otherwise in its general format.
    bool fixedDecimals = false;
    DisplayPrecision precision = DisplayPrecision::asStored;  // for the reader, as ReportTable's
};

// The value as the reader sees it: rounded, or every stored digit when `fullPrecision`.
inline std::string shownValue(const CaptionedValue& line, bool fullPrecision)
{
    return fullPrecision ? line.value : displayText(line.value, line.precision);
}

}  // namespace hullcalc
