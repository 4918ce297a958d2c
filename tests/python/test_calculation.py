"""The Python module's calculation against hullcalc-cli and against physics:
the same document for the same input, failures with their place, sweeps and
threads."""

import json
import math
import os
import re
import subprocess
import zipfile
from concurrent.futures import ThreadPoolExecutor

import numpy as np
import pytest

import hullcalc

CLI = os.environ.get("HULLCALC_CLI")


def cli_document(*arguments):
    """hullcalc-cli's --json for the example ship with these options, parsed."""
    if not CLI:
        pytest.skip("hullcalc-cli is not built (configured without Qt)")
    run = subprocess.run([CLI, *arguments, "--json", "-"], capture_output=True, check=False)
    assert run.returncode in (0, 1), run.stderr.decode()
    return json.loads(run.stdout)


def edited_example(sea=False, particulars=(), offsets=(), masses=()):
    ship = hullcalc.example()
    ship.sea = sea
    for name, value in particulars:
        ship.particulars[name] = value
    for (frame, waterline), value in offsets:
        ship.offsets[frame, waterline] = value
    for spacing, value in masses:
        ship.masses[spacing] = value
    return ship


# Each row: the ship edited from Python, the tones, and the same input as
# hullcalc-cli's options (--offset COL,ROW is waterline column, frame row, both
# from 1; --mass ROW the spacing from 1).
SAME_INPUT = {
    "example ship": (edited_example(), None, []),
    "sea, edits, tone III": (
        edited_example(sea=True, particulars=[("design_displacement", 905.5)], offsets=[((2, 4), 2.1)],
                       masses=[(3, 40.0)]),
        3,
        ["--sea", "--set", "ShipDr=905,5", "--offset", "5,3=2,1", "--mass", "4=40", "--tone", "3"],
    ),
}


@pytest.mark.parametrize("ship, tones, options", SAME_INPUT.values(), ids=SAME_INPUT.keys())
def test_document_equals_the_command_lines(ship, tones, options):
    result = ship.calculate(tones=tones)
    assert json.loads(result.to_json()) == cli_document(*options)
    assert result.error is None
    assert np.isnan(result.curves_of_form["block_coefficient"][0])  # null on the base line, which holds no volume


def test_failed_run_carries_the_command_lines_document():
    with pytest.raises(hullcalc.CalculationError) as failure:
        edited_example(particulars=[("length", "abc")]).calculate()
    assert json.loads(failure.value.result.to_json()) == cli_document("--set", "length=abc")
    # The message in Russian as the windows show it.
    assert failure.value.message == "Не число: «abc» (десятичный разделитель — запятая)"


# Each row: the table of the example ship spoilt, its key and the value
# written, the tones, the message and the place (a JSON Pointer into the result
# document); the places of every table are checked in the core's run. A NaN
# written over a number empties the cell, which the calculation then refuses
# as the windows do.
FAILURES = {
    "particular not a number": ("particulars", "length", "abc", None,
                                "'abc' is not a valid floating point value", "/input/particulars/length"),
    "empty offset": ("offsets", (3, 4), math.nan, None,
                     "'' is not a valid floating point value", "/input/offsets/3/4"),
    "empty section inertia": ("inertias", 7, math.nan, 1,
                              "'' is not a valid floating point value", "/input/section_inertia/7"),
    # Waterlines 0,1 m apart hold at most 665,6 m³, less than the 886,74 t asked for.
    "displacement above the offsets": ("particulars", "waterline_spacing", 0.1, None,
                                       "Объемное водоизмещение 886,74 куб. м вне диапазона грузового размера",
                                       None),
}


@pytest.mark.parametrize("table, key, value, tones, message, place", FAILURES.values(), ids=FAILURES.keys())
def test_failure_names_its_place(table, key, value, tones, message, place):
    ship = hullcalc.example()
    getattr(ship, table)[key] = value
    with pytest.raises(hullcalc.CalculationError) as failure:
        ship.calculate(tones=tones)
    assert failure.value.error.startswith(message)
    assert failure.value.message == failure.value.result.to_dict()["message"]
    assert failure.value.place == place
    assert failure.value.result.error.startswith(message)
    assert isinstance(failure.value, hullcalc.Error)


