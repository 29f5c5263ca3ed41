#pragma once

// The lines of the calculators' result sheets as data: the drawing routine writes them
// one under the other in the given colour roles. A value line is `vor`, the value in its
// number form and `nach`, joined without further spaces; a line with no text is blank.

#include <QString>
#include <string>
#include <vector>

#include "calculators/circuit_values.h"
#include "calculators/single_solvers.h"

namespace calculators {

enum class Farbrolle { Text, Widerstand, Kondensator, Spule, Impedanz };

// How the value of a line becomes text.
enum class Zahlform {
  Keine,      // no value: the line is `vor` alone
  Wert,       // Formatiere_Wert
  Vorsatz,    // Setze_Vorsatz(Formatiere_Wert(...)), unit "F" or "H" follows
  Festkomma,  // Formatiere_Festkomma
};

struct Blattzeile {
  std::string vor;
  Zahlform form = Zahlform::Keine;
  long double wert = 0;
  std::string nach;
  Farbrolle farbe = Farbrolle::Text;

  bool leer() const { return vor.empty() && form == Zahlform::Keine && nach.empty(); }
};

// The line as drawn: label, number text and unit.
QString Zeilentext(const Blattzeile& z);

struct Blatt {
  std::string titel;
  std::string bezug;  // reference text for underline and frame width
  std::vector<Blattzeile> zeilen;
};

Blatt Blatt_Widerstand(const Kreiswerte& w);
Blatt Blatt_Kondensator(const Kreiswerte& w);
Blatt Blatt_Spule(const Kreiswerte& w);
Blatt Blatt_Hoch_Tiefpass(long double R, long double C);
Blatt Blatt_Kapazitaet(const Kondensator_Bauform& b);
Blatt Blatt_Induktivitaet(const Spulen_Bauform& b);

// R_Zeiger: the resistance of the combined phasor topics, which the RL and RCL series
// sheets take for their phase angle.
Blatt Blatt_RC_Reihe(const Kreiswerte& w);
Blatt Blatt_RL_Reihe(const Kreiswerte& w, long double R_Zeiger);
Blatt Blatt_RCL_Reihe(const Kreiswerte& w, long double R_Zeiger);
Blatt Blatt_CL_Reihe(const Kreiswerte& w);

Blatt Blatt_RC_parallel(const Kreiswerte& w);
Blatt Blatt_RL_parallel(const Kreiswerte& w);
Blatt Blatt_CL_parallel(const Kreiswerte& w);
Blatt Blatt_RCL_parallel(const Kreiswerte& w);

}  // namespace calculators
