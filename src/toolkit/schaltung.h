#pragma once

#include "toolkit/real48.h"

// The shared circuit state, SI units. Menu commands write the start values, dialogs change
// them, drawings read them. Values of a single topic live in that topic's own folder.
struct TSchaltung {
  real48 Ug;    // supply voltage: phasor, LC-circuit, switching and table topics
  real48 Ueff;  // circuit voltage: resonance, sweep and calculator topics
  real48 Ieff;
  real48 R, R_min, R_max;
  real48 C, C_min, C_max;
  real48 L, L_min, L_max;
  real48 f, f_min, f_max;
  real48 R_Zeiger;  // resistance of the combined phasor topics
  real48 RL;        // coil resistance
  real48 Xc, XL, Z;
  real48 phi;         // phase angle, radians
  real48 fr;          // resonance frequency
  real48 Imax, Imin;  // current scale of the single-component phasor topics
  // Sweep topics: start frequency (Hz) and vertical gain (pixels per ampere)
  int fs = 0;
  real48 Zoom;
  // Modulation curves, shared by the amplitude and frequency topics and their dialogs
  real48 k;     // carrier factor: the AM carrier runs 30 k periods over the width
  int Nq = 2;   // square periods, 2..6
  int Ns = 2;   // staircase steps, 2..6
  real48 fsig;  // periods of the sine signal
};

extern TSchaltung Schaltung;