def displacement_sweep(displacements, sea=False, tones=None):
    """The example ship calculated at each design displacement, two at a time."""
    ship = hullcalc.example()
    ship.sea = sea

    def calculate(displacement):
        variant = ship.copy()
        variant.particulars["design_displacement"] = displacement
        return variant.calculate(tones=tones)

    with ThreadPoolExecutor(max_workers=2) as pool:
        return list(pool.map(calculate, displacements))


def test_sweep_of_a_hundred_variants_floats_by_archimedes_without_stairs():
    displacements = np.linspace(700.0, 1000.0, 100)
    results = displacement_sweep(displacements)
    summary = {key: np.array([r.summary[key] for r in results], dtype=float) for key in results[0].summary}
    assert all(np.isfinite(values).all() for values in summary.values())
    assert np.isfinite([r.bending_moment for r in results]).all()
    assert np.isfinite([r.shear_force for r in results]).all()
    # A heavier ship floats deeper. Steps of 3 t sink this hull by about 5 mm,
    # less than the page's 0,01 m: only full precision rises at every step.
    assert (np.diff(summary["mean_draft"]) > 0).all()
    np.testing.assert_allclose(summary["mean_draft"], (summary["forward_draft"] + summary["aft_draft"]) / 2)
    np.testing.assert_allclose(summary["trim"], summary["aft_draft"] - summary["forward_draft"])
    # The page shows the same values rounded to two decimals.
    for result in results:
        for key, text in result.summary_text.items():
            if key != "bending_moment_closure":
                assert abs(float(text.replace(",", ".")) - result.summary[key]) <= 0.005 + 1e-9, key
    # Archimedes: V = Δ/ρ with ρ = 1 t/m³ of river water; the iteration
    # accepts a volume within 0,4 % of it.
    assert np.allclose(summary["displacement_volume"], displacements, rtol=0.004)
    # The trim brings XC under XG (L/10000 apart), which stays where it was typed.
    assert np.allclose(summary["centre_of_gravity"], -3.72)
    assert np.allclose(summary["centre_of_buoyancy"], -3.72, atol=75 / 10000)


def test_deeper_hull_vibrates_slower():
    # The same hull girder carries more added water the deeper it floats, so
    # tone I falls by both methods as the displacement grows.
    results = displacement_sweep(np.arange(700.0, 1001.0, 10.0), tones=1)
    energy = [r.tones[1].frequency for r in results]
    beam = [r.tones[1].beam_frequency for r in results]
    assert (np.diff(energy) < 0).all() and (np.diff(beam) < 0).all()
    # Without a shear area the beam with shear is not computed, and tone I is
    # taken from the energy method.
    assert results[0].tones[1].shear_beam_frequency is None
    assert results[0].tones[1].recommended_method == "энергетический метод"


def test_threads_give_what_a_loop_gives():
    ship = hullcalc.example()
    variants = np.linspace(800.0, 950.0, 12)

    def calculate(displacement):
        variant = ship.copy()
        variant.particulars["design_displacement"] = displacement
        return variant.calculate(tones="all").to_json()

    in_loop = [calculate(d) for d in variants]
    with ThreadPoolExecutor(max_workers=4) as pool:
        in_threads = list(pool.map(calculate, variants))
        # One ship calculated by several threads at once stays one input.
        same_ship = list(pool.map(lambda _: ship.calculate(tones=2).to_json(), range(8)))
    assert in_threads == in_loop
    assert len(set(same_ship)) == 1


