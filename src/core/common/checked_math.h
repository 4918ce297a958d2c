// Checked arithmetic: the calculations divide and take square roots only through
// these helpers, so a degenerate hull or input stops the calculation with the
// system's message instead of writing "inf" or "nan" into a grid.
#pragma once

namespace hullcalc {

// numerator / denominator. Throws Error("Floating point division by zero") for a
// zero denominator, Error("Invalid floating point operation") for 0/0, and
// Error("Floating point overflow") for an infinite quotient.
double divide(double numerator, double denominator);

// Square root; Error("Invalid floating point operation") for a negative value.
double squareRoot(double value);

// The value itself when finite; otherwise Error("Floating point overflow") for
// an infinity and Error("Invalid floating point operation") for NaN.
double requireFinite(double value);

}  // namespace hullcalc
