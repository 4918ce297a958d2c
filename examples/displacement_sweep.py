"""The example ship at design displacements from 700 to 1000 t in 10 t steps:
the largest bending moment, the mean draft and the trim, as a table and as a
chart (displacement_sweep.png, or the path given). The masses of the spacings
are scaled with the displacement, as if the ship were loaded in proportion to
its own masses, so that the weight always equals the buoyancy.

    PYTHONPATH=build/dev/python python3 examples/displacement_sweep.py [chart.png]
    python3 /usr/share/doc/hullcalc/examples/displacement_sweep.py [chart.png]   # from the package

Run it with the interpreter the module was built for (the one with numpy and
matplotlib; CMake names it at configure time).
"""

import sys

import matplotlib

matplotlib.use("Agg")  # files only, no display needed
import matplotlib.pyplot as plt
import numpy as np

import hullcalc


def sweep(displacements):
    ship = hullcalc.example()
    masses = ship.masses.copy()
    rows = []
    for displacement in displacements:
        ship.particulars["design_displacement"] = displacement
        ship.masses[:] = masses * displacement / masses.sum()
        result = ship.calculate()
        for message, place in result.warnings:
            print(f"{displacement:.0f} t: {message} ({place})")
        summary = result.summary
        rows.append((
            displacement,
            np.nanmax(np.abs(result.bending_moment)),
            summary["mean_draft"],  # full precision: the curves are smooth
            summary["trim"],  # by the stern: aft draft less forward draft, m
        ))
    return np.array(rows)


def plot(rows, path):
    figure, axes = plt.subplots(3, 1, sharex=True, figsize=(7, 8), layout="constrained")
    curves = [
        (rows[:, 1], "Largest bending moment, kN·m", "tab:red"),
        (rows[:, 2], "Mean draft, m", "tab:blue"),
        (rows[:, 3], "Trim by the stern, m", "tab:green"),
    ]
    for axis, (values, label, colour) in zip(axes, curves):
        axis.plot(rows[:, 0], values, marker=".", color=colour)
        axis.set_ylabel(label)
        axis.grid(True, alpha=0.3)
    axes[-1].set_xlabel("Design displacement, t")
    figure.suptitle("Example ship in still river water")
    figure.savefig(path, dpi=120)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "displacement_sweep.png"
    rows = sweep(np.arange(700.0, 1000.0 + 1e-9, 10.0))
    print(f"{'Δ, t':>8} {'max |M|, kN·m':>14} {'Tср, m':>8} {'trim, m':>8}")
    for displacement, moment, draft, trim in rows:
        print(f"{displacement:8.0f} {moment:14.2f} {draft:8.3f} {trim:8.3f}")
    plot(rows, path)
    print(f"chart: {path}")


if __name__ == "__main__":
    main()
