"""A result and a ship in a notebook: every table as a pandas DataFrame (pandas
is optional), and the HTML Jupyter shows."""

import html
import re
import sys

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
    # A box 75 × 11 m, indexed by waterline k from 1: T = (k − 1)·0,39 m and
    # V = L·B·T (every quantity's closed form is tested in the core and in the
    # result JSON).
    ship = hullcalc.example()
    ship.offsets[:] = 5.5
    curves = ship.calculate().to_dataframe("curves_of_form")
    assert isinstance(curves, pandas.DataFrame) and curves.index.name == "waterline"
    np.testing.assert_allclose(curves.loc[4, "draft"], 3 * 0.39)
    np.testing.assert_allclose(curves.loc[4, "volume"], 75 * 11 * 3 * 0.39, rtol=1e-9)
    assert curves.attrs["units"]["volume"] == "m³" and curves.attrs["units"]["tonnes_per_centimetre"] == "t/cm"
    with pytest.raises(KeyError, match="frames"):
        ship.calculate().to_dataframe("frame")


def test_without_pandas_the_error_says_what_to_install(monkeypatch):
    monkeypatch.setitem(sys.modules, "pandas", None)  # import pandas fails
    with pytest.raises(ImportError, match="python3-pandas") as error:
        hullcalc.example().calculate().to_dataframe("frames")
    assert "pip install pandas" in str(error.value) and "нужен pandas" in str(error.value)


def html_tables(text):
    """The tables of an HTML text by caption: rows of cell texts, the header row first."""
    def cells(row):
        return [html.unescape(re.sub(r"<[^>]*>", "", c)) for c in re.findall(r"<t[dh][^>]*>(.*?)</t[dh]>", row, re.S)]
    return {html.unescape(re.search(r"<caption[^>]*>(.*?)</caption>", table, re.S).group(1)):
            [cells(row) for row in re.findall(r"<tr[^>]*>(.*?)</tr>", table, re.S)]
            for table in re.findall(r"<table[^>]*>(.*?)</table>", text, re.S)}


def test_result_and_ship_as_html():
    ship = hullcalc.example()
    ship.particulars["depth"] = "<b>3"  # a text is shown as text, never as markup
    result = ship.calculate(tones=1)
    tables = html_tables(result._repr_html_())
    summary = {row[0]: row[1:] for row in tables["Результаты"][1:]}
    assert summary["Осадка средняя Тср"] == [result.summary_text["mean_draft"], "м"]
    frames = tables["По шпангоутам"]
    assert frames[0] == ["Шп", "Осадка, м", "Перерезывающая сила, кН", "Изгибающий момент, кН·м"]
    assert len(frames) == 22 and frames[21][3] == f"{result.bending_moment[20]:.2f}".replace(".", ",")
    assert [row[0] for row in tables["Вибрация"][1:]] == ["1"]

    ship_html = ship._repr_html_()
    assert "<b>3" not in ship_html and "&lt;b&gt;3" in ship_html
    ship_tables = html_tables(ship_html)
    particulars = dict(row for row in ship_tables["Главные размерения судна"][1:])
    assert particulars["Длина расчетная L, м"] == ship.particulars.text("length")
    assert particulars["Тип судна"] == "Речное"
    assert len(ship_tables["Таблица ординат (полуширины), м"]) == 22
