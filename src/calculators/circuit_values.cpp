#include "calculators/circuit_values.h"

#include <algorithm>

namespace calculators {

real48& Kreiswerte::operator[](Groesse g) {
  switch (g) {
    case Groesse::R:
      return R;
    case Groesse::C:
      return C;
    case Groesse::Xc:
      return Xc;
    case Groesse::L:
      return L;
    case Groesse::XL:
      return XL;
    case Groesse::f:
      return f;
    case Groesse::Ueff:
      return Ueff;
    case Groesse::Ieff:
      return Ieff;
  }
  return R;
}

const real48& Kreiswerte::operator[](Groesse g) const { return const_cast<Kreiswerte&>(*this)[g]; }

void Rechnung::Beginne() {
  geschrieben.clear();
  meldungen.clear();
  erfolgreich = false;
}

void Rechnung::Schreibe(Groesse g) {
  if (!Geschrieben(g)) geschrieben.push_back(g);
}

void Rechnung::Melde_Fehler() { meldungen.emplace_back(Fehler_Text); }

bool Rechnung::Geschrieben(Groesse g) const {
  return std::find(geschrieben.begin(), geschrieben.end(), g) != geschrieben.end();
}

}  // namespace calculators
