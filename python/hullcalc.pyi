# The names of the module hullcalc for editors and type checkers. Units: m,
# m², m³, m⁴, t, kN, kN·m, 1/s; abscissae from midship, positive to the bow;
# frames 0 (bow) to 20, spacings 0-1 to 19-20, waterlines 1 (base line) to 10.

import os
from collections.abc import Iterator, Mapping
from typing import Any, Literal, NamedTuple

import numpy as np
import numpy.typing as npt
import pandas

__version__: str

Array = npt.NDArray[np.float64]

class Error(Exception):
    message: str
    place: str | None  # JSON Pointer into the result document, "/input/offsets/3/4"
    def __init__(self, message: str, place: str | None = ...) -> None: ...

class CalculationError(Error):
    result: Result | None  # what was computed until the calculation stopped
    def __init__(self, message: str, place: str | None = ..., result: Result | None = ...) -> None: ...

class FileError(Error, OSError): ...

class Kumai(NamedTuple):
    per_minute: float  # Kumai's estimate of tone I, oscillations per minute
    difference_percent: float  # the energy method's tone I against it, %
    note: str | None

class RightingLeverMaximum(NamedTuple):
    value: float  # the largest GZ, m
    heel: float  # degrees

class StabilityCriterion(NamedTuple):
    name: str  # area_0_30, area_0_40, area_30_40 (m·rad), righting_lever_30 (m), max_righting_lever_heel (°), gm0 (m)
    value: float
    limit: float  # the least value allowed
    passed: bool

class CrossCurves(NamedTuple):
    volumes: Array  # m³: waterlines 1..10, then the loading's
    heel: Array  # 0, 10, ... 90 degrees
    kn: Array  # KN about the keel point, m, [volume, heel]; NaN beyond the deck

class LargeAngleStability:
    # Arrays over heel every 5° from 0 to 90.
    @property
    def trim_mode(self) -> Literal["fixed", "free"]: ...
    @property
    def heel(self) -> Array: ...  # degrees
    @property
    def righting_lever(self) -> Array: ...  # GZ, m
    @property
    def trim(self) -> Array: ...  # Tк − Tн, m, by the stern positive
    @property
    def dynamic_lever(self) -> Array: ...  # ∫GZ dφ, m·rad
    @property
    def gm0(self) -> float: ...  # m
    @property
    def area_0_30(self) -> float: ...  # m·rad
    @property
    def area_0_40(self) -> float: ...  # m·rad
    @property
    def area_30_40(self) -> float: ...  # m·rad
    @property
    def vanishing_angle(self) -> float | None: ...  # degrees
    @property
    def deck_edge_angle(self) -> float | None: ...  # degrees
    @property
    def bilge_emergence_angle(self) -> float | None: ...  # degrees
    @property
    def max_righting_lever(self) -> RightingLeverMaximum: ...
    @property
    def criteria(self) -> list[StabilityCriterion]: ...
    @property
    def cross_curves(self) -> CrossCurves: ...

class Particulars(Mapping[str, float]):
    # displacement, length, breadth, depth, draft (t, m), design_displacement
    # (t), centre_of_gravity, vertical_centre_of_gravity, frame_spacing,
    # waterline_spacing (m); the main window's names ("ShipDr") as well.
    def __getitem__(self, name: str) -> float: ...
    def __setitem__(self, name: str, value: float | str) -> None: ...
    def __iter__(self) -> Iterator[str]: ...
    def __len__(self) -> int: ...
    def text(self, name: str) -> str: ...

class Ship:
    def __init__(self) -> None: ...
    @property
    def particulars(self) -> Particulars: ...
    sea: bool  # sea water 1,025 t/m³, else river water 1,0 t/m³
    @property
    def water_density(self) -> float: ...  # t/m³
    offsets: Array  # half-breadths, m, 21 frames × 10 waterlines
    masses: Array  # t, 20 spacings
    inertias: Array  # section moments of inertia, m⁴, 20 spacings
    shear_area: float | str | None  # midship shear area of the beam with shear, m²; None: from the girder
    added_mass: Literal["formula", "lewis"]  # the beam models' added mass of water
    shaft_rpm: float | str | None  # propeller shaft, об/мин
    blades: int | str | None  # propeller blades
    engine_rpm: float | str | None  # engine, об/мин
    firing_per_revolution: int | str | None  # firing impulses per engine revolution
    def calculate(self, tones: Literal[1, 2, 3, 4, "all"] | None = None, strength: bool | None = None) -> Result: ...
    def save(self, path: str | os.PathLike[str]) -> None: ...
    def copy(self) -> Ship: ...
    def _repr_html_(self) -> str: ...

