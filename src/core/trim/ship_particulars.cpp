#include "trim/ship_particulars.h"

#include "common/number_text.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace hullcalc {

const ParticularField* findParticular(std::string_view name)
{
    for (const ParticularField& field : particularFields)
        if (field.key == name || field.optionName == name)
            return &field;
    return nullptr;
}

const ParticularField& fieldOf(std::string ShipParticulars::*text)
{
    for (const ParticularField& field : particularFields)
        if (field.text == text)
            return field;
    throw std::logic_error("a particular without a field");
}

std::string captionOf(const ParticularField& field)
{
    std::string caption(field.caption);
    for (char& c : caption)
        if (c == '\n')
            c = ' ';
    return caption;
}

double particularValue(const ShipParticulars& particulars, std::string ShipParticulars::*text)
{
    try {
        return requireTypedMagnitude(parseNumber(particulars.*text), particulars.*text);
    } catch (const Error& e) {
        throw ParticularError(e.what(), fieldOf(text));
    }
}

double positiveParticular(const ShipParticulars& particulars, std::string ShipParticulars::*text)
{
    const double value = particularValue(particulars, text);
    if (!(value > 0.0) || !std::isfinite(value))
        throw ParticularError("Значение должно быть больше нуля: «" + particulars.*text + "»", fieldOf(text));
    return value;
}

void requirePositiveParticulars(const ShipParticulars& particulars)
{
    for (std::string ShipParticulars::*text :
         {&ShipParticulars::length, &ShipParticulars::breadth, &ShipParticulars::designDisplacement,
          &ShipParticulars::frameSpacing, &ShipParticulars::waterlineSpacing})
        positiveParticular(particulars, text);
}

std::optional<double> optionalParticularValue(const ShipParticulars& particulars, std::string ShipParticulars::*text)
{
    // Blanks are what the number conversion skips: control characters and spaces.
    const std::string& typed = particulars.*text;
    if (std::all_of(typed.begin(), typed.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; }))
        return std::nullopt;
    return particularValue(particulars, text);
}

}  // namespace hullcalc
