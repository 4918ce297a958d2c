#include "common/display_precision.h"

#include "common/error.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace hullcalc {

namespace {

constexpr int significantDigits = 4;
// From here on a whole part is too long to read digit by digit.
constexpr double largestPlain = 1e15;
// Below this a magnitude shows in scientific form, as the general texts do.
constexpr double smallestPlain = 1e-4;

std::string withoutTrailingZeros(std::string text)
{
    if (text.find(',') == std::string::npos)
        return text;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == ',')
        text.pop_back();
    return text;
}

// The power of ten of the leading digit: 3 for 1994, -3 for 0,0012. log10
// alone may land one off next to a power of ten.
int decimalExponent(double magnitude)
{
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    if (std::pow(10.0, exponent) > magnitude)
        --exponent;
    else if (std::pow(10.0, exponent + 1) <= magnitude)
        ++exponent;
    return exponent;
}

// "1,5E20", "-2,5E-5": the mantissa rounded to the significant digits.
std::string scientific(double value, int digits)
{
    int exponent = decimalExponent(std::fabs(value));
    std::string mantissa = formatFixed(value / std::pow(10.0, exponent), digits - 1);
    // 9,99996 rounds up to 10,000: one power of ten more.
    if (std::fabs(parseNumber(mantissa)) >= 10.0) {
        ++exponent;
        mantissa = formatFixed(value / std::pow(10.0, exponent), digits - 1);
    }
    return withoutTrailingZeros(mantissa) + "E" + std::to_string(exponent);
}

std::string significant(double value, int digits)
{
    const double magnitude = std::fabs(value);
    if (value == 0.0)
        return "0";
    if (magnitude >= largestPlain || magnitude < smallestPlain)
        return scientific(value, digits);
    const int decimals = std::max(0, digits - 1 - decimalExponent(magnitude));
    return withoutTrailingZeros(formatFixed(value, decimals));
}

std::string fixed(double value, int decimals)
{
    if (std::fabs(value) >= largestPlain)
        return scientific(value, significantDigits);
    return formatFixed(value, decimals);
}

std::string rounded(double value, DisplayPrecision kind)
{
    switch (kind) {
    case DisplayPrecision::length:
    case DisplayPrecision::coefficient:
        return fixed(value, 3);
    case DisplayPrecision::forceOrMass:
        return fixed(value, 2);
    case DisplayPrecision::magnitude:
        return significant(value, significantDigits);
    case DisplayPrecision::asStored:
    case DisplayPrecision::typed:
        break;
    }
    return {};
}

// The decimals of a typed number's text, or nothing for one in the scientific form.
std::optional<int> typedDecimals(std::string_view text)
{
    text = trimmed(text);
    if (text.find_first_of("eE") != std::string_view::npos)
        return std::nullopt;
    const std::size_t comma = text.find(',');
    return comma == std::string_view::npos ? 0 : static_cast<int>(text.size() - comma - 1);
}

// The most decimals typed in the column; nothing when a number is in the scientific form.
std::optional<int> mostTypedDecimals(const std::vector<std::string>& storedColumn)
{
    int most = 0;
    for (const std::string& text : storedColumn) {
        if (!numberOrNothing(text))
            continue;
        const std::optional<int> decimals = typedDecimals(text);
        if (!decimals)
            return std::nullopt;
        most = std::max(most, *decimals);
    }
    return most;
}

// The typed text with zeros added up to `decimals` ("5,5" to "5,500"), never rounded.
std::string paddedTyped(std::string_view stored, int decimals)
{
    const std::optional<int> typed = typedDecimals(stored);
    std::string text(trimmed(stored));
    if (!typed || *typed >= decimals)
        return text;
    if (*typed == 0)
        text += ',';
    return text + std::string(static_cast<std::size_t>(decimals - *typed), '0');
}

}  // namespace

std::string displayText(std::string_view stored, DisplayPrecision kind)
{
    if (kind == DisplayPrecision::asStored || kind == DisplayPrecision::typed)
        return std::string(stored);
    const std::optional<double> value = numberOrNothing(stored);
    if (!value)
        return std::string(stored);
    try {
        return rounded(*value, kind);
    } catch (const Error&) {
        // Rounding up past the largest double: the stored text is all there is.
        return std::string(stored);
    }
}

std::optional<int> columnDecimals(const std::vector<std::string>& storedColumn, DisplayPrecision kind)
{
    switch (kind) {
    case DisplayPrecision::length:
    case DisplayPrecision::coefficient:
        return 3;
    case DisplayPrecision::forceOrMass:
        return 2;
    case DisplayPrecision::magnitude:
        break;
    case DisplayPrecision::typed:
        return mostTypedDecimals(storedColumn);
    case DisplayPrecision::asStored:
        return std::nullopt;
    }
    double largest = 0.0;
    for (const std::string& text : storedColumn)
        if (const std::optional<double> value = numberOrNothing(text))
            largest = std::max(largest, std::fabs(*value));
    if (largest == 0.0 || largest >= largestPlain || largest < smallestPlain)
        return std::nullopt;
    try {
        // The exponent after rounding: 9999,7 shows as 10000, with no decimal.
        const double shown = std::fabs(parseNumber(significant(largest, significantDigits)));
        return std::max(0, significantDigits - 1 - decimalExponent(shown));
    } catch (const Error&) {
        return std::nullopt;
    }
}

std::string displayText(std::string_view stored, DisplayPrecision kind, std::optional<int> decimals)
{
    if (!decimals || kind == DisplayPrecision::asStored)
        return displayText(stored, kind);
    const std::optional<double> value = numberOrNothing(stored);
    if (!value)
        return std::string(stored);
    if (kind == DisplayPrecision::typed)
        return paddedTyped(stored, *decimals);
    try {
        return fixed(*value, *decimals);
    } catch (const Error&) {
        return std::string(stored);
    }
}

std::string displayNumber(double value, DisplayPrecision kind)
{
    if (!std::isfinite(value) || kind == DisplayPrecision::asStored || kind == DisplayPrecision::typed)
        return readableGeneral(value);
    try {
        return rounded(value, kind);
    } catch (const Error&) {
        return readableGeneral(value);
    }
}

}  // namespace hullcalc
