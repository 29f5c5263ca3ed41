#pragma once

#include "calculators/circuit_values.h"
#include "toolkit/real48.h"

namespace calculators {

// Resistor: a field counts as given when its text is not empty (a "?" reads as 0 and is
// given). Uses w.Ueff, w.Ieff, w.R; writes R, I or U back.
struct Widerstand_Felder {
  bool U = false, I = false, R = false;  // field text not empty
};
void Berechne_Widerstand(Rechnung& r, Widerstand_Felder belegt);

// Capacitor group (C, Xc, f, Ueff, Ieff) and coil group (L, XL, f, Ueff, Ieff): five steps
// in fixed order; a failed step sets the error and the later ones still run.
void Berechne_Kondensator(Rechnung& r);
void Berechne_Spule(Rechnung& r);

// High and low pass: R and C become their absolute values (the dialog stores both at
// once); fails when one of them is 0. Nothing is written back into the fields.
void Berechne_Hoch_Tiefpass(Rechnung& r);

// Geometry of a plate capacitor (A in cm², d in cm) and of a coil (l in cm, A in cm²).
// The inputs are stored whatever the outcome; false means FehlerMessage, true that C or L
// was set.
struct Kondensator_Bauform {
  real48 er, A, d, C;
};
struct Spulen_Bauform {
  real48 ur, n, l, A, L;
};
bool Berechne_Kapazitaet(Kondensator_Bauform& b);
bool Berechne_Induktivitaet(Spulen_Bauform& b);

}  // namespace calculators
