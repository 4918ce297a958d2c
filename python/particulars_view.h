// The main particulars of a ship by the names hullcalc-cli's --set knows, in
// the snake_case of the result document ("design_displacement"): a number set
// becomes the text the main window would show, a text is typed as it is.
#pragma once

#include "trim/ship_particulars.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace hullcalc::python {

class ParticularsView {
public:
    explicit ParticularsView(ShipParticulars& particulars) : particulars_(&particulars) {}

    // The names in the main window's order.
    static std::vector<std::string> names();

    // The value of the particular's text, NaN when the text is no number.
    // Throws std::out_of_range (KeyError) for a name no particular has.
    double value(std::string_view name) const;
    const std::string& text(std::string_view name) const;

    // A number becomes its 15-digit decimal-comma text; a text is kept as
    // typed (a calculation names it if it is no number). Throws
    // std::invalid_argument for an infinite or NaN number.
    void set(std::string_view name, const std::variant<double, std::string>& value);

private:
    std::string ShipParticulars::*member(std::string_view name) const;

    ShipParticulars* particulars_;
};

}  // namespace hullcalc::python
