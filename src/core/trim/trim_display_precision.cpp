#include "trim/trim_display_precision.h"

namespace hullcalc {

namespace {

using P = DisplayPrecision;

// The log's start rows hold lengths but for the volume and the count of row 3
// and 4 and the area of row 5; its right columns hold approximation n by row.
P approximationsLogPrecision(int column, int row)
{
    namespace log = approximationsLog;
    if (column == log::volumeColumn || column == log::areaSumColumn)
        return P::magnitude;
    if (column == log::centreOfBuoyancyColumn)
        return P::length;
    if (column == log::currentVolume.column && row == log::currentVolume.row)
        return P::magnitude;
    if (column == log::correctionArea.column && row == log::correctionArea.row)
        return P::magnitude;
    if (row == log::approximationNumber.row || row == log::correctionArea.row)
        return P::asStored;
    return P::length;
}

P trimTablePrecision(int column)
{
    namespace c = trimTableColumn;
    if (column == c::sectionArea || column == c::areaSum)
        return P::magnitude;
    // Forces and the bending moment with two decimals, as on the results page.
    if (column >= c::buoyancy && column <= c::correctedMoment)
        return P::forceOrMass;
    return P::asStored;
}

}  // namespace

DisplayPrecision displayPrecisionOf(FormQuantity quantity)
{
    switch (quantity) {
    case FormQuantity::volume:
    case FormQuantity::waterplaneArea:
    case FormQuantity::midshipSectionArea:
    case FormQuantity::momentToTrimOneCentimetre:
        return P::magnitude;
    case FormQuantity::displacement:
    case FormQuantity::tonnesPerCentimetre:
        return P::forceOrMass;
    case FormQuantity::waterplaneCoefficient:
    case FormQuantity::blockCoefficient:
    case FormQuantity::midshipCoefficient:
    case FormQuantity::prismaticCoefficient:
    case FormQuantity::verticalPrismaticCoefficient:
        return P::coefficient;
    default:
        return P::length;
    }
}

DisplayPrecision displayPrecisionOf(const TrimSheet& sheet, const TextGrid& grid, int column, int row)
{
    const HydrostaticCurves& curves = sheet.hydrostatics;
    const TextGrid* magnitudes[] = {
        &sheet.bonjean.sectionAreas,        &sheet.bonjean.sectionMoments,      &curves.volume.values,
        &curves.waterplaneArea.values,      &curves.longitudinalInertia.values, &curves.transverseInertia.values,
        &sheet.iteration.designSectionAreas};
    const TextGrid* lengths[] = {&curves.centreOfBuoyancy.values, &curves.centreOfFlotation.values,
                                 &curves.transverseRadius.values, &curves.longitudinalRadius.values,
                                 &sheet.iteration.frameDrafts};
    for (const TextGrid* shown : magnitudes)
        if (shown == &grid)
            return P::magnitude;
    for (const TextGrid* shown : lengths)
        if (shown == &grid)
            return P::length;
    if (&grid == &sheet.iteration.log)
        return approximationsLogPrecision(column, row);
    if (&grid == &sheet.results.table)
        return trimTablePrecision(column);
    if (&grid == &sheet.curvesOfForm.table && column >= 1 && column <= formQuantityCount)
        return displayPrecisionOf(formQuantities[static_cast<std::size_t>(column - 1)].quantity);
    return P::asStored;
}

}  // namespace hullcalc
