#pragma once

#include "toolkit/grundelemente.h"
#include "toolkit/real48.h"

// Three-phase current: three phase voltages a third of a turn apart.
struct TDrehstromWerte {
  real48 Uref;        // reference voltage, the circle's radius
  real48 U1, U2, U3;  // phase voltages, 10 V to 300 V in the dialog
};

extern TDrehstromWerte Drehstromwerte;

inline constexpr long double Zwei_Pi_Drittel = 2.0943951023931954923L;

// Start values of the topic: 240 V everywhere.
void Setze_Drehstrom_Startwerte();

// Magnitude of the difference of two phasors of lengths a and b that are 120 degrees apart.
long double Berechne_Differenzspannung(long double a, long double b);

// One turn of the three phasors with their time curves, the final phasors, labels and the
// text block. Sets the supply voltage to Uref.
void Zeichne_Drehstrom(Canvas& canvas);
