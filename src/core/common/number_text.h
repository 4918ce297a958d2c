// Numbers as the user types and reads them: decimal comma, no group separator,
// the same on every platform whatever locale the process runs in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hullcalc {

// Converts a typed or stored text to a number. Leading and trailing blanks are
// skipped; the text is an optional sign, digits with an optional decimal comma
// (at least one digit: "1," and ",5" are numbers) and an optional exponent
// ("E-5", "e+3"). The value is the text's correctly rounded double whatever the
// number of digits; one too small for any double reads as zero. Anything
// else - empty text, a decimal point, "inf", "nan", a magnitude beyond the
// double range - throws Error("'<text>' is not a valid floating point value"),
// the text cut to 100 characters and "…" when longer.
double parseNumber(std::string_view text);

// The number the text is, or nothing for a text that is not one (parseNumber
// would throw): for checks and exports that pass such a text over.
std::optional<double> numberOrNothing(std::string_view text);

// The text without its leading and trailing blanks (any byte up to the space),
// as the conversion skips them.
std::string_view trimmed(std::string_view text);

// The largest magnitude a typed input may have (a particular, a cell of the
// offsets, masses, section inertias or girder members, the wave height, the
// allowable stress). Far beyond any ship in the program's units (10¹⁵ m,
// 10¹⁵ t), it keeps the products and powers the calculations form of several
// typed values within the double range, so that a number too large is refused
// where it was typed instead of overflowing somewhere inside a step.
inline constexpr double largestTypedMagnitude = 1e15;

// `value` itself, or Error("Слишком большое число: «<text>» (по модулю не
// больше 1E15)") when its magnitude exceeds largestTypedMagnitude.
double requireTypedMagnitude(double value, std::string_view text);

// The general text of a value, as the trim calculation writes it: rounded to
// 15 significant digits, trailing zeros dropped, decimal comma; scientific form
// ("5E-5", "1,5E20") for magnitudes below 0,0001 or with 16 or more integer
// digits. Zero is "0". Throws for infinity or NaN (no grid ever holds them), and
// Error("Floating point overflow") for a value whose rounding lies beyond the
// double range (above 1,797693134862315E308), so every text reads back.
std::string formatGeneral(double value);

// Fixed texts: the value is rounded to 15 significant digits, then to
// `decimals` places with ties away from zero, and padded with blanks on the
// left to `width` characters. A result of zero carries no minus sign. Throws as
// formatGeneral for infinity, NaN and a rounding beyond the double range.
std::string formatFixed(double value, int decimals, int width = 0);

// The texts of a value for the reader, where it may have no finite text (a
// margin against an allowable stress of 1E-305 MPa is −∞): «∞», «−∞», «—» for
// NaN, and «∞» or «−∞» for a value whose rounding lies beyond the double range;
// otherwise formatFixed's or formatGeneral's text. Never throws. Only for
// texts that are read, never for a cell a later step reads back.
std::string readableFixed(double value, int decimals);
std::string readableGeneral(double value);

// "%f": two decimals, as the results tables and the summary show them.
inline std::string formatF(double value) { return formatFixed(value, 2); }

// "%8.4f": four decimals in at least eight characters, as the vibration table.
inline std::string format84(double value) { return formatFixed(value, 4, 8); }

}  // namespace hullcalc
