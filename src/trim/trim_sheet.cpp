#include "trim/trim_sheet.h"

namespace hullcalc {

void writeHeaders(TrimSheet& sheet)
{
    writeInputHeaders(sheet.input);
    writeBonjeanHeaders(sheet.bonjean);
    writeIterationHeaders(sheet.iteration);
    writeTrimTableHeaders(sheet.results);
}

}  // namespace hullcalc
