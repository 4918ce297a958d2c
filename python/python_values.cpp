#include "python_values.h"

#include <limits>

namespace hullcalc::python {

namespace py = pybind11;

py::module_ numpy()
{
    static py::handle numpy;
    if (!numpy) {
        try {
            numpy = py::module_::import("numpy").release();
        } catch (py::error_already_set&) {
            throw py::import_error(
                "hullcalc's arrays need numpy, which this interpreter cannot import: run "
                "hullcalc with " HULLCALC_PYTHON ", which the module was built for");
        }
    }
    return py::reinterpret_borrow<py::module_>(numpy);
}

py::object toPython(const nlohmann::json& value)
{
    switch (value.type()) {
    case nlohmann::json::value_t::null:
        return py::none();
    case nlohmann::json::value_t::boolean:
        return py::bool_(value.get<bool>());
    case nlohmann::json::value_t::number_integer:
        return py::int_(value.get<long long>());
    case nlohmann::json::value_t::number_unsigned:
        return py::int_(value.get<unsigned long long>());
    case nlohmann::json::value_t::number_float:
        return py::float_(value.get<double>());
    case nlohmann::json::value_t::string:
        return py::str(value.get_ref<const std::string&>());
    case nlohmann::json::value_t::array: {
        py::list list;
        for (const nlohmann::json& item : value)
            list.append(toPython(item));
        return list;
    }
    case nlohmann::json::value_t::object: {
        py::dict dict;
        for (const auto& [key, item] : value.items())
            dict[py::str(key)] = toPython(item);
        return dict;
    }
    default:
        return py::none();
    }
}

py::array_t<double> numberArray(const nlohmann::json& values)
{
    numpy();
    py::array_t<double> array(static_cast<py::ssize_t>(values.size()));
    auto out = array.mutable_unchecked<1>();
    py::ssize_t i = 0;
    for (const nlohmann::json& value : values)
        out(i++) = value.is_number() ? value.get<double>() : std::numeric_limits<double>::quiet_NaN();
    return array;
}

}  // namespace hullcalc::python
