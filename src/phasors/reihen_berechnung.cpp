#include "phasors/reihen_berechnung.h"

#include <cmath>

#include "phasors/zeigerwerte.h"
#include "platform/float_error.h"
#include "toolkit/formulas.h"
#include "toolkit/schaltung.h"

namespace {

long double teile(long double a, long double b) {
  if (b == 0) throw FloatError("Division durch Null");
  return a / b;
}

// Z, I and the resistor voltage from the reactance left over after C and L cancel.
void Strom_und_Teilspannungen(long double R, long double X) {
  TSchaltung& s = Schaltung;
  s.Z = std::sqrt(R * R + X * X);
  s.Ieff = teile(s.Ug, s.Z);
  Zeigerwerte.UR = s.Ieff * R;
}

}  // namespace

void Berechne_RC_Reihe() {
  TSchaltung& s = Schaltung;
  s.Xc = Berechne_Xc(s.C, s.f);
  s.phi = std::atan(teile(s.Xc, s.R_Zeiger));
  Strom_und_Teilspannungen(s.R_Zeiger, s.Xc);
  Zeigerwerte.Uc = s.Ieff * s.Xc;
}

void Berechne_RL_Reihe() {
  TSchaltung& s = Schaltung;
  s.XL = Berechne_XL(s.L, s.f);
  s.phi = -std::atan(teile(s.XL, s.R_Zeiger));
  Strom_und_Teilspannungen(s.R_Zeiger, s.XL);
  Zeigerwerte.UL = s.Ieff * s.XL;
}

void Berechne_RCL_Reihe() {
  TSchaltung& s = Schaltung;
  s.Xc = Berechne_Xc(s.C, s.f);
  s.XL = Berechne_XL(s.L, s.f);
  s.phi = std::atan(teile(s.Xc - s.XL, s.R_Zeiger));
  Strom_und_Teilspannungen(s.R_Zeiger, s.Xc - s.XL);
  Zeigerwerte.Uc = s.Ieff * s.Xc;
  Zeigerwerte.UL = s.Ieff * s.XL;
}

void Berechne_CL_Reihe() {
  TSchaltung& s = Schaltung;
  s.Xc = Berechne_Xc(s.C, s.f);
  s.XL = Berechne_XL(s.L, s.f);
  Strom_und_Teilspannungen(s.RL, s.XL - s.Xc);
  Zeigerwerte.Uc = s.Ieff * s.Xc;
  Zeigerwerte.UL = s.Ieff * s.XL;
  s.fr = Berechne_fr(s.L, s.C);
}
