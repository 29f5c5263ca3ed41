#pragma once

#include "toolkit/grundelemente.h"

// Phasor and line diagrams of a single resistor, capacitor or coil on the supply voltage
// Schaltung.Ug: the animated turn, the final phasors with labels and the text block. The
// frame and the circuit picture are drawn before by the dispatcher.
void Zeichne_R_Zeiger(Canvas& canvas);
void Zeichne_C_Zeiger(Canvas& canvas);
void Zeichne_L_Zeiger(Canvas& canvas);

// Lengths in pixels of the current phasors at the present values.
int Stromzeiger_R();
int Stromzeiger_C();
int Stromzeiger_L();
