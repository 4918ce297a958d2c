"""A result and a ship in a notebook: every table as a pandas DataFrame (pandas
is optional), and the HTML Jupyter shows."""

import sys
from html.parser import HTMLParser

import numpy as np
import pytest

import hullcalc


@pytest.fixture(scope="module")
def full_result():
    return hullcalc.example().calculate(tones="all", strength=True)


# Each row: the table and its rows (21 frames, 20 spacings, 10 waterlines,
# 4 tones; tones III and IV of the example differ between the two methods).
TABLE_ROWS = {"summary": 12, "frames": 21, "spacings": 20, "curves_of_form": 10, "hydrostatic_curves": 10,
              "approximations": 2, "tones": 4, "mode_shapes": 20, "wave_hogging": 21, "wave_sagging": 21,
              "stresses": 3, "warnings": 1}


@pytest.mark.parametrize("name, rows", TABLE_ROWS.items(), ids=TABLE_ROWS.keys())
def test_every_table_is_a_data_frame(full_result, name, rows):
    pytest.importorskip("pandas")
    assert name in full_result.tables
    assert len(full_result.to_dataframe(name)) == rows


def test_data_frame_of_a_box_barge_by_waterline():
    pandas = pytest.importorskip("pandas")
    # A box 75 × 11 m: V = L·B·T on every waterline, T = (k − 1)·0,39 m.
    ship = hullcalc.example()
    ship.offsets[:] = 5.5
    curves = ship.calculate().to_dataframe("curves_of_form")
    assert isinstance(curves, pandas.DataFrame) and curves.index.name == "waterline"
    np.testing.assert_allclose(curves.loc[4, "draft"], 3 * 0.39)
    np.testing.assert_allclose(curves["volume"], 75 * 11 * 0.39 * np.arange(10), rtol=1e-9)
    assert np.isnan(curves.loc[1, "block_coefficient"])  # the base line holds no volume
    assert curves.attrs["units"]["volume"] == "m³" and curves.attrs["units"]["tonnes_per_centimetre"] == "t/cm"
    with pytest.raises(KeyError, match="frames"):
        ship.calculate().to_dataframe("frame")


def test_without_pandas_the_error_says_what_to_install(monkeypatch):
    monkeypatch.setitem(sys.modules, "pandas", None)  # import pandas fails
    with pytest.raises(ImportError, match="python3-pandas") as error:
        hullcalc.example().calculate().to_dataframe("frames")
    assert "pip install pandas" in str(error.value) and "нужен pandas" in str(error.value)


class Tables(HTMLParser):
    """The tables of an HTML text: caption, header row, body rows of cell texts."""

    def __init__(self, text):
        super().__init__()
        self.tables, self._cell = [], None
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        if tag == "table":
            self.tables.append({"caption": "", "rows": []})
        elif tag == "tr":
            self.tables[-1]["rows"].append([])
        elif tag in ("td", "th", "caption"):
            self._cell = ""

    def handle_data(self, data):
        if self._cell is not None:
            self._cell += data

    def handle_endtag(self, tag):
        if tag == "caption":
            self.tables[-1]["caption"] = self._cell
        elif tag in ("td", "th"):
            self.tables[-1]["rows"][-1].append(self._cell)
        if tag in ("td", "th", "caption"):
            self._cell = None


def test_result_and_ship_as_html():
    ship = hullcalc.example()
    ship.particulars["depth"] = "<b>3"  # a text is shown as text, never as markup
    result = ship.calculate(tones=1)
    tables = {t["caption"]: t["rows"] for t in Tables(result._repr_html_()).tables}
    summary = {row[0]: row[1:] for row in tables["Результаты"][1:]}
    assert summary["Осадка средняя Тср"] == [result.summary_text["mean_draft"], "м"]
    frames = tables["По шпангоутам"]
    assert frames[0] == ["Шп", "Осадка, м", "Перерезывающая сила, кН", "Изгибающий момент, кН·м"]
    assert len(frames) == 22 and frames[21][3] == f"{result.bending_moment[20]:.2f}".replace(".", ",")
    assert [row[0] for row in tables["Вибрация"][1:]] == ["1"]

    ship_html = ship._repr_html_()
    assert "<b>3" not in ship_html and "&lt;b&gt;3" in ship_html
    ship_tables = {t["caption"]: t["rows"] for t in Tables(ship_html).tables}
    particulars = dict(row for row in ship_tables["Главные размерения судна"][1:])
    assert particulars["Длина расчетная L, м"] == ship.particulars.text("length")
    assert particulars["Тип судна"] == "Речное"
    assert len(ship_tables["Таблица ординат (полуширины), м"]) == 22
