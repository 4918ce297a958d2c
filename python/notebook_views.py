# Results and ships in a notebook: Result.to_dataframe(name) for every table
# of a result (pandas, optional) and _repr_html_ for a ship and a result, so
# that Jupyter shows them as tables with their units. Run inside the module
# hullcalc when it is imported; Ship, Result and the captions taken from the
# core (_particular_captions, _form_headers: the curves of form's column
# captions) are its names.

import html as _html
import math as _math

# The summary lines: key, caption as the page «Результаты» names the value,
# unit (as the windows write it) for the HTML, unit for a data frame.
_SUMMARY_LINES = (
    ("displacement_volume", "Водоизмещение по ГВЛ V", "м³", "m³"),
    ("centre_of_gravity", "Абсцисса ЦТ XG", "м", "m"),
    ("centre_of_buoyancy", "Абсцисса ЦВ XC", "м", "m"),
    ("centre_of_flotation", "Абсцисса ЦТ ГВЛ XF", "м", "m"),
    ("longitudinal_metacentric_radius", "Продольный метацентрический радиус R", "м", "m"),
    ("waterplane_area", "Площадь ГВЛ S", "м²", "m²"),
    ("forward_draft", "Осадка носом Тн", "м", "m"),
    ("aft_draft", "Осадка кормой Тк", "м", "m"),
    ("mean_draft", "Осадка средняя Тср", "м", "m"),
    ("trim", "Дифферент Тк − Тн", "м", "m"),
    ("shear_force_closure", "Невязка по перерезывающей силе", "кН", "kN"),
    ("bending_moment_closure", "Невязка по изгибающему моменту", "кН·м", "kN·m"),
)

_HYDROSTATIC_UNITS = {
    "waterline_height": "m", "volume": "m³", "centre_of_buoyancy": "m", "waterplane_area": "m²",
    "centre_of_flotation": "m", "longitudinal_inertia": "m⁴", "transverse_inertia": "m⁴",
    "transverse_radius": "m", "longitudinal_radius": "m",
}
_WAVE_UNITS = {
    "elevation": "m", "local_draft": "m", "section_area": "m²", "shear_force": "kN", "bending_moment": "kN·m",
    "wave_shear_force": "kN", "wave_bending_moment": "kN·m",
}

_PANDAS_MISSING = (
    "Result.to_dataframe needs pandas, which this Python cannot import: install it "
    "(on Debian and Ubuntu: sudo apt install python3-pandas; otherwise: pip install pandas). "
    "Для Result.to_dataframe нужен pandas: установите его "
    "(Debian и Ubuntu: sudo apt install python3-pandas; иначе: pip install pandas).")


def _pandas():
    try:
        import pandas
    except ImportError as error:
        raise ImportError(_PANDAS_MISSING) from error
    return pandas


def _spacing_labels():
    return [f"{i}-{i + 1}" for i in range(20)]


def _summary_rows(result):
    values = result.summary
    texts = result.summary_text
    return [(key, values[key], texts.get(key), unit) for key, _, _, unit in _SUMMARY_LINES]


# Each table: its index (name and labels) and its columns (name, values, unit),
# or None when the calculation did not compute it.
def _frames(result, document):
    trim = document["trim_table"]
    return ("frame", list(range(21)), [
        ("frame_draft", document["design_waterline"]["frame_drafts"], "m"),
        ("section_area", trim["section_area"], "m²"),
        ("uncorrected_shear_force", trim["uncorrected_shear_force"], "kN"),
        ("shear_force", result.shear_force, "kN"),
        ("bending_moment", result.bending_moment, "kN·m"),
    ])


def _spacings(result, document):
    trim = document["trim_table"]
    return ("spacing", _spacing_labels(), [
        ("mass", document["input"]["masses"], "t"),
        ("buoyancy", trim["buoyancy"], "kN"),
        ("weight", trim["weight"], "kN"),
        ("load", result.load_per_spacing, "kN"),
    ])


