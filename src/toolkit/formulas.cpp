#include "toolkit/formulas.h"

#include <cmath>

#include "platform/float_error.h"
#include "toolkit/real48.h"

namespace {

// Division and root that fail loudly: the error box reports what the user entered.
long double teile(long double a, long double b) {
  if (b == 0) throw FloatError("Division durch Null");
  const long double q = a / b;
  if (!std::isfinite(q)) throw FloatError("Gleitkommaüberlauf");
  return q;
}

long double wurzel(long double x) {
  if (!(x >= 0)) throw FloatError("Ungültige Gleitkommaoperation");
  return std::sqrt(x);
}

}  // namespace

long double Berechne_Xc(long double C, long double f) { return teile(1, Zwei_Pi * f * C); }

long double Berechne_XL(long double L, long double f) { return Zwei_Pi * f * L; }

long double Berechne_fr(long double L, long double C) { return teile(1, Zwei_Pi) * wurzel(teile(1, L * C)); }

long double Berechne_Z_RC_Reihe(long double R, long double C, long double f) {
  const long double Xc = Berechne_Xc(C, f);
  return wurzel(R * R + Xc * Xc);
}

long double Berechne_Z_RL_Reihe(long double R, long double L, long double f) {
  const long double XL = Berechne_XL(L, f);
  return wurzel(R * R + XL * XL);
}

long double Berechne_Z_RCL_Reihe(long double R, long double C, long double L, long double f) {
  const long double X = Berechne_Xc(C, f) - Berechne_XL(L, f);
  return wurzel(R * R + X * X);
}

long double Berechne_Z_RC_parallel(long double R, long double C, long double f) {
  const long double Xc = Berechne_Xc(C, f);
  return teile(1, wurzel(teile(1, Xc * Xc) + teile(1, R * R)));
}

long double Berechne_Z_RL_parallel(long double R, long double L, long double f) {
  const long double XL = Berechne_XL(L, f);
  return teile(1, wurzel(teile(1, XL * XL) + teile(1, R * R)));
}

long double Berechne_Z_RCL_parallel(long double R, long double C, long double L, long double f) {
  const long double B = teile(1, Berechne_Xc(C, f)) - teile(1, Berechne_XL(L, f));
  return teile(1, wurzel(teile(1, R * R) + B * B));
}

long double Berechne_Z_CL_parallel(long double C, long double L, long double f) {
  const real48 Xc = Berechne_Xc(C, f);
  const real48 XL = Berechne_XL(L, f);
  if (Xc == XL) return 1e13L;  // resonance: no division by zero, a very large impedance instead
  return teile(1, std::fabs(teile(1, Xc) - teile(1, XL)));
}

long double Bogen_zu_Grad(long double x) { return x * 360 / Zwei_Pi; }

long double Kehrwert_2pi(long double a, long double b) { return teile(1, Zwei_Pi * a * b); }

long double Quotient_2pi(long double a, long double b) { return teile(b, Zwei_Pi * a); }

long double Quotient(long double a, long double b) { return teile(a, b); }