def test_strength_check_of_the_example_ship():
    result = hullcalc.example().calculate(strength=True)
    assert json.loads(result.to_json()) == cli_document("--strength")
    wave = result.wave
    assert wave["profile"] == "trochoid"
    hogging = wave["hogging"]["bending_moment"]
    sagging = wave["sagging"]["bending_moment"]
    assert isinstance(hogging, np.ndarray)
    # The crest at midship lifts the middle and bends the hull up, the trough
    # lets it sag: the wave parts of the midship (frame 10) moments have
    # opposite signs, and each moment is the still-water one plus its wave part.
    assert wave["hogging"]["wave_bending_moment"][10] > 0 > wave["sagging"]["wave_bending_moment"][10]
    assert hogging[10] > sagging[10]
    for case in ("hogging", "sagging"):
        assert np.allclose(wave[case]["wave_bending_moment"] + result.bending_moment, wave[case]["bending_moment"],
                           atol=0.02)
    # The example comes with its midship section, as in the windows and the CLI.
    assert len(result.girder["members"]) == 9 and result.stresses is not None
    # Without strength=True the example holds no strength input: no check.
    plain = hullcalc.example().calculate()
    assert plain.wave is None and plain.rule_loads is None


def test_project_with_a_girder_runs_the_strength_check(tmp_path):
    # The four-plate box of the core's girder tests: z₀ = 1,375 m, I = 0,44625 m⁴.
    path = tmp_path / "ship.hullcalc"
    hullcalc.example().save(path)
    project = json.loads(path.read_text(encoding="utf-8"))
    project["strength"] = {"waveHeight": "1", "waveProfile": "cosine", "allowableStress": "175",
                           "girder": [["Палуба", "800", "3", "0"], ["Борт", "300", "1,5", "225"],
                                      ["Борт", "300", "1,5", "225"], ["Днище", "1000", "0", "0"]]}
    path.write_text(json.dumps(project, ensure_ascii=False), encoding="utf-8")
    ship = hullcalc.load(path)
    result = ship.calculate()  # the project's strength input runs the check
    girder = result.girder
    assert len(girder["members"]) == 4
    assert girder["neutral_axis"] == pytest.approx(1.375, abs=1e-12)
    assert girder["inertia_m4"] == pytest.approx(0.44625, abs=1e-12)
    assert [case["case"] for case in result.stresses["cases"]] == ["still_water", "hogging", "sagging"]
    assert ship.calculate(strength=False).wave is None


def test_large_angle_stability_arrays_start_upright_and_follow_the_initial_stability():
    assert edited_example().calculate().large_angle_stability is None, "no z_g, no curve"
    result = edited_example(particulars=[("vertical_centre_of_gravity", 2.0)]).calculate()
    stability = result.large_angle_stability
    heel = stability.heel
    np.testing.assert_array_equal(heel, np.arange(0.0, 91.0, 5.0))
    for curve in (stability.righting_lever, stability.trim, stability.dynamic_lever):
        assert curve.shape == heel.shape
    assert stability.righting_lever[0] == pytest.approx(0.0, abs=1e-9)
    assert stability.dynamic_lever[0] == pytest.approx(0.0, abs=1e-12)
    # GM0 is h of the initial stability (printed to 0,01 m); near upright
    # GZ = GM0·sin φ, so at 5° within a few per cent for a wall-sided hull.
    assert stability.gm0 == pytest.approx(result.stability["metacentric_height"], abs=0.006)
    assert stability.righting_lever[1] == pytest.approx(stability.gm0 * math.sin(math.radians(5.0)), rel=0.05)
    # The dynamic lever is ∫GZ dφ: Simpson's rule on the 5° points, to every
    # 10°, agrees with the 1° integral within a millimetre·radian (the curve
    # kinks where the deck edge immerses, which the coarse grid smooths over).
    gz, step = stability.righting_lever, math.radians(5.0)
    simpson = np.cumsum([0.0] + [(gz[k] + 4.0 * gz[k + 1] + gz[k + 2]) * step / 3.0 for k in range(0, 18, 2)])
    np.testing.assert_allclose(stability.dynamic_lever[::2], simpson, atol=1e-3)
    assert stability.area_0_30 == pytest.approx(stability.dynamic_lever[6], abs=1e-6)
    assert stability.max_righting_lever.value >= stability.righting_lever.max() - 1e-12
    cross = stability.cross_curves
    assert cross.kn.shape == (cross.volumes.size, cross.heel.size)