# The units of the curves of form, from their captions ("XC, м").
_SI_UNITS = {"м": "m", "м²": "m²", "м³": "m³", "т": "t", "т/см": "t/cm", "т·м/см": "t·m/cm"}


def _form_unit(key):
    caption = _form_headers.get(key, "")
    return _SI_UNITS.get(caption.rpartition(", ")[2], "") if ", " in caption else ""


def _curves_of_form(result, document):
    curves = result.curves_of_form
    return ("waterline", list(range(1, len(curves.get("draft", [])) + 1)),
            [(key, values, _form_unit(key)) for key, values in curves.items()])


def _hydrostatic_curves(result, document):
    curves = document["hydrostatic_curves"]
    columns = [(key, values, _HYDROSTATIC_UNITS.get(key, "")) for key, values in curves.items()]
    return ("waterline", list(range(1, len(curves["waterline_height"]) + 1)), columns)


def _approximations(result, document):
    rows = document["design_waterline"]["approximations"]
    return ("approximation", list(range(1, len(rows) + 1)), [
        ("volume", [r["volume"] for r in rows], "m³"),
        ("centre_of_buoyancy", [r["centre_of_buoyancy"] for r in rows], "m"),
        ("sectional_area_sum", [r["sectional_area_sum"] for r in rows], "m²"),
    ])


def _tones(result, document):
    tones = result.tones
    if not tones:
        return None
    values = list(tones.values())
    return ("tone", list(tones), [
        ("frequency", [t.frequency for t in values], "1/s"),
        ("hertz", [t.hertz for t in values], "Hz"),
        ("per_minute", [t.per_minute for t in values], "1/min"),
        ("beam_frequency", [t.beam_frequency for t in values], "1/s"),
        ("stiffness", [t.stiffness for t in values], "kN/m"),
        ("mass", [t.mass for t in values], "t"),
    ])


def _mode_shapes(result, document):
    tones = result.tones
    if not tones:
        return None
    return ("spacing", _spacing_labels(), [(f"tone_{n}", t.mode_shape, "") for n, t in tones.items()])


def _wave_case(case):
    def table(result, document):
        wave = document["wave"]
        if wave is None:
            return None
        values = wave[case]
        return ("frame", list(range(21)), [(key, values[key], unit) for key, unit in _WAVE_UNITS.items()])
    return table


def _girder(result, document):
    girder = document["girder"]
    if girder is None:
        return None
    members = girder["members"]
    return ("member", [m["name"] for m in members], [
        ("area", [m["area"] for m in members], "cm²"),
        ("height", [m["height"] for m in members], "m"),
        ("own_inertia", [m["own_inertia"] for m in members], "cm²·m²"),
    ])


def _stresses(result, document):
    stresses = document["stresses"]
    if stresses is None:
        return None
    cases = stresses["cases"]
    return ("case", [c["case"] for c in cases], [
        ("frame", [c["frame"] for c in cases], ""),
        ("bending_moment", [c["bending_moment"] for c in cases], "kN·m"),
        ("deck", [c["deck"] for c in cases], "MPa"),
        ("bottom", [c["bottom"] for c in cases], "MPa"),
        ("margin_percent", [c["margin_percent"] for c in cases], "%"),
        ("exceeded", [c["exceeded"] for c in cases], ""),
    ])


def _righting_levers(result, document):
    stability = document["large_angle_stability"]
    if stability is None:
        return None
    return ("heel", stability["heel"], [
        ("righting_lever", stability["righting_lever"], "m"),
        ("trim", stability["trim"], "m"),
        ("dynamic_lever", stability["dynamic_lever"], "m·rad"),
    ])


def _stability_criteria(result, document):
    stability = document["large_angle_stability"]
    if stability is None:
        return None
    criteria = stability["criteria"]
    return ("criterion", [c["name"] for c in criteria], [
        ("value", [c["value"] for c in criteria], ""),
        ("limit", [c["limit"] for c in criteria], ""),
        ("passed", [c["passed"] for c in criteria], ""),
    ])


