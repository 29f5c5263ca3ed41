#pragma once

#include "toolkit/grundelemente.h"

// Sweep generator over the filter chain (R, C and L in series) and the trap circuit (in
// parallel): a sine whose frequency rises from fs to 30 fs on a logarithmic axis and whose
// amplitude follows the current, the current envelope over it, and the values at resonance.
// The circuit voltage and the zoom come from the shared state.

// Start values of the menu commands: U, R, C, L, fs and zoom.
void Startwerte_Siebkette();
void Startwerte_Sperrkreis();

// Axes of a sweep: time axis at y0 from x0 to x_end, value axis at x0, "I" at its top.
void Zeichne_Wobbelachsen(Canvas& canvas, int x0, int y0, int x_end, int half_height);

void Zeichne_Siebkette(Canvas& canvas, int fs, long double R, long double C, long double L);
void Zeichne_Sperrkreis(Canvas& canvas, int fs, long double R, long double C, long double L);