class Tone:
    @property
    def tone(self) -> int: ...
    @property
    def stiffness(self) -> float | None: ...  # kN/m
    @property
    def mass(self) -> float | None: ...  # t
    @property
    def frequency(self) -> float | None: ...  # ω, 1/s
    @property
    def hertz(self) -> float | None: ...
    @property
    def per_minute(self) -> float | None: ...
    @property
    def beam_frequency(self) -> float | None: ...  # ω of the beam model, 1/s
    @property
    def beam_error(self) -> str | None: ...
    @property
    def shear_beam_frequency(self) -> float | None: ...  # ω of the beam with shear, 1/s
    @property
    def recommended_method(self) -> str | None: ...
    @property
    def shift(self) -> float | None: ...
    @property
    def turn(self) -> float | None: ...
    @property
    def mass_per_metre(self) -> Array: ...  # t/m, 20 spacings
    @property
    def mode_shape(self) -> Array: ...  # 20 spacings

TableName = Literal[
    "summary", "frames", "spacings", "curves_of_form", "hydrostatic_curves", "approximations", "tones",
    "mode_shapes", "wave_hogging", "wave_sagging", "girder", "stresses", "righting_levers", "stability_criteria",
    "warnings",
]

class Sheet:
    # A step's page as texts read back; the tables and charts by their names.
    @property
    def key(self) -> str: ...
    @property
    def computed(self) -> bool: ...
    @property
    def absence(self) -> str: ...  # why not computed, Russian; "" when computed
    @property
    def note(self) -> str: ...
    @property
    def figures(self) -> dict[str, str]: ...  # caption -> value as shown
    @property
    def grids(self) -> dict[str, dict[str, Array | list[str]]]: ...  # name -> header -> column
    @property
    def titles(self) -> dict[str, str]: ...
    @property
    def workbook_sheets(self) -> dict[str, str]: ...
    @property
    def charts(self) -> dict[str, dict[str, tuple[Array, Array]]]: ...  # name -> series -> (x, y)
    def columns(self, name: str) -> dict[str, Array | list[str]]: ...
    def to_dataframe(self, name: str) -> pandas.DataFrame: ...

class Result:
    @property
    def summary(self) -> dict[str, float | None]: ...  # full precision, with "trim" (m, by the stern)
    @property
    def summary_text(self) -> dict[str, str | None]: ...  # as the page shows it, "886,76"
    @property
    def load_per_spacing(self) -> Array: ...  # kN, 20 spacings
    @property
    def shear_force(self) -> Array: ...  # kN, 21 frames
    @property
    def bending_moment(self) -> Array: ...  # kN·m, 21 frames
    @property
    def curves_of_form(self) -> dict[str, Array]: ...  # 10 waterlines per quantity
    @property
    def stability(self) -> dict[str, float | None]: ...  # m
    @property
    def large_angle_stability(self) -> LargeAngleStability | None: ...  # None without z_g
    @property
    def wave(self) -> dict[str, Any] | None: ...
    @property
    def girder(self) -> dict[str, Any] | None: ...
    @property
    def stresses(self) -> dict[str, Any] | None: ...
    @property
    def rule_loads(self) -> dict[str, Any] | None: ...
    @property
    def warnings(self) -> list[tuple[str, str | None]]: ...
    @property
    def tones(self) -> dict[int, Tone]: ...
    @property
    def kumai(self) -> Kumai | None: ...
    @property
    def resonance(self) -> dict[str, Any] | None: ...  # limit_percent, %; margins: tone_hertz, Гц, margin_percent, %
    @property
    def shear_area_note(self) -> str | None: ...
    @property
    def error(self) -> str | None: ...
    @property
    def tables(self) -> list[TableName]: ...
    def to_dataframe(self, name: TableName) -> pandas.DataFrame: ...
    def sheet(self, key: str) -> Sheet: ...  # a key of sheet_keys()
    def to_json(self) -> str: ...
    def to_dict(self) -> dict[str, Any]: ...
    def _repr_html_(self) -> str: ...

def example() -> Ship: ...
def sheet_keys() -> list[str]: ...
def load(path: str | os.PathLike[str]) -> Ship: ...