def _warnings(result, document):
    warnings = result.warnings
    return (None, list(range(len(warnings))), [
        ("message", [w[0] for w in warnings], ""),
        ("place", [w[1] for w in warnings], ""),
    ])


_TABLES = {
    "frames": _frames,
    "spacings": _spacings,
    "curves_of_form": _curves_of_form,
    "hydrostatic_curves": _hydrostatic_curves,
    "approximations": _approximations,
    "tones": _tones,
    "mode_shapes": _mode_shapes,
    "wave_hogging": _wave_case("hogging"),
    "wave_sagging": _wave_case("sagging"),
    "girder": _girder,
    "stresses": _stresses,
    "righting_levers": _righting_levers,
    "stability_criteria": _stability_criteria,
    "warnings": _warnings,
}


def _column(values):
    """Numbers as floats with NaN for a value not reached; texts and flags as
    they are."""
    values = list(values)
    numbers = [v for v in values if v is not None]
    if numbers and all(isinstance(v, (int, float)) and not isinstance(v, bool) for v in numbers):
        return [_math.nan if v is None else float(v) for v in values]
    return values


def _to_dataframe(self, name):
    """One table of the result as a pandas DataFrame (pandas is optional).

    name: "summary" (one row per quantity: value at full precision, text as
    the page shows it, unit), "frames" (21 frames from the bow: frame_draft m,
    section_area m², uncorrected_shear_force, shear_force kN, bending_moment
    kN·m), "spacings" (20 spacings: mass t, buoyancy, weight, load kN),
    "curves_of_form", "hydrostatic_curves" (per waterline), "approximations",
    "tones", "mode_shapes" (with tones), "wave_hogging", "wave_sagging",
    "girder", "stresses" (with the strength check), "righting_levers" (every
    5° of heel: righting_lever m, trim m, dynamic_lever m·rad) and
    "stability_criteria" (value, limit, passed; units by criterion as in
    LargeAngleStability.criteria), both with z_g, or "warnings"; see
    Result.tables. The units of the columns are in frame.attrs["units"].

    Raises KeyError for another name, ValueError for a table this calculation
    did not compute (no tones, no strength check, stopped early), ImportError
    without pandas.
    """
    if name != "summary" and name not in _TABLES:
        raise KeyError(f"no table {name!r}; the tables are: summary, " + ", ".join(_TABLES))
    pandas = _pandas()
    if name == "summary":
        rows = _summary_rows(self)
        frame = pandas.DataFrame({"value": [r[1] for r in rows], "text": [r[2] for r in rows],
                                  "unit": [r[3] for r in rows]},
                                 index=pandas.Index([r[0] for r in rows], name="quantity"))
        return frame
    try:
        table = _TABLES[name](self, self.to_dict())
    except (KeyError, TypeError, IndexError):
        table = None
    if table is None:
        raise ValueError(f"the table {name!r} was not computed by this calculation")
    index_name, labels, columns = table
    frame = pandas.DataFrame({column: _column(values) for column, values, _ in columns},
                             index=pandas.Index(labels, name=index_name))
    frame.attrs["units"] = {column: unit for column, _, unit in columns if unit}
    return frame


def _tables(self):
    """The names to_dataframe takes for this result: "summary" and the tables
    the calculation computed."""
    document = self.to_dict()
    names = ["summary"]
    for name, build in _TABLES.items():
        try:
            if build(self, document) is not None:
                names.append(name)
        except (KeyError, TypeError, IndexError):
            pass
    return names


# HTML: numbers with a decimal comma, as every window writes them; what a
# script typed with up to 15 significant digits, as its cell holds it.
def _number(value, decimals=None):
    if value is None or (isinstance(value, float) and _math.isnan(value)):
        return ""
    text = f"{value:.15g}" if decimals is None else f"{value:.{decimals}f}"
    return text.replace(".", ",")


def _cell(text, header=False):
    tag = "th" if header else "td"
    align = "" if header else ' style="text-align: right"'
    return f"<{tag}{align}>{_html.escape(str(text))}</{tag}>"


