// Python can make an object of a bound class without running its __init__
// (hullcalc.Ship.__new__(hullcalc.Ship)); pybind11 would then hand the C++
// code uninitialised memory. Every class of the module is read through the
// caster below, which refuses such an object with a TypeError instead.
#pragma once

#include "calculation_result.h"
#include "particulars_view.h"
#include "scripted_ship.h"
#include "tone_result.h"

#include <pybind11/pybind11.h>

#include <string>

namespace hullcalc::python {

template<typename T>
class ConstructedOnly : public pybind11::detail::type_caster_base<T> {
public:
    bool load(pybind11::handle source, bool convert)
    {
        namespace detail = pybind11::detail;
        if (pybind11::isinstance<T>(source)) {
            auto* instance = reinterpret_cast<detail::instance*>(source.ptr());
            if (!instance->get_value_and_holder(detail::get_type_info(typeid(T))).holder_constructed())
                throw pybind11::type_error(std::string(Py_TYPE(source.ptr())->tp_name)
                                           + " was made without __init__ and holds no ship: make it with "
                                             "hullcalc.Ship(), hullcalc.example() or hullcalc.load()");
        }
        return detail::type_caster_base<T>::load(source, convert);
    }
};

}  // namespace hullcalc::python

namespace pybind11::detail {
template<>
class type_caster<hullcalc::python::ParticularsView>
    : public hullcalc::python::ConstructedOnly<hullcalc::python::ParticularsView> {};
template<>
class type_caster<hullcalc::python::ScriptedShip>
    : public hullcalc::python::ConstructedOnly<hullcalc::python::ScriptedShip> {};
template<>
class type_caster<hullcalc::python::CalculationResult>
    : public hullcalc::python::ConstructedOnly<hullcalc::python::CalculationResult> {};
template<>
class type_caster<hullcalc::python::ToneResult>
    : public hullcalc::python::ConstructedOnly<hullcalc::python::ToneResult> {};
}  // namespace pybind11::detail
