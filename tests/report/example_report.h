// The example ship on river water with z_g = 2 m, a typed shear area and a
// 4-bladed propeller at 300 об/мин, run as the windows run it: the trim
// calculation and its stability at large angles, the strength check with the
// example's midship section on the wave of its class, all four tones by the
// three methods with the Kumai estimate and the resonance margins; as the
// content of a report showing tone I.
#pragma once

#include "report/report_content.h"
#include "run/ship.h"
#include "run/ship_run.h"

namespace hullcalc {

inline Ship exampleReportShip()
{
    Ship ship = exampleShip();
    ship.particulars.shipType = ShipType::river;
    ship.particulars.verticalCentreOfGravity = "2,0";
    ship.strength = exampleStrengthInput();
    ship.vibrationOptions.shearArea = "0,035";
    ship.vibrationOptions.shaftRpm = "300";
    ship.vibrationOptions.blades = "4";
    return ship;
}

struct ExampleReport {
    const ShipRun run = runShip(exampleReportShip(), everyTone());
    const TrimSheet& trim = run.trim.sheet;

    ReportContent content() const { return reportContentOf(run, "пример.txt", "07.12.2026", 1); }
};

}  // namespace hullcalc
