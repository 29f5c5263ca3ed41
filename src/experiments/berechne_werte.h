#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "toolkit/real48.h"

namespace experiments {

// The components of an experiment's circuit.
enum class TBauteile { RC, RL, RCL, CL };

// Values of one experiment in SI units. U, R, C, L and f are given; the Berechne_ routines
// fill the rest. R is not used by C-L, C not by R-L, L not by R-C.
struct TWerte {
  real48 U, R, C, L, f;
  real48 fres;  // R-C-L and C-L
  real48 Xc, XL, Z;
  real48 I;           // series: Ieff; parallel: Iges
  real48 Ur, Uc, UL;  // series: the component voltages
  real48 Ir, Ic, IL;  // parallel: the branch currents
  real48 Max;         // bar chart scale: the largest voltage (series) or current (parallel) shown
};

// Series circuit of R with C, with L, or with both (C-L is computed as R-C-L).
void Berechne_Reihenschaltung(TWerte& w, TBauteile bauteile);
// Parallel circuit. C-L at resonance (Xc and XL equal as stored reals) has Z = 1E13 Ohm.
void Berechne_Parallelschaltung(TWerte& w, TBauteile bauteile);

// One bar of the chart: left edge in the picture, value, name and colour.
struct TBalken {
  int x;
  long double wert;
  QString name;
  QColor farbe;
};

// The bars of the chart in drawing order, in the colours of the current colour roles.
std::vector<TBalken> Balken_Reihe(const TWerte& w, TBauteile bauteile);
std::vector<TBalken> Balken_Parallel(const TWerte& w, TBauteile bauteile);

}  // namespace experiments
