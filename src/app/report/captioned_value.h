// One line of a list such as the particulars or the result summary: a caption
// with its unit and the value's text as the windows show it.
#pragma once

#include <string>

namespace hullcalc {

struct CaptionedValue {
    std::string caption;
    std::string value;
    // As ReportTable::fixedDecimals: the workbook shows the number with as
    // many decimals as its text, otherwise in its general format.
    bool fixedDecimals = false;
};

}  // namespace hullcalc
