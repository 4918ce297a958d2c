#include "trim/particular_values.h"

namespace hullcalc {

ParticularValues readParticularValues(const ShipParticulars& particulars)
{
    requirePositiveParticulars(particulars);
    ParticularValues values;
    values.length = particularValue(particulars, &ShipParticulars::length);
    values.breadth = particularValue(particulars, &ShipParticulars::breadth);
    values.designDisplacement = particularValue(particulars, &ShipParticulars::designDisplacement);
    values.frameSpacing = particularValue(particulars, &ShipParticulars::frameSpacing);
    values.waterlineSpacing = particularValue(particulars, &ShipParticulars::waterlineSpacing);
    values.verticalCentreOfGravity = optionalParticularValue(particulars, &ShipParticulars::verticalCentreOfGravity);
    values.centreOfGravity = particularValue(particulars, &ShipParticulars::centreOfGravity);
    values.waterDensity = waterDensity(particulars.shipType);
    return values;
}

double readDepth(const ShipParticulars& particulars)
{
    const double depth = particularValue(particulars, &ShipParticulars::depth);
    if (!(depth > 0.0))
        throw ParticularError("Высота борта должна быть положительной", fieldOf(&ShipParticulars::depth));
    return depth;
}

}  // namespace hullcalc
