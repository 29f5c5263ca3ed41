#pragma once

#include <string>
#include <vector>

#include "toolkit/real48.h"

namespace calculators {

// The quantities a calculator field can hold.
enum class Groesse { R, C, Xc, L, XL, f, Ueff, Ieff };

// Values of one calculator group in SI units. Outside the resistor calculator a value
// counts as given when it is not 0 ("?", "0" and an empty field all read as 0).
struct Kreiswerte {
  real48 R, C, Xc, L, XL, f, Ueff, Ieff;

  real48& operator[](Groesse g);
  const real48& operator[](Groesse g) const;
};

inline constexpr const char* Fehler_Titel = "Fehler";
inline constexpr const char* Fehler_Text =
    "Ihre Eingaben enhalten einen Fehler !\nIch kann nicht alle Werte berechnen !";

// One press of a "berechne" button. The dialog fills `w` from its fields and calls a
// solver, which changes `w` in place and records the fields to write back (with
// Formatiere_Wert, in the order given) and the messages FehlerMessage shows. A FloatError
// from contradictory values leaves the call; `w` and `geschrieben` then hold the state
// reached so far, so the dialog can still write those fields before it passes the error on.
struct Rechnung {
  Rechnung() = default;
  explicit Rechnung(const Kreiswerte& werte) : w(werte) {}

  Kreiswerte w;
  std::vector<Groesse> geschrieben;
  std::vector<std::string> meldungen;
  bool erfolgreich = false;

  void Beginne();            // clears the record of an earlier run, keeps `w`
  void Schreibe(Groesse g);  // marks a field for writing back; each field once
  void Melde_Fehler();       // one FehlerMessage
  bool Geschrieben(Groesse g) const;
};

}  // namespace calculators
