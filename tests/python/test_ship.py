"""A ship from Python: numbers written become the texts the windows show,
projects and data files read back, and bad arguments and files are refused
with a clear exception, never a crash."""

import errno
import json
import math

import numpy as np
import pytest

import hullcalc


def saved_project(ship, tmp_path):
    path = tmp_path / "ship.hullcalc"
    ship.save(path)
    return path, json.loads(path.read_text(encoding="utf-8"))


def test_numbers_are_typed_as_the_windows_show_them(tmp_path):
    ship = hullcalc.example()
    ship.offsets[4, 2] = 5.3
    ship.masses[3] = 40.0
    ship.inertias[:] = 0.25
    ship.offsets[0, 0] = 1 / 3  # 15 significant digits are kept
    ship.masses[19] = 5e-5  # below 0,0001: scientific form
    ship.particulars["design_displacement"] = 950.0
    ship.particulars["centre_of_gravity"] = "-3,5"  # a text is typed as it is
    ship.sea = True
    _, project = saved_project(ship, tmp_path)
    assert project["offsets"][4][2] == "5,3"
    assert project["offsets"][0][0] == "0,333333333333333"
    assert project["masses"][3] == "40"
    assert project["masses"][19] == "5E-5"
    assert project["sectionInertia"] == ["0,25"] * 20
    assert project["particulars"]["ShipDr"] == "950"
    assert project["particulars"]["ShipXct"] == "-3,5"
    assert project["shipType"] == "sea"
    # The view now holds what the cell holds.
    assert ship.offsets[0, 0] == 0.333333333333333
    assert ship.particulars["centre_of_gravity"] == -3.5
    assert ship.water_density == 1.025


def test_project_round_trip(tmp_path):
    ship = hullcalc.example()
    ship.sea = True
    ship.offsets[10, :] *= 1.05
    ship.masses[::2] += 1.5
    ship.inertias[5] = 0.25
    ship.particulars["design_displacement"] = 930.25
    ship.title = {**ship.title, "author": "Иванов И. И.", "variant": "7"}
    path, project = saved_project(ship, tmp_path)
    assert project["title"]["author"] == "Иванов И. И."
    loaded = hullcalc.load(path)
    assert loaded.title == {"ship": "", "author": "Иванов И. И.", "group": "", "variant": "7", "supervisor": "",
                            "date": ""}
    assert loaded.sea
    np.testing.assert_array_equal(loaded.offsets, ship.offsets)
    np.testing.assert_array_equal(loaded.masses, ship.masses)
    np.testing.assert_array_equal(loaded.inertias, ship.inertias)
    assert [loaded.particulars.text(n) for n in loaded.particulars] == [ship.particulars.text(n) for n in ship.particulars]
    assert loaded.calculate(tones="all").to_json() == ship.calculate(tones="all").to_json()


def test_input_data_file_loads_onto_the_defaults(tmp_path):
    # The trim window's data file: a title line, one line per frame with its
    # waterline cells (a TAB after each), the masses under their title; Windows-1251.
    example = hullcalc.example()
    frames = ["".join(f"{v:g}".replace(".", ",") + "\t" for v in row) for row in example.offsets]
    masses = [f"{m:g}".replace(".", ",") + "\t" for m in example.masses]
    text = "\r\n".join(["Таблица ординат", *frames, "\r", "Таблица масс", *masses]) + "\r\n"
    path = tmp_path / "ship.txt"
    path.write_bytes(text.encode("cp1251"))
    ship = hullcalc.load(str(path))
    np.testing.assert_array_equal(ship.offsets, example.offsets)
    np.testing.assert_array_equal(ship.masses, example.masses)
    assert not ship.sea
    assert ship.calculate().to_json() == example.calculate().to_json()


def test_a_blank_ship_has_empty_tables_and_the_default_particulars():
    ship = hullcalc.Ship()
    assert np.isnan(ship.offsets).all() and np.isnan(ship.masses).all()
    assert ship.particulars.text("design_displacement") == "886,74"
    assert math.isnan(ship.particulars["vertical_centre_of_gravity"])  # optional, empty at start
    assert ship.particulars["ShipL"] == 75.0  # the main window's name works too


def test_copies_are_independent():
    ship = hullcalc.example()
    import copy
    import pickle
    for other in (ship.copy(), copy.deepcopy(ship), pickle.loads(pickle.dumps(ship))):
        other.offsets[5, 5] = 1.0
        other.particulars["length"] = 80.0
        assert ship.offsets[5, 5] == 5.5 and ship.particulars["length"] == 75.0


