#include "calculators/parallel_solvers.h"

#include <cmath>
#include <functional>

#include "calculators/solver_support.h"

namespace calculators {
using namespace detail;

namespace {

using Schritt = std::function<bool(Groesse)>;

void Gehe_parallel(Rechnung& r, std::initializer_list<Groesse> reihenfolge, bool sofort_schreiben,
                   const Schritt& schritt) {
  r.Beginne();
  bool alle = true;
  for (Groesse g : reihenfolge) {
    const bool ok = da(r.w[g]) || (schritt(g) && Ergebnis_da(r.w, g));
    if (!ok) {
      alle = false;
    } else if (sofort_schreiben) {
      r.Schreibe(g);
    }
  }
  if (!alle) {
    r.Melde_Fehler();
    return;
  }
  for (Groesse g : reihenfolge) r.Schreibe(g);
  r.erfolgreich = true;
}

long double Quadrat(long double x) { return x * x; }

// The reactance if given, else computed from component value and frequency and kept.
bool X_behalten(Kreiswerte& w, const Bauteil& b) {
  if (da(w[b.X])) return true;
  if (da(w[b.K]) && da(w.f)) w[b.X] = b.Reaktanz(w[b.K], w.f);
  return da(w[b.X]);
}

// R with a capacitor or a coil in parallel.
bool Zweig_Schritt(Kreiswerte& w, const Bauteil& b, Groesse g) {
  real48& K = w[b.K];
  real48& X = w[b.X];
  // Reactance from the currents: Ir = U / R, Ix = √(I² − Ir²), X = U / Ix.
  auto X_aus_Stroemen = [&] {
    const long double Ir = Quotient(w.Ueff, w.R);
    X = Quotient(w.Ueff, Wurzel(Quadrat(w.Ieff) - Quadrat(Ir)));
  };
  auto U_R_I = [&] { return da(w.Ueff) && da(w.R) && da(w.Ieff); };
  // Z = R X / √(R² + X²)
  auto Z = [&] { return Quotient(w.R * X, std::sqrt(Quadrat(w.R) + Quadrat(X))); };

  if (g == Groesse::R) {
    if (!da(w.Ueff) || !da(w.Ieff) || !X_behalten(w, b)) return false;
    const long double Ix = Quotient(w.Ueff, X);
    w.R = Quotient(w.Ueff, Wurzel(Quadrat(w.Ieff) - Quadrat(Ix)));
    return true;
  }
  if (g == b.K) {
    if (!da(X) && U_R_I()) X_aus_Stroemen();
    if (!da(X) || !da(w.f)) return false;
    K = b.Wert(w.f, X);
    return true;
  }
  if (g == b.X) {
    if (da(w.f) && da(K)) {
      X = b.Reaktanz(K, w.f);
      return true;
    }
    if (!U_R_I()) return false;
    X_aus_Stroemen();
    return true;
  }
  if (g == Groesse::f) {
    if (!da(X) && U_R_I()) X_aus_Stroemen();
    if (!da(X) || !da(K)) return false;
    w.f = b.Frequenz(K, X);
    return true;
  }
  if (g == Groesse::Ueff) {
    if (!da(w.Ieff) || !X_behalten(w, b) || !da(w.R)) return false;
    w.Ueff = w.Ieff * Z();
  } else {
    if (!da(w.Ueff) || !X_behalten(w, b) || !da(w.R)) return false;
    w.Ieff = Quotient(w.Ueff, Z());
  }
  return true;
}

// C and L in parallel. Where one reactance cannot come from its own component, the
// circuit is taken to be at resonance and that reactance equals the other one.
bool CL_Schritt(Kreiswerte& w, Groesse g) {
  auto f_aus_C = [&] {  // kept
    if (!da(w.f) && da(w.C) && da(w.Xc)) w.f = Kehrwert_2pi(w.C, w.Xc);
    return da(w.f);
  };
  auto f_aus_L = [&] {  // kept
    if (!da(w.f) && da(w.L) && da(w.XL)) w.f = Quotient_2pi(w.L, w.XL);
    return da(w.f);
  };

  switch (g) {
    case Groesse::L:
      if (da(w.XL)) {
        if (!f_aus_C()) return false;
      } else {
        // Resonance only fits a circuit without current, as in the XL step.
        if (da(w.Ieff) || !X_behalten(w, Kondensator) || !f_aus_C()) return false;
        w.XL = w.Xc;
      }
      w.L = Quotient_2pi(w.f, w.XL);
      return true;
    case Groesse::XL:
      if (!f_aus_C()) return false;
      if (da(w.L)) {
        w.XL = Berechne_XL(w.L, w.f);
        return true;
      }
      if (da(w.Ieff) || !X_behalten(w, Kondensator)) return false;
      w.XL = w.Xc;
      return true;
    case Groesse::C:
      if (da(w.Xc)) {
        if (!f_aus_L()) return false;
      } else {
        if (da(w.Ieff) || !X_behalten(w, Spule) || !f_aus_L()) return false;
        w.Xc = w.XL;
      }
      w.C = Kehrwert_2pi(w.f, w.Xc);
      return true;
    case Groesse::Xc:
      if (!f_aus_L()) return false;
      if (da(w.C)) {
        w.Xc = Berechne_Xc(w.C, w.f);
        return true;
      }
      if (da(w.Ieff) || !X_behalten(w, Spule)) return false;
      w.Xc = w.XL;
      return true;
    case Groesse::f:
      if (da(w.L) && da(w.XL)) {
        w.f = Quotient_2pi(w.L, w.XL);
        return true;
      }
      if (da(w.C) && da(w.Xc)) {
        w.f = Kehrwert_2pi(w.C, w.Xc);
        return true;
      }
      return false;
    case Groesse::Ueff: {
      const bool Xc_da = X_behalten(w, Kondensator);
      const bool XL_da = X_behalten(w, Spule);
      if (!da(w.Ieff)) return true;
      if (!Xc_da || !XL_da) return false;
      // The same relation as the current step: I = |U / Xc − U / XL|.
      w.Ueff = Quotient(w.Ieff, std::fabs(Quotient(1, w.Xc) - Quotient(1, w.XL)));
      return true;
    }
    case Groesse::Ieff:
      if (da(w.Xc) && da(w.XL)) {
        if (!da(w.Ueff)) return false;
      } else if (!X_behalten(w, Kondensator) || !X_behalten(w, Spule)) {
        return false;
      }
      w.Ieff = std::fabs(Quotient(w.Ueff, w.Xc) - Quotient(w.Ueff, w.XL));
      return true;
    case Groesse::R:
      return true;
  }
  return false;
}

// R, C and L in parallel. Resonance: the stored current equals U / R in stored precision.
bool RCL_Schritt(Kreiswerte& w, Groesse g) {
  auto Resonanz = [&] { return da(w.R) && w.Ieff == real48(Quotient(w.Ueff, w.R)); };

  switch (g) {
    case Groesse::L:
      if (!da(w.f)) {
        if (!da(w.C) || !da(w.Xc)) return false;
        w.f = Kehrwert_2pi(w.C, w.Xc);
      }
      if (!da(w.XL)) {
        if (!Resonanz() || !X_behalten(w, Kondensator)) return false;
        w.XL = w.Xc;
      }
      w.L = Quotient_2pi(w.f, w.XL);
      return true;
    case Groesse::XL: {
      bool ok = false;
      if (da(w.f) && da(w.L)) {
        w.XL = Berechne_XL(w.L, w.f);
        ok = true;
      }
      if (Resonanz() && X_behalten(w, Kondensator)) {
        w.XL = w.Xc;
        ok = true;
      }
      return ok;
    }
    case Groesse::C:
      if (!da(w.f)) return false;
      if (!da(w.Xc)) {
        if (!Resonanz() || !X_behalten(w, Spule)) return false;
        w.Xc = w.XL;
      }
      w.C = Kehrwert_2pi(w.f, w.Xc);
      return true;
    case Groesse::Xc: {
      bool ok = false;
      if (da(w.f) && da(w.C)) {
        w.Xc = Berechne_Xc(w.C, w.f);
        ok = true;
      }
      if (Resonanz() && X_behalten(w, Spule)) {
        w.Xc = w.XL;
        ok = true;
      }
      return ok;
    }
    case Groesse::f: {
      bool ok = false;
      if (da(w.L) && da(w.XL)) {
        w.f = Quotient_2pi(w.L, w.XL);
        ok = true;
      } else if (da(w.C) && da(w.Xc)) {
        w.f = Kehrwert_2pi(w.C, w.Xc);
        ok = true;
      }
      if (da(w.L) && !da(w.XL) && da(w.Xc) && Resonanz()) {
        w.XL = w.Xc;
        w.f = Quotient_2pi(w.L, w.XL);
        ok = true;
      }
      if (da(w.C) && !da(w.Xc) && da(w.XL) && Resonanz()) {
        w.Xc = w.XL;
        w.f = Kehrwert_2pi(w.C, w.Xc);
        ok = true;
      }
      return ok;
    }
    case Groesse::Ueff: {
      const bool XL_da = X_behalten(w, Spule);
      const bool Xc_da = X_behalten(w, Kondensator);
      if (!da(w.Ieff) || !da(w.R) || !Xc_da || !XL_da) return false;
      if (std::fabs(w.Xc - w.XL) < 0.001L) {
        w.Ueff = w.Ieff * w.R;
      } else {
        const long double y = Quadrat(Quotient(1, w.R)) + Quadrat(Quotient(1, w.XL) - Quotient(1, w.Xc));
        w.Ueff = Quotient(w.Ieff, std::sqrt(y));
      }
      return true;
    }
    case Groesse::Ieff: {
      const bool Xc_da = X_behalten(w, Kondensator);
      const bool XL_da = X_behalten(w, Spule);
      if (!Xc_da || !XL_da || !da(w.R) || !da(w.Ueff)) return false;
      const long double Ir = Quotient(w.Ueff, w.R);
      const long double Ic = Quotient(w.Ueff, w.Xc);
      const long double IL = Quotient(w.Ueff, w.XL);
      w.Ieff = std::sqrt(Quadrat(Ic - IL) + Quadrat(Ir));
      return true;
    }
    case Groesse::R: {
      const bool Xc_da = X_behalten(w, Kondensator);
      const bool XL_da = X_behalten(w, Spule);
      if (!Xc_da || !XL_da || !da(w.Ieff)) return false;
      const long double Ic = Quotient(w.Ueff, w.Xc);
      const long double IL = Quotient(w.Ueff, w.XL);
      w.R = Quotient(w.Ueff, Wurzel(Quadrat(w.Ieff) - Quadrat(Ic - IL)));
      return true;
    }
  }
  return false;
}

}  // namespace

void Berechne_RC_parallel(Rechnung& r) {
  Gehe_parallel(r, {Groesse::R, Groesse::C, Groesse::Xc, Groesse::f, Groesse::Ueff, Groesse::Ieff}, false,
                [&](Groesse g) { return Zweig_Schritt(r.w, Kondensator, g); });
}

void Berechne_RL_parallel(Rechnung& r) {
  Gehe_parallel(r, {Groesse::R, Groesse::L, Groesse::XL, Groesse::f, Groesse::Ueff, Groesse::Ieff}, false,
                [&](Groesse g) { return Zweig_Schritt(r.w, Spule, g); });
}

void Berechne_CL_parallel(Rechnung& r) {
  Gehe_parallel(r, {Groesse::L, Groesse::XL, Groesse::C, Groesse::Xc, Groesse::f, Groesse::Ueff, Groesse::Ieff}, false,
                [&](Groesse g) { return CL_Schritt(r.w, g); });
}

void Berechne_RCL_parallel(Rechnung& r) {
  Gehe_parallel(
      r, {Groesse::L, Groesse::XL, Groesse::C, Groesse::Xc, Groesse::f, Groesse::Ueff, Groesse::Ieff, Groesse::R}, true,
      [&](Groesse g) { return RCL_Schritt(r.w, g); });
}

}  // namespace calculators
