#pragma once

// Stand-in for the shared circuit formulas until toolkit/formulas.h is available.
// Same names and semantics; replace the include by "toolkit/formulas.h" and drop this file.

#include <cmath>

#include "platform/float_error.h"

namespace calc_detail {

inline constexpr long double zwei_pi = 6.283185307179586477L;

inline long double Quotient(long double a, long double b) {
  if (b == 0) throw FloatError("Division durch Null");
  return a / b;
}
inline long double Berechne_Xc(long double C, long double f) { return Quotient(1, zwei_pi * f * C); }
inline long double Berechne_XL(long double L, long double f) { return zwei_pi * f * L; }
inline long double Berechne_fr(long double L, long double C) {
  return Quotient(1, zwei_pi) * std::sqrt(Quotient(1, L * C));
}
inline long double Kehrwert_2pi(long double a, long double b) { return Quotient(1, zwei_pi * a * b); }
inline long double Quotient_2pi(long double a, long double b) { return Quotient(b, zwei_pi * a); }
inline long double Bogen_zu_Grad(long double x) { return x * 360 / zwei_pi; }

}  // namespace calc_detail
