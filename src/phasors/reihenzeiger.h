#pragma once

#include "toolkit/grundelemente.h"

// Phasor and line diagrams of the series circuits from the values of the last calculation
// (reihen_berechnung.h): partial voltages and supply voltage turning, their curves, the final
// phasors with labels and the text block. The C-and-L drawing recalculates before its text.
void Zeichne_RC_Zeiger(Canvas& canvas);
void Zeichne_RL_Zeiger(Canvas& canvas);
void Zeichne_CL_Zeiger(Canvas& canvas);
void Zeichne_RCL_Zeiger(Canvas& canvas);
