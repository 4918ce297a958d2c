// How many digits a computed number is shown with. The grid texts keep every
// digit the calculation wrote (later steps read them back); the windows, the
// report and the workbook show them rounded to what the quantity is worth to
// the reader, and the full text on request.
#pragma once

#include <string>
#include <string_view>

namespace hullcalc {

enum class DisplayPrecision {
    // Shown as stored: what the user typed, counts, words, and texts the
    // calculation already wrote with fixed decimals ("%8.4f" of the vibration).
    asStored,
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

}  // namespace hullcalc