# Each row: what a script does wrong and the exception it gets.
BAD_ARGUMENTS = {
    "tone 5": (lambda s: s.calculate(tones=5), ValueError, "tones must be None, a tone 1..4"),
    "tone 'I'": (lambda s: s.calculate(tones="I"), ValueError, "tones must be"),
    "tone True": (lambda s: s.calculate(tones=True), ValueError, "tones must be"),
    "tone 10**30": (lambda s: s.calculate(tones=10**30), ValueError, "tones must be"),
    "unknown particular": (lambda s: s.particulars["beam"], KeyError, "no particular is named 'beam'"),
    "infinite particular": (lambda s: s.particulars.__setitem__("length", math.inf), ValueError, "finite"),
    "particular beyond the doubles": (lambda s: s.particulars.__setitem__("length", 1.7976931348623157e308),
                                      ValueError, "Floating point overflow"),
    "frame 21": (lambda s: s.offsets[21, 0], IndexError, "index 21"),
    "unknown title field": (lambda s: setattr(s, "title", {"teacher": "Петров"}), KeyError, "no title field"),
    "offsets of the wrong shape": (lambda s: setattr(s, "offsets", np.zeros((3, 3))), ValueError, "broadcast"),
    "infinite offset": (lambda s: (s.offsets.__setitem__((2, 3), math.inf), s.calculate()), ValueError,
                        r"offsets\[2, 3\] is infinite"),
    "infinite mass on save": (lambda s: (s.masses.__setitem__(0, -math.inf), s.save("never.hullcalc")),
                              ValueError, r"masses\[0\] is infinite"),
}


@pytest.mark.parametrize("misuse, error, text", BAD_ARGUMENTS.values(), ids=BAD_ARGUMENTS.keys())
def test_bad_arguments_are_refused(misuse, error, text, tmp_path, monkeypatch):
    monkeypatch.chdir(tmp_path)
    ship = hullcalc.example()
    with pytest.raises(error, match=text):
        misuse(ship)
    assert not (tmp_path / "never.hullcalc").exists()


def test_file_errors(tmp_path):
    missing_file = tmp_path / "missing.hullcalc"
    with pytest.raises(hullcalc.FileError) as missing:
        hullcalc.load(missing_file)
    assert missing.value.message == f"Файл не найден: {missing_file}"
    assert missing.value.errno == errno.ENOENT
    assert missing.value.place is None and isinstance(missing.value, OSError)

    (tmp_path / "notes.txt").write_text("just some notes\n")
    with pytest.raises(hullcalc.FileError, match="нет таблицы"):
        hullcalc.load(tmp_path / "notes.txt")

    (tmp_path / "broken.hullcalc").write_text('{"format": "hullcalc-project", "version": 1, "offsets": 5}')
    with pytest.raises(hullcalc.FileError):
        hullcalc.load(tmp_path / "broken.hullcalc")

    with pytest.raises(hullcalc.FileError):
        hullcalc.example().save(tmp_path / "no such folder" / "ship.hullcalc")

    (tmp_path / "folder.hullcalc").mkdir()
    with pytest.raises(hullcalc.FileError, match="^Это папка, а не файл: ") as folder:
        hullcalc.example().save(tmp_path / "folder.hullcalc")
    assert folder.value.errno == errno.EISDIR
    assert (tmp_path / "folder.hullcalc").is_dir()

    # As large a file as the windows and hullcalc-cli read, and no more.
    (tmp_path / "large.hullcalc").write_text("{" + " " * (1 << 20))
    with pytest.raises(hullcalc.FileError, match="^Файл слишком большой: в нем больше 1 МБ\nФайл: ") as large:
        hullcalc.load(tmp_path / "large.hullcalc")
    assert large.value.errno == errno.EFBIG


# An object made by __new__ alone holds nothing: using it is a TypeError, not a crash.
@pytest.mark.parametrize("use", [
    lambda: hullcalc.Particulars.__new__(hullcalc.Particulars)["length"],
    lambda: hullcalc.Ship.__new__(hullcalc.Ship).calculate(),
    lambda: hullcalc.Ship.__new__(hullcalc.Ship).offsets,
    lambda: hullcalc.Result.__new__(hullcalc.Result).to_json(),
    lambda: hullcalc.Tone.__new__(hullcalc.Tone).frequency,
], ids=["particulars", "calculate", "offsets", "result", "tone"])
def test_object_without_init_is_refused(use):
    with pytest.raises(TypeError, match="without __init__"):
        use()
