// The Python module hullcalc: ships, their calculation and its results, over
// the calculation core. Every failure of the core reaches Python as an
// exception of this module (or ValueError, KeyError, IndexError for a bad
// argument); none crosses the boundary untranslated.
#include "calculation_result.h"
#include "constructed_instances.h"
#include "full_precision_summary.h"
#include "large_angle_stability_result.h"
#include "notebook_views.h"
#include "particulars_view.h"
#include "python_values.h"
#include "scripted_ship.h"
#include "step_sheet_view.h"
#include "tone_result.h"

#include "common/error.h"
#include "common/file_error.h"
#include "common/number_text.h"
#include "common/program_version.h"
#include "project/project_file.h"
#include "project/title_block.h"
#include "run/result_json.h"
#include "run/ship_run.h"
#include "vibration/vibration_options.h"
#include "vibration/vibration_sheet.h"

#include <pybind11/eval.h>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace py = pybind11;
using namespace pybind11::literals;

namespace hullcalc::python {

namespace {

// The exception classes and Kumai's estimate, defined in Python so that they
// take their arguments and print as Python users expect.
constexpr const char* pythonDefinitions = R"(
import collections as _collections

class Error(Exception):
    """A failure of hullcalc, with the message the windows would show.

    message: the Russian text of the windows (the first line is what the
        result document's "error" holds).
    place: a JSON Pointer (RFC 6901) into the result document to the input
        value at fault, such as "/input/offsets/3/4" (frame 3, waterline 5) or
        "/input/particulars/length"; None when no one value is the cause.
    """

    def __init__(self, message, place=None):
        super().__init__(message)
        self.message = message
        self.place = place


class CalculationError(Error):
    """A calculation stopped. `result` holds what it had computed until then,
    with result.error set, as hullcalc-cli --json writes a failed run.

    message: the result document's Russian "message" («Пустое значение: нужно
        число»); error: its system text, as "error" holds it
        ("'' is not a valid floating point value").
    """

