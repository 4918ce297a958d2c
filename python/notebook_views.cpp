#include "notebook_views.h"

#include "notebook_views_source.h"

#include "run/failure_place.h"
#include "trim/curves_of_form.h"
#include "trim/ship_particulars.h"

#include <pybind11/eval.h>

#include <string>

namespace py = pybind11;

namespace hullcalc::python {

void defineNotebookViews(py::module_& m)
{
    // The captions the windows show, from the core's tables: the particulars
    // by their snake_case names, and each curve of form's column caption
    // (symbol and unit, "XC, м").
    py::dict particularCaptions;
    for (const ParticularField& field : particularFields)
        particularCaptions[py::str(resultKeyOf(field))] = captionOf(field);
    py::dict formHeaders;
    for (const FormQuantityInfo& info : formQuantities)
        formHeaders[py::str(std::string(info.key))] = std::string(info.caption);
    m.attr("_particular_captions") = particularCaptions;
    m.attr("_form_headers") = formHeaders;
    py::exec(std::string(notebookViewsSource, sizeof notebookViewsSource - 1), m.attr("__dict__"));
}

}  // namespace hullcalc::python