def _html_table(caption, headers, rows):
    parts = [f'<table><caption style="text-align: left; font-weight: bold">{_html.escape(caption)}</caption>',
             "<thead><tr>" + "".join(_cell(h, header=True) for h in headers) + "</tr></thead><tbody>"]
    for row in rows:
        parts.append("<tr>" + _cell(row[0], header=True) + "".join(_cell(c) for c in row[1:]) + "</tr>")
    parts.append("</tbody></table>")
    return "".join(parts)


def _result_html(self):
    parts = ['<div class="hullcalc-result">']
    if self.error is not None:
        parts.append(f"<p><b>Расчет остановлен:</b> {_html.escape(self.error)}</p>")
    texts = self.summary_text
    values = self.summary
    summary_rows = []
    for key, caption, unit, _ in _SUMMARY_LINES:
        text = texts.get(key) or _number(values[key], 2)
        summary_rows.append((caption, text, unit))
    parts.append(_html_table("Результаты", ["Величина", "Значение", "Ед."], summary_rows))
    if self.warnings:
        parts.append("<p><b>Проверка данных</b></p><ul>"
                     + "".join(f"<li>{_html.escape(message)}</li>" for message, _ in self.warnings) + "</ul>")
    document = self.to_dict()
    frame_drafts = document["design_waterline"]["frame_drafts"]
    parts.append(_html_table(
        "По шпангоутам", ["Шп", "Осадка, м", "Перерезывающая сила, кН", "Изгибающий момент, кН·м"],
        [(frame, _number(frame_drafts[frame], 3), _number(self.shear_force[frame], 2),
          _number(self.bending_moment[frame], 2)) for frame in range(21)]))
    parts.append(_html_table(
        "По шпациям", ["Шпация", "Нагрузка на шпацию, кН"],
        [(label, _number(load, 2)) for label, load in zip(_spacing_labels(), self.load_per_spacing)]))
    tones = self.tones
    if tones:
        parts.append(_html_table(
            "Вибрация", ["Тон", "Частота ω, 1/с", "Частота, Гц", "Частота, кол/мин", "Балочная модель ω, 1/с"],
            [(n, _number(t.frequency, 4), _number(t.hertz, 4), _number(t.per_minute, 2),
              _number(t.beam_frequency, 4)) for n, t in tones.items()]))
    parts.append("</div>")
    return "".join(parts)


def _ship_html(self):
    particulars = self.particulars
    parts = ['<div class="hullcalc-ship">']
    rows = [(_particular_captions[name], particulars.text(name)) for name in particulars]
    rows.append(("Тип судна", "Морское" if self.sea else "Речное"))
    parts.append(_html_table("Главные размерения судна", ["Величина", "Значение"], rows))
    offsets = self.offsets
    parts.append(_html_table(
        "Таблица ординат (полуширины), м", ["Шп \\ ВЛ"] + [str(j) for j in range(1, offsets.shape[1] + 1)],
        [(frame, *(_number(v) for v in offsets[frame])) for frame in range(offsets.shape[0])]))
    parts.append(_html_table(
        "По шпациям", ["Шпация", "Масса, т", "Момент инерции сечения, м⁴"],
        [(label, _number(m), _number(i)) for label, m, i in
         zip(_spacing_labels(), self.masses, self.inertias)]))
    parts.append("</div>")
    return "".join(parts)


def _sheet_to_dataframe(self, name):
    """One table of the sheet as a pandas DataFrame (pandas is optional): its
    first column, the row labels, the index; the other columns as
    Sheet.columns(name) gives them. Raises KeyError for a name the sheet has
    not, ImportError without pandas."""
    columns = self.columns(name)
    pandas = _pandas()
    headers = list(columns)
    return pandas.DataFrame({header: columns[header] for header in headers[1:]},
                            index=pandas.Index(list(columns[headers[0]]), name=headers[0]))


Result.to_dataframe = _to_dataframe
Sheet.to_dataframe = _sheet_to_dataframe
Result.tables = property(_tables, doc=_tables.__doc__)
Result._repr_html_ = _result_html
Ship._repr_html_ = _ship_html
