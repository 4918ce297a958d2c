#include "particulars_view.h"

#include "common/error.h"
#include "common/number_text.h"
#include "run/failure_place.h"
#include "scripted_ship.h"

#include <cmath>
#include <stdexcept>

namespace hullcalc::python {

std::vector<std::string> ParticularsView::names()
{
    std::vector<std::string> all;
    for (const ParticularField& field : particularFields)
        all.push_back(resultKeyOf(field));
    return all;
}

std::string ShipParticulars::*ParticularsView::member(std::string_view name) const
{
    // The old names of the main window's edits ("ShipDr") are accepted too, as by --set.
    std::string optionName(name);
    for (char& c : optionName)
        if (c == '_')
            c = '-';
    if (const ParticularField* field = findParticular(optionName))
        return field->text;
    std::string known;
    for (const std::string& key : names())
        known += (known.empty() ? "" : ", ") + key;
    throw std::out_of_range("no particular is named '" + std::string(name) + "'; the particulars are " + known);
}

double ParticularsView::value(std::string_view name) const { return numberOrNaN(text(name)); }

const std::string& ParticularsView::text(std::string_view name) const { return particulars_->*member(name); }

void ParticularsView::set(std::string_view name, const std::variant<double, std::string>& value)
{
    std::string ShipParticulars::*text = member(name);
    if (const std::string* typed = std::get_if<std::string>(&value)) {
        particulars_->*text = *typed;
        return;
    }
    const double number = std::get<double>(value);
    if (!std::isfinite(number))
        throw std::invalid_argument("particular '" + std::string(name) + "' must be a finite number, not "
                                    + std::to_string(number));
    try {
        particulars_->*text = formatGeneral(number);
    } catch (const Error& e) {
        throw std::invalid_argument("particular '" + std::string(name) + "': " + e.what());
    }
}

}  // namespace hullcalc::python
