"""Writes the project of a fine sea-going ship, L 150 m, B 25 m, T 7,5 m,
depth 12 m, block coefficient about 0,57 (below the 0,6 that the IACS wave
loads take as their least), for trying the strength check of a sea ship:

    /usr/bin/python3 examples/sea_ship_150m.py sea-ship-150m.hullcalc
    hullcalc-cli sea-ship-150m.hullcalc --strength --report report.pdf

The lines are analytic: the waterlines are 1 - |x|^2,5 of the half-breadth
(x from -1 at the stern to 1 at the bow) and the sections (z/T)^0,25 up to the
draft, wall-sided above it. The masses follow the buoyancy, with a part spread
evenly so that the ship hogs in still water; the section inertias fall from
55 m^4 amidships towards the ends."""

import sys

import numpy as np

import hullcalc

LENGTH, BREADTH, DRAFT, DEPTH = 150.0, 25.0, 7.5, 12.0
WATERLINE_SPACING = 1.35  # ten waterlines from the base line to 12,15 m, above the deck


def half_breadths():
    x = 1.0 - np.arange(21) / 10.0  # frame 0 is the bow
    z = np.arange(10) * WATERLINE_SPACING
    waterline = 1.0 - np.abs(x) ** 2.5
    section = np.minimum(z / DRAFT, 1.0) ** 0.25
    return np.round(BREADTH / 2 * np.outer(waterline, section), 3)


def volume_at_draft(offsets):
    """Displaced volume at the draft, integrating the half-breadths with the
    trapezoid rule over the waterlines below the draft and the frames."""
    z = np.arange(10) * WATERLINE_SPACING
    heights = np.append(z[z < DRAFT], DRAFT)
    areas = []
    for frame in offsets:
        y = np.interp(heights, z, frame)
        areas.append(2 * np.trapz(y, heights))
    return np.trapz(areas, dx=LENGTH / 20), np.array(areas)


def main(path):
    ship = hullcalc.example()
    ship.sea = True
    ship.offsets = half_breadths()
    volume, areas = volume_at_draft(ship.offsets)
    displacement = round(1.025 * volume, 1)
    buoyancy = (areas[:-1] + areas[1:]) / 2
    share = 0.7 * buoyancy / buoyancy.sum() + 0.3 / 20
    ship.masses = np.round(displacement * share, 2)
    middle = 1.0 - np.abs(np.arange(20) - 9.5) / 10.0
    ship.inertias = np.round(55.0 * (0.35 + 0.65 * middle), 2)
    particulars = ship.particulars
    particulars["displacement"] = float(ship.masses.sum())
    particulars["design_displacement"] = float(ship.masses.sum())
    particulars["length"] = LENGTH
    particulars["breadth"] = BREADTH
    particulars["depth"] = DEPTH
    particulars["draft"] = DRAFT
    particulars["centre_of_gravity"] = 0.0
    particulars["vertical_centre_of_gravity"] = 8.0
    particulars["frame_spacing"] = LENGTH / 20
    particulars["waterline_spacing"] = WATERLINE_SPACING
    ship.title = {**ship.title, "ship": "Морское судно L 150 м (учебный пример)"}
    ship.save(path)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "sea-ship-150m.hullcalc")
