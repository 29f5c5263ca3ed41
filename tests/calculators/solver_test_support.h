#pragma once

#include <initializer_list>
#include <ostream>
#include <string>

#include "calculators/circuit_values.h"

namespace calculators {

using Loeser = void (*)(Rechnung&);

inline Rechnung Rechne(Loeser loeser, const Kreiswerte& w) {
  Rechnung r{w};
  loeser(r);
  return r;
}

// Only the named values of w; the others unknown.
inline Kreiswerte Nur(const Kreiswerte& w, std::initializer_list<Groesse> gegeben) {
  Kreiswerte v;
  for (Groesse g : gegeben) v[g] = w[g];
  return v;
}

inline const char* Name(Groesse g) {
  switch (g) {
    case Groesse::R:
      return "R";
    case Groesse::C:
      return "C";
    case Groesse::Xc:
      return "Xc";
    case Groesse::L:
      return "L";
    case Groesse::XL:
      return "XL";
    case Groesse::f:
      return "f";
    case Groesse::Ueff:
      return "Ueff";
    case Groesse::Ieff:
      return "Ieff";
  }
  return "?";
}

inline void PrintTo(Groesse g, std::ostream* os) { *os << Name(g); }

inline constexpr Groesse alle_Groessen[] = {Groesse::R,  Groesse::C, Groesse::Xc,   Groesse::L,
                                            Groesse::XL, Groesse::f, Groesse::Ueff, Groesse::Ieff};

}  // namespace calculators