    def __init__(self, message, place=None, result=None, error=None):
        super().__init__(message, place)
        self.result = result
        self.error = error


class FileError(Error, OSError):
    """A file could not be read or written, or is not a ship's file.

    message: the Russian cause the windows show, with the file
        («Файл не найден: /home/user/ship.hullcalc»).
    errno: the system's error number where the system reported one, else None.
    """


Kumai = _collections.namedtuple("Kumai", "per_minute difference_percent note")
Kumai.__doc__ = """Kumai's empirical estimate of tone I (I тон по эмпирической формуле Кумаи).

per_minute: the estimate, oscillations per minute (кол/мин).
difference_percent: the energy method's tone I against it, % of the estimate,
    positive when the energy method gives the higher frequency.
note: why the estimate may not hold for this ship (Russian), or None."""


RightingLeverMaximum = _collections.namedtuple("RightingLeverMaximum", "value heel")
RightingLeverMaximum.__doc__ = """The largest righting lever: value GZ, m, at heel, degrees."""

StabilityCriterion = _collections.namedtuple("StabilityCriterion", "name value limit passed")
StabilityCriterion.__doc__ = """One general intact stability criterion of the IMO.

name: area_0_30, area_0_40, area_30_40 (m·rad), righting_lever_30 (the largest
    GZ at 30° or more, m), max_righting_lever_heel (degrees) or gm0 (m).
value, limit: the ship's value and the least value allowed, in that unit.
passed: value >= limit."""

CrossCurves = _collections.namedtuple("CrossCurves", "volumes heel kn")
CrossCurves.__doc__ = """The cross curves of stability (пантокарены) at level trim.

volumes: m³, of waterlines 1 to 10, then the loading's.
heel: 0, 10, ... 90 degrees.
kn: KN about the keel point, m, kn[volume, heel]; NaN for a volume the hull
    cannot hold up to the deck."""
)";

struct PythonTypes {
    py::handle error;
    py::handle calculationError;
    py::handle fileError;
    py::handle kumai;
    py::handle rightingLeverMaximum;
    py::handle stabilityCriterion;
    py::handle crossCurves;
};

PythonTypes& types()
{
    static PythonTypes types;
    return types;
}

// Raises `type` with the message and place, and each of `attributes` set on it.
[[noreturn]] void raise(py::handle type, const std::string& message, py::object place, const py::dict& attributes = {})
{
    py::object error = type(message, place);
    for (const auto& [name, value] : attributes)
        py::setattr(error, name, value);
    PyErr_SetObject(type.ptr(), error.ptr());
    throw py::error_already_set();
}

py::object placeOrNone(const std::string& place) { return place.empty() ? py::none() : py::object(py::str(place)); }

// A file of the core read or written: its failure as FileError, in the
// windows' Russian, with the system's error number where there is one.
template<typename Operation>
auto fileOperation(Operation&& operation)
{
    try {
        return operation();
    } catch (const FileError& e) {
        const std::error_condition cause = e.cause().default_error_condition();
        py::object number =
            cause.category() == std::generic_category() ? py::object(py::int_(cause.value())) : py::none();
        raise(types().fileError, userMessage(e.what()), py::none(), py::dict("errno"_a = number));
    } catch (const Error& e) {
        raise(types().fileError, userMessage(e.what()), py::none());
    }
}

// A vibration option as a script reads it: None while its text is empty, else
// the number its text holds (NaN for a text that is none); a count as an int.
py::object optionValue(const std::string& text, bool count)
{
    if (trimmed(text).empty())
        return py::none();
    const double number = numberOrNaN(text);
    if (count && std::isfinite(number) && number == std::floor(number))
        return py::int_(static_cast<long long>(number));
    return py::float_(number);
}

// A vibration option as a script writes it: None empties it, a number becomes
// the text the windows would show (15 significant digits, decimal comma), a
// str is typed as it is. Throws ValueError naming the option for a number
// that is not finite.
std::string optionText(const char* name, const std::optional<std::variant<double, std::string>>& value)
{
    if (!value)
        return {};
    if (const std::string* typed = std::get_if<std::string>(&*value))
        return *typed;
    const double number = std::get<double>(*value);
    if (!std::isfinite(number))
        throw py::value_error(std::string(name) + " must be a finite number, not " + std::to_string(number));
    return formatGeneral(number);
}

// A vibration option of the ship as a property: read as optionValue, written
// as optionText, so a script's None, number or text lands as the windows type it.
void defineOption(py::class_<ScriptedShip>& ship, const char* name, std::string VibrationOptions::*text, bool count,
                  const char* doc)
{
    ship.def_property(
        name, [text, count](ScriptedShip& s) { return optionValue(s.vibrationOptions().*text, count); },
        [name, text](ScriptedShip& s, const std::optional<std::variant<double, std::string>>& value) {
            s.vibrationOptions().*text = optionText(name, value);
        },
        doc);
}

// The tones of `tones`: None, 1..4 or "all" (with Kumai's estimate).
std::pair<std::vector<int>, bool> tonesOf(const py::object& tones)
{
    if (tones.is_none())
        return {{}, false};
    if (py::isinstance<py::str>(tones) && tones.cast<std::string>() == "all") {
        std::vector<int> all;
        for (int tone = lowestTone; tone <= highestTone; ++tone)
            all.push_back(tone);
        return {all, true};
    }
    if (py::isinstance<py::int_>(tones) && !py::isinstance<py::bool_>(tones))
        for (int tone = lowestTone; tone <= highestTone; ++tone)
            if (tones.equal(py::int_(tone)))
                return {{tone}, false};
    throw py::value_error("tones must be None, a tone 1..4 or \"all\", not " + py::repr(tones).cast<std::string>());
}

py::object calculate(ScriptedShip& ship, const py::object& tones, std::optional<bool> strength)
{
    const auto [toneList, withKumai] = tonesOf(tones);
    Ship input = ship.ship();
    // As hullcalc-cli: a project's strength input runs the check by itself;
    // --strength runs it on the defaults where the ship holds none.
    if (strength.value_or(input.strength.has_value())) {
        if (!input.strength)
            input.strength.emplace(input.strengthDefaults);
    } else {
        input.strength.reset();
    }
    std::optional<ShipRun> run;
    {
        // The core touches no Python object: other threads run meanwhile.
        py::gil_scoped_release release;
        run.emplace(runShip(std::move(input), RunRequest{toneList, withKumai}));
    }
    const std::optional<RunFailure> failure = run->failure;
    const CalculationResult found(std::move(*run));
    py::object result = py::cast(found);
    if (failure)
        // The message and the system text as the result document holds them.
        raise(types().calculationError, found.part("message").get<std::string>(), placeOrNone(failure->place.pointer),
              py::dict("result"_a = result, "error"_a = toPython(found.part("error"))));
    return result;
}

// A writeable array over the numbers of a ship's table; it keeps the ship alive.
py::array_t<double> tableView(py::object ship, double* values, std::vector<py::ssize_t> shape)
{
    numpy();
    return py::array_t<double>(std::move(shape), values, ship);
}

void defineParticulars(py::module_& m)
{
    const auto key = [](const ParticularsView& view, const std::string& name) {
        try {
            return view.value(name);
        } catch (const std::out_of_range& e) {
            throw py::key_error(e.what());
        }
    };
    py::class_<ParticularsView>(m, "Particulars", R"(The main particulars of a ship (Главные размерения судна).

A mapping from the names of hullcalc-cli's --set, in snake_case, to the
values of their texts (NaN for a text that is no number):

    displacement         D, t (Водоизмещение D, т; read by no calculation)
    length               design length L, m (Длина расчетная L, м)
    breadth              design breadth B, m (Ширина расчетная B, м)
    depth                depth H, m (Высота борта H, м; read by no calculation)
    draft                draft T, m (Осадка Т, м)
    design_displacement  displacement in the design loading case, t
                         (Водоизмещение в расчетном случае, т)
    centre_of_gravity    abscissa XG of the centre of gravity from midship,
                         positive to the bow, m (Центр тяжести судна, м)
    vertical_centre_of_gravity
                         height z_g of the centre of gravity above the base
                         line, m (Аппликата ЦТ судна z_g, м); optional, for
                         the metacentric heights
    frame_spacing        theoretical frame spacing ΔL, m (Теоретическая шпация ΔL, м)
    waterline_spacing    distance ΔT between the waterlines, m
                         (Расстояние между ватерлиниями ΔT, м)

A float set here becomes the text the main window would show (15 significant
digits, decimal comma); a str is typed as it is ("886,74"). The main
window's names ("ShipDr") are accepted too.)")
        .def("__getitem__", key, "name"_a)
        .def("__setitem__",
             [](ParticularsView& view, const std::string& name, const std::variant<double, std::string>& value) {
                 try {
                     view.set(name, value);
                 } catch (const std::out_of_range& e) {
                     throw py::key_error(e.what());
                 }
             })
        .def(
            "text",
            [](const ParticularsView& view, const std::string& name) {
                try {
                    return view.text(name);
                } catch (const std::out_of_range& e) {
                    throw py::key_error(e.what());
                }
            },
            "name"_a, "The particular's text as typed, such as \"886,74\".")
        .def("__len__", [](const ParticularsView&) { return particularFields.size(); })
        .def("__iter__", [](const ParticularsView&) { return py::iter(py::cast(ParticularsView::names())); })
        .def("__contains__",
             [](const ParticularsView& view, const py::object& name) {
                 if (!py::isinstance<py::str>(name))
                     return false;
                 try {
                     view.text(name.cast<std::string>());
                     return true;
                 } catch (const std::out_of_range&) {
                     return false;
                 }
             })
        .def("keys", [](const ParticularsView&) { return ParticularsView::names(); })
        .def("items",
             [](const ParticularsView& view) {
                 std::vector<std::pair<std::string, double>> items;
                 for (const std::string& name : ParticularsView::names())
                     items.emplace_back(name, view.value(name));
                 return items;
             })
        .def("__repr__", [](const ParticularsView& view) {
            std::string text = "Particulars({";
            for (const std::string& name : ParticularsView::names())
                text += (text.back() == '{' ? "'" : ", '") + name + "': '" + view.text(name) + "'";
            return text + "})";
        });
    py::module_::import("collections.abc").attr("Mapping").attr("register")(m.attr("Particulars"));
}

void defineShip(py::module_& m)
{
    const auto arraySetter = [](double* (ScriptedShip::*values)(), std::vector<py::ssize_t> shape) {
        return [values, shape](py::object self, const py::object& numbers) {
            ScriptedShip& ship = self.cast<ScriptedShip&>();
            numpy().attr("copyto")(tableView(self, (ship.*values)(), shape), numbers);
        };
    };
    const std::vector<py::ssize_t> offsetShape{ScriptedShip::offsetRows, ScriptedShip::offsetColumns};
    const std::vector<py::ssize_t> spacingShape{ScriptedShip::spacingRows};

    py::class_<ScriptedShip> ship(m, "Ship", R"(One ship: what the user types into the windows.

Ship() is the program as it starts: the default particulars, empty tables,
river water. hullcalc.example() and hullcalc.load() give the others.

The tables are numpy views: what a script writes there is typed into the cells
(15 significant digits, decimal comma) before anything reads them, so a
calculation gives what the windows would give for the same input. NaN stands
for a cell that holds no number; writing NaN over a number empties the cell.)");
    ship.def(py::init<>())
        .def_property_readonly(
            "particulars", [](ScriptedShip& ship) { return ParticularsView(ship.particulars()); },
            py::keep_alive<0, 1>(), "The main particulars by name, see Particulars.")
        .def_property(
            "title",
            [](ScriptedShip& ship) {
                py::dict fields;
                for (const TitleField& field : titleFields)
                    fields[py::str(std::string(field.key))] = ship.title().*field.text;
                return fields;
            },
            [](ScriptedShip& ship, const std::map<std::string, std::string>& fields) {
                TitleBlock title;
                for (const auto& [key, text] : fields) {
                    const TitleField* field = findTitleField(key);
                    if (!field)
                        throw py::key_error("no title field '" + key
                                            + "': ship, author, group, variant, supervisor, date");
                    title.*field->text = text;
                }
                ship.title() = title;
            },
            "The title block the report prints and the project keeps (Сведения о проекте), a dict of str: ship, "
            "author, group, variant, supervisor, date. Assign a whole dict (missing keys become empty): "
            "ship.title = {**ship.title, \"author\": \"Иванов И. И.\"}.")
        .def_property("sea", &ScriptedShip::sea, &ScriptedShip::setSea,
                      "The ship type: True for a sea-going ship (sea water, 1,025 t/m³), False for a river ship "
                      "(river water, 1,0 t/m³).")
        .def_property_readonly(
            "water_density",
            [](const ScriptedShip& ship) { return waterDensity(ship.sea() ? ShipType::sea : ShipType::river); },
            "The water density of the ship type, t/m³.")
        .def_property(
            "offsets",
            [=](py::object self) { return tableView(self, self.cast<ScriptedShip&>().offsets(), offsetShape); },
            arraySetter(&ScriptedShip::offsets, offsetShape),
            "Half-breadths of the lines drawing (Таблица ординат), m: 21 × 10, frame 0 (bow) to 20 (stern) down, "
            "waterline 1 (the base line) to 10 across.")
        .def_property(
            "masses",
            [=](py::object self) { return tableView(self, self.cast<ScriptedShip&>().masses(), spacingShape); },
            arraySetter(&ScriptedShip::masses, spacingShape),
            "Masses of the 20 frame spacings from the bow (Таблица масс), t.")
        .def_property(
            "inertias",
            [=](py::object self) { return tableView(self, self.cast<ScriptedShip&>().inertias(), spacingShape); },
            arraySetter(&ScriptedShip::inertias, spacingShape),
            "Section moments of inertia of the hull girder in the 20 spacings from the bow, m⁴, as the vibration "
            "window takes them.")
        .def_property(
            "added_mass",
            [](ScriptedShip& ship) { return std::string(addedMassKey(ship.vibrationOptions().addedMass)); },
            [](ScriptedShip& ship, const std::string& key) {
                if (!addedMassFromKey(key, ship.vibrationOptions().addedMass))
                    throw py::value_error("added_mass must be \"formula\" or \"lewis\", not \"" + key + "\"");
            },
            "How the beam models take the added mass of water (Присоединенная масса): \"formula\", the energy "
            "method's formula (the default), or \"lewis\", Lewis's sections. The energy method always uses the "
            "formula.");
    defineOption(
        ship, "shear_area", &VibrationOptions::shearArea, false,
        "Shear area of the midship section for the beam with shear (Площадь сдвига), m²; None: taken from the "
        "vertical members of the strength check's midship section, or no beam with shear without one. A str is "
        "typed as it is (\"0,035\"); the project keeps it.");
    defineOption(ship, "shaft_rpm", &VibrationOptions::shaftRpm, false,
                 "Propeller shaft speed (Частота вращения вала), об/мин (rpm); None: no propeller excitation. A str is "
                 "typed as it is (\"0,035\"); the project keeps it.");
    defineOption(ship, "blades", &VibrationOptions::blades, true,
                 "Number of propeller blades z: the blade rate z·n/60 Гц and its double; None: no blade rate. A str is "
                 "typed as it is (\"0,035\"); the project keeps it.");
    defineOption(
        ship, "engine_rpm", &VibrationOptions::engineRpm, false,
        "Engine speed (Частота вращения двигателя), об/мин (rpm); None: no firing excitation. A str is typed as it "
        "is (\"0,035\"); the project keeps it.");
    defineOption(
        ship, "firing_per_revolution", &VibrationOptions::firingPerRevolution, true,
        "Firing impulses per revolution of the engine k: the firing rate k·n_e/60 Гц; None: no firing rate. A str "
        "is typed as it is (\"0,035\"); the project keeps it.");
    ship.def("calculate", &calculate, "tones"_a = py::none(), "strength"_a = py::none(),
             R"(Runs the calculation, as hullcalc-cli does.

The checks of the input, the trim calculation (Bonjean scale, hydrostatic
curves, design waterline, load, shear force and bending moment), the checks of
its results and, for tones=1..4, the vibration of that tone by the energy
method and the beam model; tones="all" computes tones I to IV and Kumai's
estimate of tone I. strength=True adds the longitudinal strength check
(result.wave, girder, stresses, rule_loads) as hullcalc-cli --strength does,
with the strength input of the ship's project or, where it holds none, a
trochoid of height L/20, the allowable stress 175 MPa and no girder;
strength=None runs it only for a project that holds its input, False never.
The ship is not changed. Other threads run meanwhile.

Returns a Result. Raises CalculationError (with its place and the partial
result) when the calculation stops, ValueError for another tones argument or
a number no cell can hold.)")
        .def(
            "save",
            [](ScriptedShip& ship, const std::filesystem::path& path) { fileOperation([&] { ship.save(path); }); },
            "path"_a,
            "Writes the project file (as «Сохранить проект»: particulars, ship type, offsets, masses, section "
            "inertias); a failed write keeps the old file. Raises FileError.")
        .def(
            "copy", [](const ScriptedShip& ship) { return ScriptedShip(ship); }, "An independent copy of the ship.")
        .def("__copy__", [](const ScriptedShip& ship) { return ScriptedShip(ship); })
        .def("__deepcopy__", [](const ScriptedShip& ship, const py::object&) { return ScriptedShip(ship); })
        .def(py::pickle(
            [](ScriptedShip& ship) { return py::bytes(projectFileBytes(projectOf(ship.ship()))); },
            [](const py::bytes& bytes) { return ScriptedShip::fromProject(readProject(std::string(bytes))); }))
        .def("__repr__", [](ScriptedShip& ship) {
            return "<hullcalc.Ship " + std::string(ship.sea() ? "sea" : "river") + ", L = " + ship.particulars().length
                   + " m, design displacement " + ship.particulars().designDisplacement + " t>";
        });

    m.def("example", &ScriptedShip::example, "The example ship of «Пример» on river water, with its section inertias.");
    m.def(
        "load",
        [](const std::filesystem::path& path) { return fileOperation([&] { return ScriptedShip::load(path); }); },
        "path"_a, R"(The ship of a project file, or of an input data file as «Файл → Загрузить» reads it.

A data file holds only the offsets and masses: the particulars and section
inertias are the defaults (the example ship's). A project without a ship type
is a river ship, as hullcalc-cli computes it. Raises FileError.)");
}

// A part of the result document as dicts, with its lists of numbers per frame
// or per spacing as arrays (null → NaN); None where the part is null.
py::object withArrays(const nlohmann::json& value)
{
    if (value.is_array() && !value.empty() && std::all_of(value.begin(), value.end(), [](const nlohmann::json& item) {
            return item.is_number() || item.is_null();
        }))
        return numberArray(value);
    if (value.is_array()) {
        py::list list;
        for (const nlohmann::json& item : value)
            list.append(withArrays(item));
        return list;
    }
    if (value.is_object()) {
        py::dict dict;
        for (const auto& [key, item] : value.items())
            dict[py::str(key)] = withArrays(item);
        return dict;
    }
    return toPython(value);
}

// The keys of the document the full-precision summary reads, built once each.
SummarySources summarySources(const CalculationResult& result)
{
    return {result.particulars(), result.part("design_waterline"), result.part("hydrostatic_curves"),
            result.part("trim_table")};
}

void defineLargeAngleStability(py::module_& m)
{
    using Stability = LargeAngleStabilityResult;
    const auto number = [](const char* key) {
        return [key](const Stability& stability) { return toPython(stability.data().at(key)); };
    };
    const auto curve = [](const char* key) {
        return [key](const Stability& stability) { return numberArray(stability.data().at(key)); };
    };
    py::class_<Stability>(m, "LargeAngleStability", R"(Stability at large angles of the loading condition
(Остойчивость на больших углах): the hull's sections up to a flat watertight
deck at H (no camber, sheer or superstructure), V = D/ρ, G at (XG, z_g);
levers about the keel point. The arrays run over heel, every 5° from 0 to 90.)")
        .def_property_readonly("trim_mode", number("trim_mode"),
                               "\"fixed\" (the design waterline's trim held) or \"free\" (the centre of buoyancy "
                               "over G lengthwise).")
        .def_property_readonly("heel", curve("heel"), "Heel φ, degrees: 0, 5, ... 90.")
        .def_property_readonly("righting_lever", curve("righting_lever"),
                               "Righting lever GZ = KN − z_g·sin φ at each heel, m.")
        .def_property_readonly("trim", curve("trim"),
                               "Trim Tк − Tн of the heeled waterplane at each heel, m, by the stern positive.")
        .def_property_readonly("dynamic_lever", curve("dynamic_lever"),
                               "Dynamic lever ∫₀^φ GZ dφ (φ in rad) at each heel, m·rad.")
        .def_property_readonly("gm0", number("gm0"), "Initial metacentric height GM0, m.")
        .def_property_readonly("area_0_30", number("area_0_30"), "Area under GZ from 0° to 30°, m·rad.")
        .def_property_readonly("area_0_40", number("area_0_40"), "Area under GZ from 0° to 40°, m·rad.")
        .def_property_readonly("area_30_40", number("area_30_40"), "Area under GZ from 30° to 40°, m·rad.")
        .def_property_readonly("vanishing_angle", number("vanishing_angle"),
                               "Angle of vanishing stability, degrees (sought to 180°), or None.")
        .def_property_readonly("deck_edge_angle", number("deck_edge_angle"),
                               "Heel at which the deck edge immerses at midship, degrees (to 90°), or None.")
        .def_property_readonly("bilge_emergence_angle", number("bilge_emergence_angle"),
                               "Heel at which the bilge emerges at midship, degrees (to 90°), or None.")
        .def_property_readonly(
            "max_righting_lever",
            [](const Stability& stability) {
                const nlohmann::json& largest = stability.data().at("max_righting_lever");
                return types().rightingLeverMaximum(toPython(largest.at("value")), toPython(largest.at("heel")));
            },
            "The largest GZ as a RightingLeverMaximum (value m, heel degrees).")
        .def_property_readonly(
            "criteria",
            [](const Stability& stability) {
                py::list criteria;
                for (const nlohmann::json& c : stability.data().at("criteria"))
                    criteria.append(types().stabilityCriterion(toPython(c.at("name")), toPython(c.at("value")),
                                                               toPython(c.at("limit")), toPython(c.at("passed"))));
                return criteria;
            },
            "The IMO general criteria, a list of StabilityCriterion (name, value, limit, passed).")
        .def_property_readonly(
            "cross_curves",
            [](const Stability& stability) {
                const nlohmann::json& cross = stability.data().at("cross_curves");
                py::list rows;
                for (const nlohmann::json& row : cross.at("kn"))
                    rows.append(numberArray(row));
                return types().crossCurves(numberArray(cross.at("volumes")), numberArray(cross.at("heel")),
                                           numpy().attr("array")(rows, "dtype"_a = "float64"));
            },
            "The cross curves as CrossCurves (volumes m³, heel degrees, kn m as a 2-D array [volume, heel]).")
        .def("__repr__", [](const Stability& stability) {
            const nlohmann::json& largest = stability.data().at("max_righting_lever");
            return "<hullcalc.LargeAngleStability GZmax " + largest.at("value").dump() + " m at "
                   + largest.at("heel").dump() + "°, " + stability.data().at("trim_mode").get<std::string>() + " trim>";
        });
}

void defineResult(py::module_& m)
{
    const auto member = [](const char* key) {
        return [key](const CalculationResult& result) { return toPython(result.part(key)); };
    };
    const auto array = [](const char* key) {
        return [key](const CalculationResult& result) { return numberArray(result.part(key)); };
    };
    const auto part = [](const char* key) {
        return [key](const CalculationResult& result) { return withArrays(result.part(key)); };
    };
    py::class_<CalculationResult>(m, "Result", R"(What one calculation found.

The numbers are those the windows show, read back from their texts, and the
same as hullcalc-cli --json writes: to_json() is that document (schema
hullcalc-result/1, every key described in docs/json-schema.md), to_dict() the
same as Python objects. A value the calculation did not reach is None (NaN in
the arrays).)")
        .def_property_readonly(
            "summary",
            [](const CalculationResult& result) { return toPython(fullPrecisionSummary(summarySources(result))); },
            R"(The result summary (Результаты) as a dict of floats at full precision:

    displacement_volume              V, m³ (Водоизмещение по ГВЛ)
    centre_of_gravity                XG, m (Абсцисса ЦТ)
    centre_of_buoyancy               XC, m (Абсцисса ЦВ)
    centre_of_flotation              XF, m (Абсцисса ЦТ ГВЛ)
    longitudinal_metacentric_radius  R, m (Большой метацентрический радиус)
    waterplane_area                  S, m² (Площадь ГВЛ)
    forward_draft                    Tн, m (Осадка носом)
    aft_draft                        Tк, m (Осадка кормой)
    mean_draft                       Tср, m (Осадка средняя)
    trim                             Tк − Tн, m, positive by the stern
    shear_force_closure              kN (Невязка по перерезывающей силе)
    bending_moment_closure           kN·m (Невязка по изгибающему моменту)

Abscissae from midship, positive to the bow; None where the calculation did
not get so far. The page shows these rounded to two decimals: summary_text;
to_dict()["summary"] holds the rounded numbers.)")
        .def_property_readonly(
            "summary_text",
            [](const CalculationResult& result) { return toPython(summaryTexts(result.part("summary"))); },
            "The summary as the page «Результаты» shows it: texts with two decimals and a decimal comma "
            "(\"886,76\"), None where the page is empty; the keys of summary without trim. "
            "bending_moment_closure is in kN·m, as in summary (the page shows the sum before the factor ΔL/2).")
        .def_property_readonly("load_per_spacing", array("load_per_spacing"),
                               "Load per spacing (Нагрузка на шпацию), kN: 20 values, spacings from the bow.")
        .def_property_readonly("shear_force", array("shear_force"),
                               "Shear force in still water (Перерезывающая сила) after the closure is spread along "
                               "the hull, kN: 21 values, frames 0 (bow) to 20.")
        .def_property_readonly("bending_moment", array("bending_moment"),
                               "Bending moment in still water (Изгибающий момент) after the closure is spread "
                               "along the hull, kN·m: 21 values, frames 0 (bow) to 20.")
        .def_property_readonly(
            "curves_of_form",
            [](const CalculationResult& result) {
                // Column by column: one array of the 10 waterlines per quantity.
                py::dict curves;
                const nlohmann::json& waterlines = result.part("curves_of_form");
                if (waterlines.empty())
                    return curves;
                for (const auto& [key, value] : waterlines.front().items()) {
                    nlohmann::json column = nlohmann::json::array();
                    for (const nlohmann::json& waterline : waterlines)
                        column.push_back(waterline.at(key));
                    curves[py::str(key)] = numberArray(column);
                }
                return curves;
            },
            "The curves of form (Кривые элементов) as a dict from the quantity to its 10 values per waterline, "
            "entry 0 the base line (NaN where undefined): draft, volume, displacement, centre_of_buoyancy, "
            "centre_of_buoyancy_height, waterplane_area, ..., block_coefficient, tonnes_per_centimetre, "
            "moment_to_trim_one_centimetre; every key with its unit in docs/json-schema.md.")
        .def_property_readonly("stability", member("stability"),
                               "The initial stability at the mean draft as a dict (two decimals, m): "
                               "vertical_centre_of_gravity z_g, centre_of_buoyancy_height Zc, "
                               "transverse_metacentre KM, longitudinal_metacentre KML, metacentric_height h, "
                               "longitudinal_metacentric_height H; None values without z_g.")
        .def_property_readonly(
            "large_angle_stability",
            [](const CalculationResult& result) -> py::object {
                if (result.document().at("large_angle_stability").is_null())
                    return py::none();
                return py::cast(LargeAngleStabilityResult(result.shared()));
            },
            "Stability at large angles (Остойчивость на больших углах), a LargeAngleStability; None without "
            "the vertical centre of gravity z_g or when that step failed.")
        .def_property_readonly("wave", part("wave"),
                               R"(The ship balanced on a wave as long as the ship (Судно на волне), a dict;
None without the strength check (calculate(strength=True)):

    profile, height, length   "trochoid" or "cosine", h and λ, m
    hogging, sagging          the crest, or the trough, at midship
                              (Вершина / Подошва волны на миделе), each a dict:
        mean_draft, forward_draft, aft_draft   m, without the wave
        volume, centre_of_buoyancy             V, m³, and XC, m
        iterations                             Newton steps
        elevation, local_draft, section_area,
        shear_force, bending_moment,
        wave_shear_force, wave_bending_moment  arrays of 21 values, frames
                                               0 (bow) to 20; m, m², kN, kN·m
        buoyancy, load                         arrays of 20 values per spacing, kN
        largest_shear_force, largest_bending_moment
                                               dicts of value and frame

The wave parts are N − N_sw and M − M_sw; every key in docs/json-schema.md.)")
        .def_property_readonly("girder", part("girder"),
                               R"(The equivalent girder of the midship section (Эквивалентный брус), a dict;
None without the strength check or without members:

    members          list of dicts: name, area F (cm²), height z (m),
                     own_inertia i (cm²·m²)
    area             ΣF, cm²
    neutral_axis     z₀ = ΣFz/ΣF, m
    inertia          I = ΣFz² + Σi − z₀²·ΣF, cm²·m²; inertia_m4 the same in m⁴
    deck_modulus     W = I/(H − z₀), m³; bottom_modulus W = I/z₀, m³)")
        .def_property_readonly("stresses", part("stresses"),
                               R"(The stresses at the deck and the bottom against the allowable, a dict; None
where girder is None:

    allowable   the allowable stress, MPa
    cases       list of 3 dicts, case "still_water", "hogging", "sagging":
                frame of the case's largest |M|, bending_moment there (kN·m),
                deck = M/W_deck and bottom = −M/W_bottom (MPa, positive in
                tension), margin_percent, exceeded)")
        .def_property_readonly("rule_loads", part("rule_loads"),
                               R"(The wave moments of IACS UR S11 for sea-going ships of 90 to 500 m, a dict;
None without the strength check:

    applies                  False for a river ship or another length, with
                             reason (Russian) saying why
    wave_coefficient         C
    block_coefficient        C_b of the still-water waterline
    hogging_moment           +190·C·L²·B·C_b·10⁻³ kN·m at midship
    sagging_moment           −110·C·L²·B·(C_b + 0,7)·10⁻³ kN·m at midship
    minimum_section_modulus  the least midship section modulus at deck and
                             keel, C·L²·B·(C_b + 0,7)·10⁻⁶ m³)")
        .def_property_readonly(
            "warnings",
            [](const CalculationResult& result) {
                py::list warnings;
                for (const nlohmann::json& warning : result.part("warnings"))
                    warnings.append(py::make_tuple(toPython(warning.at("message")), toPython(warning.at("place"))));
                return warnings;
            },
            "The checks of the input and of the results (Проверка данных): a list of (message, place), the "
            "place a JSON Pointer into to_dict() or None.")
        .def_property_readonly(
            "tones",
            [](const CalculationResult& result) {
                py::dict tones;
                const nlohmann::json& vibration = result.document().at("vibration");
                for (std::size_t i = 0; i < vibration.size(); ++i)
                    tones[py::int_(vibration[i].at("tone").get<int>())] = ToneResult(result.shared(), i);
                return tones;
            },
            "The tones of vertical hull-girder vibration computed, as a dict from the tone number (1 for tone I) "
            "to Tone.")
        .def_property_readonly(
            "kumai",
            [](const CalculationResult& result) -> py::object {
                for (const nlohmann::json& tone : result.document().at("vibration"))
                    if (const nlohmann::json& kumai = tone.at("kumai"); kumai.is_object())
                        return types().kumai(toPython(kumai.at("per_minute")), toPython(kumai.at("difference_percent")),
                                             toPython(kumai.value("note", nlohmann::json())));
                return py::none();
            },
            "Kumai's estimate of tone I (a Kumai), computed with tones=\"all\"; None otherwise.")
        .def_property_readonly(
            "resonance", member("resonance"),
            "The tones' margins from the exciting frequencies (Резонанс), or None when no shaft or engine speed "
            "was given: a dict with limit_percent (±%, 20 unless typed) and margins, one dict per tone and "
            "excitation: tone, tone_hertz (Гц, the recommended result's frequency), excitation («Вал», "
            "«Лопастная», «2 × лопастная», «Вспышки», «Заданная»), excitation_hertz (Гц), margin_percent "
            "((f_tone − f_exc)/f_exc·100, %) and inside_limit.")
        .def_property_readonly("shear_area_note", member("shear_area_note"),
                               "Where the beam with shear took its shear area from, or why it was not computed; "
                               "None without tones.")
        .def_property_readonly("error", member("error"),
                               "The first line of the message that stopped the calculation, or None.")
        .def("to_json", &CalculationResult::text,
             "The result document as hullcalc-cli --json writes it (UTF-8 text, schema hullcalc-result/1).")
        .def(
            "to_dict", [](const CalculationResult& result) { return toPython(result.document()); },
            "The result document as dicts, lists, floats and None.")
        .def("__repr__", [](const CalculationResult& result) {
            const nlohmann::json& draft = result.part("summary").at("mean_draft");
            return "<hullcalc.Result mean draft " + (draft.is_number() ? draft.dump() + " m" : "none") + ", "
                   + std::to_string(result.part("warnings").size()) + " warnings, "
                   + std::to_string(result.part("vibration").size()) + " tones>";
        });

    const auto value = [](const char* key) {
        return [key](const ToneResult& tone) { return toPython(tone.data().at(key)); };
    };
    const auto frequency = [](const char* unit) {
        return [unit](const ToneResult& tone) { return toPython(tone.data().at("frequency").at(unit)); };
    };
    py::class_<ToneResult>(m, "Tone", "One tone of vertical hull-girder vibration (Тон).")
        .def_property_readonly("tone", value("tone"), "The tone, 1 for tone I to 4 for tone IV.")
        .def_property_readonly("stiffness", value("stiffness"), "Generalized stiffness (Жесткость), kN/m.")
        .def_property_readonly("mass", value("mass"), "Generalized mass (Масса), t.")
        .def_property_readonly("frequency", frequency("per_second"),
                               "Natural frequency by the energy method (Частота), ω, 1/s.")
        .def_property_readonly("hertz", frequency("hertz"), "The same frequency, Гц.")
        .def_property_readonly("per_minute", frequency("per_minute"), "The same frequency, кол/мин.")
        .def_property_readonly("beam_frequency", value("beam_frequency"),
                               "Natural frequency of the finite-element beam model (Балочная модель), ω, 1/s; None "
                               "when the model could not be solved (see beam_error).")
        .def_property_readonly("beam_error", value("beam_error"), "Why beam_frequency is None, or None.")
        .def_property_readonly("shear_beam_frequency", value("shear_beam_frequency"),
                               "Natural frequency of the beam with shear (Timoshenko), ω, 1/s; None without a "
                               "shear area (typed, or from the midship section's vertical members).")
        .def_property_readonly("recommended_method", value("recommended_method"),
                               "Which result to take for the tone: «балка со сдвигом», «балочная модель» or "
                               "«энергетический метод».")
        .def_property_readonly("shift", value("shift"), "Shift δ of the corrected mode shape (delta).")
        .def_property_readonly("turn", value("turn"), "Turn β of the corrected mode shape (betta).")
        .def_property_readonly(
            "mass_per_metre", [](const ToneResult& tone) { return numberArray(tone.data().at("mass_per_metre")); },
            "Mass per metre of hull and added water, t/m: 20 spacings from the bow.")
        .def_property_readonly(
            "mode_shape", [](const ToneResult& tone) { return numberArray(tone.data().at("mode_shape")); },
            "The corrected mode shape w (Форма колебаний): 20 spacings from the bow.")
        .def("__repr__", [](const ToneResult& tone) {
            return "<hullcalc.Tone " + tone.data().at("tone").dump()
                   + ": ω = " + tone.data().at("frequency").at("per_second").dump() + " 1/s>";
        });
    defineLargeAngleStability(m);
}

}  // namespace

}  // namespace hullcalc::python

PYBIND11_MODULE(hullcalc, m)
{
    using namespace hullcalc::python;
    m.doc() = R"(hullcalc: the trim of a ship in still water with its longitudinal strength, and the vibration
of its hull girder, from a script.

    import hullcalc
    ship = hullcalc.example()
    ship.particulars["design_displacement"] = 950.0
    result = ship.calculate(tones="all")
    print(result.summary["mean_draft"], result.bending_moment.max(), result.tones[1].frequency)

Numbers are typed into the ship's cells as the windows show them, so the
results equal those of the windows and of hullcalc-cli for the same input.)";
    m.attr("__version__") = std::string(hullcalc::programVersion());

    py::exec(pythonDefinitions, m.attr("__dict__"));
    PythonTypes& known = types();
    // Kept for the life of the process: the module is never unloaded.
    known.error = py::object(m.attr("Error")).release();
    known.calculationError = py::object(m.attr("CalculationError")).release();
    known.fileError = py::object(m.attr("FileError")).release();
    known.kumai = py::object(m.attr("Kumai")).release();
    known.rightingLeverMaximum = py::object(m.attr("RightingLeverMaximum")).release();
    known.stabilityCriterion = py::object(m.attr("StabilityCriterion")).release();
    known.crossCurves = py::object(m.attr("CrossCurves")).release();

    // A failure of the core that no function above turned into its own
    // exception: hullcalc.Error with the core's message.
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown)
                std::rethrow_exception(thrown);
        } catch (const hullcalc::Error& e) {
            PyErr_SetObject(types().error.ptr(), types().error(hullcalc::userMessage(e.what())).ptr());
        }
    });

    defineParticulars(m);
    defineShip(m);
    defineResult(m);
    defineStepSheets(m);
    defineNotebookViews(m);
}
