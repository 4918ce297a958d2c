// How many digits a computed number is shown with. The grid texts keep every
// digit the calculation wrote (later steps read them back); the windows, the
// report and the workbook show them rounded to what the quantity is worth to
// the reader, and the full text on request.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {

enum class DisplayPrecision {
    // Shown as stored: what the user typed, counts, words, and texts the
    // calculation already wrote with fixed decimals ("%8.4f" of the vibration).
    asStored,
    // What the user typed, in a column of its own kind (the offsets, the
    // masses): a text alone shows as typed, and a column shows every number
    // with the most decimals typed in it, zeros added ("5,500" beside
    // "5,125"), so that no typed digit is hidden.
    typed,
    // Lengths, drafts, abscissae and radii in m: 3 decimals, the millimetre.
    length,
    // Forces in kN and masses in t (t/cm too): 2 decimals.
    forceOrMass,
    // Coefficients of fineness and other ratios: 3 decimals.
    coefficient,
    // Areas, volumes, static moments, moments of inertia and bending moments,
    // whose magnitudes span decades: 4 significant digits, but never fewer
    // than the whole part's digits (625347,7 shows as 625348, not 625300).
    magnitude,
};

// The text of `stored` shown with the precision of `kind`, decimal comma and
// minus sign as the program writes them; trailing zeros are dropped for a
// magnitude, kept for fixed decimals. A magnitude from 1E15 up or below
// 0,0001 (not 0) shows in the program's scientific form with 4 significant
// digits ("1,5E20", "5E-5"), and so does any other kind from 1E15 up. A text
// that is not a number (empty, "Готово", "∞") and any text shown as stored
// come back unchanged; so does a number whose rounding the double range
// cannot hold.
std::string displayText(std::string_view stored, DisplayPrecision kind);

// A computed or typed value shown as displayText shows its text, for a message:
// «∞», «−∞» or «—» where it has no finite text, the largest doubles in the
// scientific form ("1,798E308"). Never throws.
std::string displayNumber(double value, DisplayPrecision kind);

// One column of a table, or the point labels of one chart, reads with one
// count of decimals: the fixed kinds have their own, a typed column its
// longest, and a magnitude column
// takes the count its largest number needs for 4 significant digits and writes
// every number of the column with it, trailing zeros kept ("753,0" beside
// "762,7", "42,70" beside "44,02"). Nothing where each number shows on its own:
// a column shown as stored, one without a number, a typed one holding a number
// in the scientific form, or a magnitude column whose largest number takes
// that form (from 1E15 up, or all below 0,0001).
std::optional<int> columnDecimals(const std::vector<std::string>& storedColumn, DisplayPrecision kind);

// `stored` as shown in a column that reads with `decimals` (columnDecimals of
// the column); displayText's text where the column has no one count.
std::string displayText(std::string_view stored, DisplayPrecision kind, std::optional<int> decimals);

}  // namespace hullcalc
