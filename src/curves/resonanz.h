#pragma once

#include <vector>

#include "toolkit/grundelemente.h"
#include "toolkit/real48.h"

// Resonance curves of the series and the parallel resonant circuit over 0 .. 2 fr.

// One frequency point of a resonance drawing.
struct TResonanzpunkt {
  int x = 0;  // pixel column
  real48 f, Xc, XL, Z, I, phi;
  real48 Ic, IL;  // branch currents (parallel circuit only)
};

struct TResonanzkurven {
  real48 fr;
  int x_fr = 0;
  real48 Imax;                         // largest total current (series circuit)
  std::vector<TResonanzpunkt> punkte;  // index 1 .. N, index 0 unused
  int N() const { return static_cast<int>(punkte.size()) - 1; }
};

// N points, f_k = fr * 2k / N at column x_k = 10 + k.
TResonanzkurven Berechne_Serienschwingkreis(long double R, long double C, long double L, long double U, int N);
TResonanzkurven Berechne_Parallelschwingkreis(long double R, long double C, long double L, long double U, int N);

// Start values of the menu commands (circuit voltage, R, C, L and their slider bounds).
void Startwerte_Serienschwingkreis();
void Startwerte_Parallelschwingkreis();

// One graph frame: rectangle, frequency axis with end mark, value axis, resonance mark, "fr" and "2fr".
void Zeichne_Resonanzrahmen(Canvas& canvas, int x1, int y1, int x2, int y2, int axis_y, int x_fr);

// Three stacked graphs (impedance, current, phase) on the left half, the values on the right.
void Zeichne_Serienschwingkreis(Canvas& canvas, long double R, long double C, long double L, long double U);
void Zeichne_Parallelschwingkreis(Canvas& canvas, long double R, long double C, long double L, long double U);
