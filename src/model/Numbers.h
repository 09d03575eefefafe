#pragma once
// Rounding and the one number formatter used for every number a user, a project file or a DXF
// file sees.

#include <string>

namespace umbrix {

/// Nearest integer, ties to even.
double RoundHalfEven(double x);

/// Nearest integer of a product formed in extended precision, ties to even; the one arithmetic
/// behind every rounding of the drawing frame and the reports.
long double RoundHalfEvenLong(long double x);

/// x rounded to a multiple of 1/k: the product x*k is formed in `long double`, rounded half to
/// even, then divided by k in double. Returns x unchanged when k is 0.
/// RoundScaled(10, 0.25) == 0.2, RoundScaled(10, 0.35) == 0.3.
double RoundScaled(double k, double x);

/// 1 when x >= 0, else -1.
inline double SignOf(double x) { return x >= 0 ? 1.0 : -1.0; }

/// The general number format, "general, 15 digits": rounded to 15 significant digits, trailing
/// zeros and point dropped; plain notation for 1E-4 <= |x| < 1E15, else "1.5E20", "1E-5".
/// Zero and negative zero print "0". "." is the decimal separator whatever the locale.
std::string FormatGeneral(double x);

}  // namespace umbrix
