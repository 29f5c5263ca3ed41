#include "phasors/zeigerwerte.h"

#include "phasors/reihen_berechnung.h"
#include "toolkit/formulas.h"
#include "toolkit/schaltung.h"

TZeigerwerte Zeigerwerte;

namespace {

// A value with the bounds of its slider.
void Setze(real48& wert, real48& min, real48& max, long double w, long double lo, long double hi) {
  wert = w;
  min = lo;
  max = hi;
}

void Setze_R(long double R, long double lo, long double hi) {
  Setze(Schaltung.R_Zeiger, Schaltung.R_min, Schaltung.R_max, R, lo, hi);
}
void Setze_C(long double C, long double lo, long double hi) {
  Setze(Schaltung.C, Schaltung.C_min, Schaltung.C_max, C, lo, hi);
}
void Setze_L(long double L, long double lo, long double hi) {
  Setze(Schaltung.L, Schaltung.L_min, Schaltung.L_max, L, lo, hi);
}
void Setze_f(long double f, long double lo, long double hi) {
  Setze(Schaltung.f, Schaltung.f_min, Schaltung.f_max, f, lo, hi);
}

// R 200 Ohm, C 10 uF, L 0.5 H and f 50 Hz with the bounds of the series topics.
void Setze_Reihe_R() { Setze_R(200, 5, 1000); }
void Setze_Reihe_C() { Setze_C(10e-6L, 1e-6L, 1000e-6L); }
void Setze_Reihe_L() { Setze_L(0.5L, 1e-3L, 1); }
void Setze_Reihe_f() { Setze_f(50, 10, 1000); }

}  // namespace

void Startwerte_nur_Widerstand() {
  Schaltung.Ug = 10;
  Setze_R(5, 0.5L, 100);
  Schaltung.Imax = Schaltung.Ug / Schaltung.R_min;
  Schaltung.Imin = Schaltung.Ug / Schaltung.R_max;
}

void Startwerte_nur_Kondensator() {
  Schaltung.Ug = 10;
  Setze_C(500e-6L, 5e-6L, 1000e-6L);
  Setze_f(500, 10, 1000);
  Schaltung.Imax = Schaltung.Ug / Berechne_Xc(Schaltung.C_max, Schaltung.f_max);
}

void Startwerte_nur_Spule() {
  Schaltung.Ug = 10;
  Setze_L(5e-3L, 5e-3L, 100e-3L);
  Setze_f(50, 5, 1000);
  Schaltung.Imax = Schaltung.Ug / Berechne_XL(Schaltung.L_min, Schaltung.f_min);
}

void Startwerte_Widerstand_und_Kondensator() {
  Schaltung.Ug = 10;
  Setze_Reihe_R();
  Setze_Reihe_C();
  Setze_Reihe_f();
  Berechne_RC_Reihe();
}

void Startwerte_Widerstand_und_Spule() {
  Schaltung.Ug = 10;
  Setze_Reihe_R();
  Setze_Reihe_L();
  Setze_Reihe_f();
  Berechne_RL_Reihe();
}

void Startwerte_Kondensator_und_Spule() {
  Schaltung.Ug = 10;
  Setze_C(500e-6L, 1e-6L, 1000e-6L);
  Setze_L(10e-3L, 1e-3L, 100e-3L);
  Setze_Reihe_f();
  Schaltung.RL = 1;
  Berechne_CL_Reihe();
}

void Startwerte_Widerstand_Kondensator_und_Spule() {
  Schaltung.Ug = 10;
  Setze_Reihe_R();
  Setze_Reihe_C();
  Setze_Reihe_L();
  Setze_Reihe_f();
  Berechne_RCL_Reihe();
}
