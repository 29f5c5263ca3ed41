#include "calculators/series_solvers.h"

#include <cmath>
#include <functional>

#include "calculators/solver_support.h"

namespace calculators {
using namespace detail;

namespace {

using Schritt = std::function<bool(Groesse)>;

void Gehe_Reihe(Rechnung& r, std::initializer_list<Groesse> reihenfolge, const Schritt& schritt) {
  r.Beginne();
  for (Groesse g : reihenfolge) {
    if (da(r.w[g])) continue;
    if (!schritt(g) || !Ergebnis_da(r.w, g)) {
      r.Melde_Fehler();
      return;
    }
    r.Schreibe(g);
  }
  r.erfolgreich = true;
}

long double Quadrat(long double x) { return x * x; }

// R with a capacitor or a coil. The coil variant reports a negative Z² - R² in its
// reactance and frequency steps instead of failing in the square root.
bool Zweig_Schritt(Kreiswerte& w, const Bauteil& b, bool spule, Groesse g) {
  const long double U = w.Ueff, I = w.Ieff, R = w.R, f = w.f;
  real48& K = w[b.K];
  real48& X = w[b.X];
  auto Z_aus_U_I = [&] { return Quotient(U, I); };

  if (g == Groesse::R) {
    if (!da(U) || !da(I)) return false;
    const auto Xs = X_strich(w, b, f);
    if (!Xs) return false;
    w.R = Wurzel(Quadrat(Z_aus_U_I()) - Quadrat(*Xs));
    return true;
  }
  if (g == b.K) {
    if (da(f) && da(X)) {
      K = b.Wert(f, X);
      return true;
    }
    if (da(U) && da(I) && da(R) && da(f)) {
      K = b.Wert(f, Wurzel(Quadrat(Z_aus_U_I()) - Quadrat(R)));
      return true;
    }
    return false;
  }
  if (g == b.X) {
    if (da(f) && da(K)) {
      X = b.Reaktanz(K, f);
      return true;
    }
    if (da(U) && da(I) && da(R)) {
      const long double d = Quadrat(Z_aus_U_I()) - Quadrat(R);
      if (spule && d < 0) return false;
      X = Wurzel(d);
      return true;
    }
    return false;
  }
  if (g == Groesse::f) {
    if (da(K) && da(X)) {
      w.f = b.Frequenz(K, X);
      return true;
    }
    if (da(K) && da(R) && da(I) && da(U)) {
      const long double d = Quadrat(Z_aus_U_I()) - Quadrat(R);
      if (spule && d < 0) return false;
      w.f = b.Frequenz(K, Wurzel(d));
      return true;
    }
    return false;
  }
  const auto Xs = X_strich(w, b, f);
  if (!Xs || !da(R)) return false;
  const long double Z = std::sqrt(Quadrat(*Xs) + Quadrat(R));
  if (g == Groesse::Ueff) {
    if (!da(I)) return false;
    w.Ueff = I * Z;
  } else {
    if (!da(U)) return false;
    w.Ieff = Quotient(U, Z);
  }
  return true;
}

// R, C and L in series.
bool RCL_Schritt(Kreiswerte& w, Groesse g) {
  const long double U = w.Ueff, I = w.Ieff, R = w.R, f = w.f, C = w.C, L = w.L, Xc = w.Xc, XL = w.XL;
  auto Z_aus_U_I = [&] { return Quotient(U, I); };
  auto Rest = [&] { return Wurzel(Quadrat(Z_aus_U_I()) - Quadrat(R)); };  // √(Z² − R²)
  // f' from C and Xc when f is unknown.
  auto f_aus_C = [&]() -> long double { return !da(f) && da(C) && da(Xc) ? Kehrwert_2pi(C, Xc) : f; };
  // f' from L and XL when f is unknown.
  auto f_aus_L = [&]() -> long double { return !da(f) && da(L) && da(XL) ? Quotient_2pi(L, XL) : f; };
  auto Xc_strich = [&](long double fs) { return X_strich(w, Kondensator, fs); };
  auto XL_strich = [&](long double fs) { return X_strich(w, Spule, fs); };

  switch (g) {
    case Groesse::L: {
      const long double fs = f_aus_C();
      std::optional<long double> XLs;
      if (da(XL)) {
        XLs = XL;
      } else if (da(U) && da(I) && da(R)) {
        const auto Xcs = Xc_strich(fs);
        if (!Xcs) return false;
        XLs = std::fabs(*Xcs - Rest());
      }
      if (!da(fs) || !XLs || !da(*XLs)) return false;
      w.L = Quotient_2pi(fs, *XLs);
      return true;
    }
    case Groesse::XL: {
      const long double fs = f_aus_C();
      bool ok = false;
      if (da(U) && da(I) && da(R)) {
        if (const auto Xcs = Xc_strich(fs)) {
          w.XL = std::fabs(*Xcs - Rest());
          ok = true;
        }
      }
      if (da(L) && da(fs)) {
        w.XL = Berechne_XL(L, fs);
        ok = true;
      }
      return ok;
    }
    case Groesse::f: {
      bool ok = false;
      if (da(L)) {
        if (da(XL)) {
          w.f = Quotient_2pi(L, XL);
          ok = true;
        } else if (da(U) && da(I) && da(R) && da(Xc)) {
          w.f = Quotient_2pi(L, std::fabs(Xc - Rest()));
          return true;
        }
      }
      if (da(C)) {
        if (da(Xc)) {
          w.f = Kehrwert_2pi(C, Xc);
          ok = true;
        } else if (da(U) && da(I) && da(R) && da(XL)) {
          w.f = Kehrwert_2pi(C, std::fabs(Rest() + XL));
          ok = true;
        }
      }
      return ok;
    }
    case Groesse::Ueff:
    case Groesse::Ieff:
    case Groesse::R: {
      const auto Xcs = Xc_strich(f);
      const auto XLs = XL_strich(f);
      if (!Xcs || !XLs) return false;
      const long double X = *Xcs - *XLs;
      if (g == Groesse::R) {
        if (!da(U) || !da(I)) return false;
        w.R = Wurzel(Quadrat(Z_aus_U_I()) - Quadrat(X));
        return true;
      }
      if (!da(R)) return false;
      const long double Z = std::sqrt(Quadrat(X) + Quadrat(R));
      if (g == Groesse::Ueff) {
        if (!da(I)) return false;
        w.Ueff = Z * I;
      } else {
        if (!da(U)) return false;
        w.Ieff = Quotient(U, Z);
      }
      return true;
    }
    case Groesse::C: {
      const long double fs = f_aus_L();
      if (!da(fs)) return false;
      const long double XLs = !da(XL) && da(L) ? Berechne_XL(L, fs) : XL;
      if (da(Xc)) {
        w.C = Kehrwert_2pi(fs, Xc);
        return true;
      }
      if (da(U) && da(I) && da(R) && da(XLs)) {
        w.C = Kehrwert_2pi(fs, XLs + Rest());
        return true;
      }
      return false;
    }
    case Groesse::Xc: {
      if (da(f)) {
        const long double XLs = !da(XL) && da(L) ? Berechne_XL(L, f) : XL;
        if (da(C)) {
          w.Xc = Berechne_Xc(C, f);
          return true;
        }
        if (da(U) && da(I) && da(R) && da(XLs)) {
          w.Xc = XLs + Rest();
          return true;
        }
        return false;
      }
      if (da(U) && da(I) && da(R) && da(XL)) {
        w.Xc = XL + Rest();
        return true;
      }
      return false;
    }
  }
  return false;
}

// C and L in series, R takes no part.
bool CL_Schritt(Kreiswerte& w, Groesse g) {
  const long double U = w.Ueff, I = w.Ieff, f = w.f, C = w.C, L = w.L, Xc = w.Xc, XL = w.XL;
  auto Z_aus_U_I = [&] { return Quotient(U, I); };

  switch (g) {
    case Groesse::L:
      if (da(f) && da(XL)) {
        w.L = Quotient_2pi(f, XL);
        return true;
      }
      if (da(C) && da(Xc) && da(XL)) {
        w.L = Quotient_2pi(Kehrwert_2pi(C, Xc), XL);
        return true;
      }
      return false;
    case Groesse::XL: {
      if (da(f) && da(L)) {
        w.XL = Berechne_XL(L, f);
        return true;
      }
      if (da(C) && da(Xc) && da(L)) {
        w.XL = Berechne_XL(L, Kehrwert_2pi(C, Xc));
        return true;
      }
      const auto Xcs = X_strich(w, Kondensator, f);
      if (da(U) && da(I) && Xcs) {
        w.XL = std::fabs(*Xcs - Z_aus_U_I());
        return true;
      }
      return false;
    }
    case Groesse::f:
      if (da(XL) && da(L)) {
        w.f = Quotient_2pi(L, XL);
        return true;
      }
      if (da(Xc) && da(C)) {
        w.f = Kehrwert_2pi(C, Xc);
        return true;
      }
      if (da(U) && da(I)) {
        const long double Z = Z_aus_U_I();
        if (da(C) && da(XL)) {
          w.f = Kehrwert_2pi(C, std::fabs(Z - XL));
          return true;
        }
        if (da(L) && da(Xc)) {
          w.f = Quotient_2pi(L, std::fabs(Z - Xc));
          return true;
        }
      }
      return false;
    case Groesse::Ueff: {
      if (!da(I)) return false;
      long double Z = 0;
      if (da(XL) && da(Xc)) {
        Z = std::fabs(XL - Xc);
      } else {
        if (!da(f)) return false;
        const auto Xcs = X_strich(w, Kondensator, f);
        const auto XLs = X_strich(w, Spule, f);
        if (!Xcs || !XLs) return false;
        Z = std::fabs(*XLs - *Xcs);
      }
      w.Ueff = I * Z;
      return true;
    }
    case Groesse::Ieff: {
      if (!da(U) || !da(f)) return false;
      const auto Xcs = X_strich(w, Kondensator, f);
      if (!Xcs) return false;
      const long double XLs = X_strich(w, Spule, f).value_or(0);
      w.Ieff = Quotient(U, std::fabs(*Xcs - XLs));
      return true;
    }
    case Groesse::C: {
      const long double fs = !da(f) && da(XL) && da(L) ? Quotient_2pi(L, XL) : f;
      long double Xcs = Xc;
      if (!da(Xc)) {
        const long double XLs = !da(XL) && da(fs) && da(L) ? Berechne_XL(L, fs) : XL;
        if (da(U) && da(I) && da(XLs)) Xcs = std::fabs(Z_aus_U_I() - XLs);
      }
      if (!da(fs) || !da(Xcs)) return false;
      w.C = Kehrwert_2pi(fs, Xcs);
      return true;
    }
    case Groesse::Xc: {
      long double fs = f;
      if (!da(f)) {
        if (da(L) && da(XL)) {
          fs = Quotient_2pi(L, XL);
        } else if (!da(L) && da(U) && da(I) && da(XL)) {
          w.Xc = std::fabs(XL - Z_aus_U_I());
          return true;
        }
      }
      if (!da(fs) || !da(C)) return false;
      w.Xc = Berechne_Xc(C, fs);
      return true;
    }
    case Groesse::R:
      return true;
  }
  return false;
}

}  // namespace

void Berechne_RC_Reihe(Rechnung& r) {
  Gehe_Reihe(r, {Groesse::R, Groesse::C, Groesse::Xc, Groesse::f, Groesse::Ueff, Groesse::Ieff},
             [&](Groesse g) { return Zweig_Schritt(r.w, Kondensator, false, g); });
}

void Berechne_RL_Reihe(Rechnung& r) {
  Gehe_Reihe(r, {Groesse::R, Groesse::L, Groesse::XL, Groesse::f, Groesse::Ueff, Groesse::Ieff},
             [&](Groesse g) { return Zweig_Schritt(r.w, Spule, true, g); });
}

void Berechne_RCL_Reihe_mit_R(Rechnung& r) {
  Gehe_Reihe(r,
             {Groesse::L, Groesse::XL, Groesse::f, Groesse::Ueff, Groesse::Ieff, Groesse::R, Groesse::C, Groesse::Xc},
             [&](Groesse g) { return RCL_Schritt(r.w, g); });
}

void Berechne_RCL_Reihe_ohne_R(Rechnung& r) {
  Gehe_Reihe(r, {Groesse::L, Groesse::XL, Groesse::f, Groesse::Ueff, Groesse::Ieff, Groesse::C, Groesse::Xc},
             [&](Groesse g) { return CL_Schritt(r.w, g); });
}

}  // namespace calculators