def test_every_sheet_step_reaches_python_the_dump_and_the_workbook(tmp_path):
    # Each step that has a sheet: its attribute and key in the document, its
    # tables' numbers as the command line's dump shows their cells (decimal
    # comma), and a workbook sheet for each table.
    if not CLI:
        pytest.skip("hullcalc-cli is not built (configured without Qt)")
    book, dump = tmp_path / "book.xlsx", tmp_path / "dump.json"
    run = subprocess.run([CLI, "--set", "ShipZg=2", "--xlsx", book, "--dump", dump], capture_output=True, check=False)
    assert run.returncode == 0, run.stderr.decode()
    components = json.loads(dump.read_text(encoding="utf-8"))["UdifForm"]
    with zipfile.ZipFile(book) as workbook:
        sheets = re.findall(r'<sheet name="([^"]+)"', workbook.read("xl/workbook.xml").decode())
    result = edited_example(particulars=[("vertical_centre_of_gravity", 2.0)]).calculate()
    document = result.to_dict()
    assert hullcalc.sheet_keys()
    for key in hullcalc.sheet_keys():
        sheet = result.sheet(key)
        assert sheet.computed and getattr(result, key) is not None and document[key] is not None, key
        assert sheet.figures
        for name, columns in sheet.grids.items():
            assert sheet.workbook_sheets[name] in sheets
            rows = components[name]
            assert [row for row in rows[0]] == list(columns)
            for index, values in enumerate(columns.values()):
                cells = [row[index] for row in rows[1:]]
                if isinstance(values, np.ndarray):
                    shown = [float(c.replace(",", ".")) if c else math.nan for c in cells]
                    np.testing.assert_array_equal(values, shown)
                else:
                    assert values == cells
        for name in sheet.charts:
            assert name in components
    with pytest.raises(KeyError):
        result.sheet("no_such_step")


def test_vibration_options_give_the_command_lines_numbers():
    # The options set from Python are the texts the command line types: the
    # same document for --tone all --shear-area 0,035 with a propeller and an
    # engine.
    ship = hullcalc.example()
    ship.shear_area = 0.035
    ship.shaft_rpm = 300
    ship.blades = 4
    ship.engine_rpm = 600
    ship.firing_per_revolution = "3"
    assert (ship.shear_area, ship.blades, ship.firing_per_revolution, ship.added_mass) == (0.035, 4, 3, "formula")
    result = ship.calculate(tones="all")
    assert json.loads(result.to_json()) == cli_document(
        "--tone", "all", "--shear-area", "0,035", "--shaft-rpm", "300", "--blades", "4", "--engine-rpm", "600",
        "--firing-per-revolution", "3")
    # Four tones against shaft, blade rate, its double and firing (the margins
    # themselves are checked in the core); the blade rate 4·300/60 = 20 Гц.
    margins = result.resonance["margins"]
    assert len(margins) == 4 * 4
    blade = [m for m in margins if m["excitation"] == "Лопастная"]
    assert all(m["excitation_hertz"] == pytest.approx(20.0) for m in blade)
    assert "0,0350" in result.shear_area_note

    ship.added_mass = "lewis"
    ship.shear_area = None
    assert ship.shear_area is None
    assert json.loads(ship.calculate(tones="all").to_json()) == cli_document(
        "--tone", "all", "--added-mass", "lewis", "--shaft-rpm", "300", "--blades", "4", "--engine-rpm", "600",
        "--firing-per-revolution", "3")
    with pytest.raises(ValueError):
        ship.added_mass = "strip"
