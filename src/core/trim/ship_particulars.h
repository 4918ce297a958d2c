// The ship's main particulars as the user types them: texts, converted to
// numbers only by a calculation when it runs, and the water density chosen by
// the ship type. The example ship's texts are the defaults.
#pragma once

#include "common/error.h"
#include "trim/ship_type.h"
#include "trim/stability_trim.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace hullcalc {

struct ShipParticulars {
    std::string displacement = "1503";          // D, t (read by no calculation)
    std::string length = "75";                  // design length L, m
    std::string breadth = "11";                 // design breadth B, m
    std::string depth = "3,5";                  // depth H, m (read by the strength check alone)
    std::string draft = "2,25";                 // draft T, m (read by no calculation, only checked)
    std::string designDisplacement = "886,74";  // displacement in the design loading case, t
    std::string centreOfGravity = "-3,72";      // abscissa XG of the centre of gravity from midship, m
    // Height z_g of the centre of gravity above the base line, m; optional:
    // empty means not given, and the initial stability is then not computed.
    std::string verticalCentreOfGravity;
    std::string frameSpacing = "3,75";      // theoretical frame spacing ΔL, m
    std::string waterlineSpacing = "0,39";  // distance ΔT between the waterlines of the offsets, m
    std::optional<ShipType> shipType;       // none until one is chosen
    // How the ship trims on its righting-lever curve.
    StabilityTrim stabilityTrim = StabilityTrim::fixed;
};

// One particular as the outside world knows it.
struct ParticularField {
    std::string ShipParticulars::*text;
    // The name scripts, tests and the command line's --set know it by (the
    // main window's edit has the same object name).
    std::string_view key;
    // The self-explaining name the command line also accepts.
    std::string_view optionName;
    // The caption the main window shows beside its edit.
    std::string_view caption;
};

// Top to bottom as the main window lists them.
inline const std::array<ParticularField, 10> particularFields = {{
    {&ShipParticulars::displacement, "ShipD", "displacement", "Водоизмещение D, т"},
    {&ShipParticulars::length, "ShipL", "length", "Длина расчетная L, м"},
    {&ShipParticulars::breadth, "ShipB", "breadth", "Ширина расчетная B, м"},
    {&ShipParticulars::depth, "ShipH", "depth", "Высота борта H, м"},
    {&ShipParticulars::draft, "ShipT", "draft", "Осадка Т, м"},
    {&ShipParticulars::designDisplacement, "ShipDr", "design-displacement", "Водоизмещение\nв расчетном случае, т"},
    {&ShipParticulars::centreOfGravity, "ShipXct", "centre-of-gravity", "Центр тяжести судна, м"},
    {&ShipParticulars::verticalCentreOfGravity, "ShipZg", "vertical-centre-of-gravity", "Аппликата ЦТ судна z_g, м"},
    {&ShipParticulars::frameSpacing, "ShipdL", "frame-spacing", "Теоретическая шпация ΔL, м"},
    {&ShipParticulars::waterlineSpacing, "ShipdT", "waterline-spacing", "Расстояние между ватерлиниями ΔT, м"},
}};

// The field with that key or option name, or nullptr.
const ParticularField* findParticular(std::string_view name);

// The field of that member.
const ParticularField& fieldOf(std::string ShipParticulars::*text);

// The caption on one line, as messages name the particular.
std::string captionOf(const ParticularField& field);

// A failure caused by one particular. The window or tool names it beside the
// message and can focus its edit.
class ParticularError : public Error {
public:
    ParticularError(const std::string& message, const ParticularField& field) : Error(message), field_(&field) {}
    const ParticularField& field() const { return *field_; }

private:
    const ParticularField* field_;
};

// The particular's text as a number; a text that is not one throws
// ParticularError with the conversion's message.
double particularValue(const ShipParticulars& particulars, std::string ShipParticulars::*text);

// The particular's text as a number that must be positive and finite: the
// calculations divide by it or integrate with it. Otherwise ParticularError.
double positiveParticular(const ShipParticulars& particulars, std::string ShipParticulars::*text);

// L, B, ΔL, ΔT and the design displacement, which the calculations divide by
// or integrate with, must be positive numbers: otherwise ParticularError
// names the first that is not, before any step writes a result.
void requirePositiveParticulars(const ShipParticulars& particulars);

// The value of an optional particular: none for an empty (or blank) text,
// ParticularError for a text that is not a number.
std::optional<double> optionalParticularValue(const ShipParticulars& particulars, std::string ShipParticulars::*text);

}  // namespace hullcalc
