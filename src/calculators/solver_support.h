#pragma once

// Helpers shared by the solver sources; not part of the library's interface.

#include <cmath>
#include <initializer_list>
#include <optional>

#include "calculators/circuit_values.h"
#include "platform/float_error.h"
#include "toolkit/formulas.h"

namespace calculators::detail {

inline bool da(long double x) { return x != 0; }

// A reactance the step derived as 0 (an underflow of the stored form) counts as missing: the
// sheet divides by it. Other derived values may be 0 (no voltage, no current).
inline bool Ergebnis_da(const Kreiswerte& w, Groesse g) { return (g != Groesse::Xc && g != Groesse::XL) || da(w[g]); }

inline long double Wurzel(long double x) {
  if (!(x >= 0)) throw FloatError("Ungültige Gleitkommaoperation");
  return std::sqrt(x);
}

// The reactive component of a branch: capacitor or coil.
struct Bauteil {
  Groesse K;                                          // C or L
  Groesse X;                                          // Xc or XL
  long double (*Reaktanz)(long double, long double);  // X from (K, f)
  long double (*Wert)(long double, long double);      // K from (f, X)
  long double (*Frequenz)(long double, long double);  // f from (K, X)
};

inline constexpr Bauteil Kondensator{Groesse::C, Groesse::Xc, Berechne_Xc, Kehrwert_2pi, Kehrwert_2pi};
inline constexpr Bauteil Spule{Groesse::L, Groesse::XL, Berechne_XL, Quotient_2pi, Quotient_2pi};

// The reactance if given, else computed from component value and frequency (not stored);
// none when the computed one is too small to be stored.
inline std::optional<long double> X_strich(const Kreiswerte& w, const Bauteil& b, long double f) {
  if (da(w[b.X])) return static_cast<long double>(w[b.X]);
  if (!da(w[b.K]) || !da(f)) return std::nullopt;
  const long double X = b.Reaktanz(w[b.K], f);
  if (real48::round(std::fmin(std::fabs(X), 1.0L)) == 0) return std::nullopt;
  return X;
}

}  // namespace calculators::detail
