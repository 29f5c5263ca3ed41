#include "calculators/single_solvers.h"

#include <cmath>

#include "calculators/solver_support.h"

namespace calculators {
using namespace detail;

void Berechne_Widerstand(Rechnung& r, Widerstand_Felder belegt) {
  r.Beginne();
  Kreiswerte& w = r.w;
  if (belegt.U) {
    if (belegt.I) {
      w.R = Quotient(w.Ueff, w.Ieff);
      r.Schreibe(Groesse::R);
    } else if (belegt.R) {
      w.Ieff = Quotient(w.Ueff, w.R);
      r.Schreibe(Groesse::Ieff);
    } else {
      r.Melde_Fehler();
      return;
    }
  } else if (belegt.I && belegt.R) {
    w.Ueff = w.Ieff * w.R;
    r.Schreibe(Groesse::Ueff);
  } else {
    r.Melde_Fehler();
    return;
  }
  r.erfolgreich = true;
}

namespace {

// One of the five steps of the capacitor or coil group; true when the value was derived.
bool Einzelschritt(Rechnung& r, const Bauteil& b, Groesse g) {
  Kreiswerte& w = r.w;
  real48& K = w[b.K];
  real48& X = w[b.X];
  // X = U / I, written into its field; a value that underflows to 0 is none.
  auto X_aus_U_I = [&] {
    X = Quotient(w.Ueff, w.Ieff);
    if (da(X)) r.Schreibe(b.X);
    return da(X);
  };
  // X from component value and frequency, written into its field; 0 likewise is none.
  auto X_aus_K_f = [&] {
    X = b.Reaktanz(K, w.f);
    if (da(X)) r.Schreibe(b.X);
    return da(X);
  };

  if (g == b.K) {
    if (da(X)) {
      if (!da(w.f)) return false;
    } else {
      if (!da(w.Ieff) || !da(w.f) || !X_aus_U_I()) return false;
    }
    K = b.Wert(w.f, X);
    return true;
  }
  if (g == Groesse::f) {
    if (!da(K)) return false;
    if (!da(X)) {
      if (!da(w.Ieff) || !X_aus_U_I()) return false;
    }
    w.f = b.Frequenz(K, X);
    return true;
  }
  if (g == b.X) {
    if (da(K)) {
      if (!da(w.f)) return false;
      X = b.Reaktanz(K, w.f);
    } else {
      if (!da(w.Ieff)) return false;
      X = Quotient(w.Ueff, w.Ieff);
    }
    return true;
  }
  if (!da(X)) {
    if (!da(K) || !da(w.f) || !X_aus_K_f()) return false;
  }
  if (g == Groesse::Ueff) {
    w.Ueff = w.Ieff * X;
  } else {
    w.Ieff = Quotient(w.Ueff, X);
  }
  return true;
}

void Einzelbauteil(Rechnung& r, const Bauteil& b) {
  r.Beginne();
  bool fehler = false;
  for (Groesse g : {b.K, Groesse::f, b.X, Groesse::Ueff, Groesse::Ieff}) {
    if (da(r.w[g])) continue;
    if (Einzelschritt(r, b, g) && Ergebnis_da(r.w, g)) {
      r.Schreibe(g);
    } else {
      fehler = true;
    }
  }
  if (fehler) {
    r.Melde_Fehler();
  } else {
    r.erfolgreich = true;
  }
}

}  // namespace

void Berechne_Kondensator(Rechnung& r) { Einzelbauteil(r, Kondensator); }
void Berechne_Spule(Rechnung& r) { Einzelbauteil(r, Spule); }

void Berechne_Hoch_Tiefpass(Rechnung& r) {
  r.Beginne();
  r.w.R = std::fabs(r.w.R);
  r.w.C = std::fabs(r.w.C);
  if (!da(r.w.R) || !da(r.w.C)) {
    r.Melde_Fehler();
    return;
  }
  r.erfolgreich = true;
}

bool Berechne_Kapazitaet(Kondensator_Bauform& b) {
  if (!da(b.d)) return false;
  b.C = b.er * 8.85e-12L * b.A / (b.d * 100);
  return true;
}

bool Berechne_Induktivitaet(Spulen_Bauform& b) {
  if (!da(b.l)) return false;
  b.L = b.ur * 1.256e-6L * b.A * b.n * b.n / (b.l * 100);
  return true;
}

}  // namespace calculators
