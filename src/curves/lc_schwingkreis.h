#pragma once

#include "toolkit/grundelemente.h"
#include "toolkit/real48.h"

// Free damped oscillation of a capacitor discharging through a coil and a resistor.

struct TLC_Werte {
  real48 d;                        // 1/(LC) - R^2/(4L^2)
  bool schwingend = false;         // d > 0; d = 0, the aperiodic limit, counts as aperiodic
  real48 omega, f_res, Ts, t_max;  // only when oscillating
  real48 I0;                       // current amplitude U * sqrt(C/L)
  real48 delta;                    // damping R/(2L)
  real48 Tau;                      // 2L/R
  real48 Rap;                      // resistance of the aperiodic limit, 2 sqrt(L/C)
};

TLC_Werte Berechne_LC_Schwingkreis(long double U, long double R, long double C, long double L);

// Start values of the menu command (supply voltage, R, C, L and the C and L bounds).
void Startwerte_LC_Schwingkreis();

// Current graph above, voltage graph below on the left half, panel on the right; reads the
// shared circuit state and the window's layout.
void Zeichne_LC_Schwingkreis(Canvas& canvas);
