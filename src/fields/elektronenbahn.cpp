#include "fields/elektronenbahn.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "fields/ansicht.h"

TFeldwerte Feld;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kGrad = kPi / 180;
// Straight flight after the plates never reaches 90 degrees, where tan has no value.
constexpr long double kMax_Flugwinkel = 89 * kGrad;
// Step counts beyond this are no longer told apart (far beyond any dialog setting).
constexpr long double kMax_Schritte = 1e15L;

void Konstanten() {
  Feld.e = 1.602e-19L;
  Feld.e_strich = 1.6022e-19L;
  Feld.e_m = 1.7588e11L;
}

void Kondensator(long double Uc, long double d, long double l, long double w) {
  Feld.Uc = Uc;
  Feld.d = d;
  Feld.l = l;
  Feld.w = w;
}

struct TSinus {
  std::array<long double, 361> c, s;
  TSinus() {
    for (int g = 0; g <= 360; ++g) {
      c[g] = std::cos(g * kGrad);
      s[g] = std::sin(g * kGrad);
    }
  }
};

const TSinus& Sinus() {
  static const TSinus tabelle;
  return tabelle;
}

long long Ganze_Schritte(long double n) { return static_cast<long long>(std::clamp(n, 0.0L, kMax_Schritte)); }

long long Aufgerundet(long long n, long long m) { return (n + m - 1) / m; }

// Turns drawn of n: all up to kMax_Windungen, else every k-th and the last one.
long long Schrittweite(long long n) { return n > kMax_Windungen ? Aufgerundet(n, kMax_Windungen) : 1; }

// Calls f(t) for every drawn turn t of n.
template <typename F>
void Fuer_gezeichnete_Windungen(long long n, long long k, F f) {
  for (long long t = 0; t < n; t += k) f(t);
  if ((n - 1) % k != 0) f(n - 1);
}

struct TKondensatorweg {
  bool Treffer = false;
  long double s = 0, z = 0;  // last point: distance (cm) and height (m)
};

// Approach line and the parabola through the capacitor in 250 steps; stops at the first
// point beyond half the plate distance.
TKondensatorweg Zeichne_Kondensatorweg(const TFeldwerte& f, long double vy, long double vz, const TBahnsenke& senke) {
  const long double phi = f.phi * kGrad;
  senke(0, -1.5L * std::cos(phi), -1.5L * std::sin(phi), TStrich::Sprung);
  senke(0, 0, 0, TStrich::Linie);
  const long double D = f.d * 0.01L;
  TKondensatorweg weg;
  for (int i = 0; i <= 250; ++i) {
    weg.s = f.l * i / 250;
    weg.z = Berechne_Parabel(vy, vz, f.Uc, D, weg.s * 0.01L);
    senke(0, weg.s, 100 * weg.z, TStrich::Linie);
    if (std::fabs(weg.z) > D * 0.5L) {
      weg.Treffer = true;
      break;
    }
  }
  return weg;
}

long double Austrittsgeschwindigkeit(const TFeldwerte& f, long double vy, long double vz) {
  return vz - f.e_m * (f.Uc / (f.d * 0.01L)) * (f.l * 0.01L / vy);
}

}  // namespace

void Berechne_Ub() { Feld.Ub = Feld.v * Feld.v / (2 * Feld.e_m); }
void Berechne_v() { Feld.v = std::sqrt(2 * Feld.e_m * Feld.Ub); }

void Startwerte_E_Feld() {
  Setze_Ansicht();
  Konstanten();
  Feld.a = 18;
  Kondensator(1, 4, 4, 4);
  Feld.phi = 0;
  Feld.v = 600000;
  Berechne_Ub();
}

void Startwerte_B_Feld() {
  Setze_Ansicht();
  Konstanten();
  Feld.a = 18;
  Feld.phi = 10;
  Feld.v = 400000;
  Feld.B = 0.0001L;
  Feld.L = 0.05L;
  Berechne_Ub();
}

void Startwerte_EB_Feld() {
  Setze_Ansicht();
  Konstanten();
  Feld.a = 18;
  Kondensator(2, 4, 4, 4);
  Feld.phi = 10;
  Feld.v = 600000;
  Feld.B = 0.0005L;
  Berechne_Ub();
}

void Startwerte_EB_gekreuzt() {
  Setze_Ansicht();
  Ansicht.x0 += 100;
  Konstanten();
  Feld.a = 18;
  Kondensator(3, 6, 6, 4);
  Feld.phi = 0;
  Feld.v = 100000;
  Feld.B = 0.0005L;
  Berechne_Ub();
}

long double Berechne_Parabel(long double vy, long double vz, long double U, long double D, long double s) {
  return s * vz / vy - Feld.e_m * (U / D) * s * s / (2 * vy * vy);
}

TBahn_E Berechne_Bahn_E(const TFeldwerte& f, const TBahnsenke& senke) {
  TBahn_E b;
  const long double phi = f.phi * kGrad;
  const long double vy = f.v * std::cos(phi), vz = f.v * std::sin(phi);
  b.vy = vy;
  b.vz = vz;
  const TKondensatorweg weg = Zeichne_Kondensatorweg(f, vy, vz, senke);
  b.Treffer = weg.Treffer;
  b.Ende_y = weg.s;
  b.Ende_z = 100 * weg.z;
  if (weg.Treffer) return b;
  const long double vz1 = Austrittsgeschwindigkeit(f, vy, vz);
  const long double z2 = (f.a * 0.01L - f.l * 0.01L) / vy * vz1;
  b.z1 = weg.z;
  b.vz1 = vz1;
  b.z2 = z2;
  b.T1 = f.l * 0.01L / vy;
  b.T2 = (f.a - f.l) * 0.01L / vy;
  b.Ende_y = f.a;
  b.Ende_z = 100 * (weg.z + z2);
  senke(0, f.a, 100 * (weg.z + z2), TStrich::Linie);
  return b;
}

// The helix may take tens of thousands of turns. Its length and end come from the closed
// form; at most kMax_Windungen turns are drawn (every k-th and the last, joined), and no
// point is kept.
TBahn_B Berechne_Bahn_B(const TFeldwerte& f, const TBahnsenke& senke) {
  TBahn_B b;
  const long double phi = f.phi * kGrad;
  const long double vs = f.v * std::cos(phi), vp = f.v * std::sin(phi);
  const long double r = vs / (f.e_m * f.B), T = 2 * kPi / (f.e_m * f.B), h = vp * T;
  b.r = r;
  b.T = T;
  b.h = h;
  const long double L = f.L;
  // Stop after the first turn that ends above L; a flat entry gives a single circle.
  long long n = 1;
  if (f.phi != 0) {
    const long double ah = std::fabs(h);
    n = Ganze_Schritte(std::floor(L / ah) + 1);
    while (n > 1 && std::fabs(h * (n - 1)) > L) --n;
    while (n < kMax_Schritte && !(std::fabs(h * n) > L)) ++n;
  }
  b.Windungen = n;
  b.Schrittweite = Schrittweite(n);
  const TSinus& tab = Sinus();
  senke(100 * r, 100 * L / 2, 0, TStrich::Sprung);
  Fuer_gezeichnete_Windungen(n, b.Schrittweite, [&](long long t) {
    for (int g = 0; g <= 360; ++g) {
      const long double z = h * (360.0L * t + g) / 360;
      const TStrich strich = (g <= 90 || g >= 270) ? TStrich::Linie : TStrich::Punkt;
      senke(100 * r * tab.c[g], 100 * (L / 2 + r * tab.s[g]), 100 * z, strich);
    }
  });
  return b;
}

TBahn_EB Berechne_Bahn_EB(const TFeldwerte& f, const TBahnsenke& senke) {
  TBahn_EB b;
  const long double phi = f.phi * kGrad;
  const long double vy = f.v * std::cos(phi), vz = f.v * std::sin(phi);
  b.Kondensator.vy = vy;
  b.Kondensator.vz = vz;
  const TKondensatorweg weg = Zeichne_Kondensatorweg(f, vy, vz, senke);
  b.Kondensator.Treffer = weg.Treffer;
  b.Kondensator.Ende_y = weg.s;
  b.Kondensator.Ende_z = 100 * weg.z;
  if (weg.Treffer) return b;

  const long double vz1 = Austrittsgeschwindigkeit(f, vy, vz);
  const long double r = vz1 / (f.e_m * f.B), T = 2 * kPi / (f.e_m * f.B), h = vy * T;
  const long double z1 = weg.z;
  b.Kondensator.z1 = z1;
  b.Kondensator.vz1 = vz1;
  b.Kondensator.T1 = f.l * 0.01L / vy;
  b.Winkel = std::atan(vz1 / vy);
  b.r = r;
  b.T = T;
  b.h = h;
  b.v1 = std::sqrt(vz1 * vz1 + vy * vy);

  // Step n (from 1) lies at the angle (n - 1) degrees and y0 + n h / 360; steps up to the
  // screen are drawn.
  const long double y0 = f.l * 0.01L, a = f.a;
  auto y_bei = [&](long long n) { return y0 + n * h / 360; };
  long long n_max = 0;
  if (100 * y0 < a) {
    n_max = Ganze_Schritte(std::floor((a * 0.01L - y0) * 360 / h));
    while (n_max > 0 && 100 * y_bei(n_max) > a) --n_max;
    while (n_max < kMax_Schritte && 100 * y_bei(n_max + 1) <= a) ++n_max;
  }
  const long long windungen = Aufgerundet(n_max, 360);
  b.Windungen = windungen;
  b.Schrittweite = Schrittweite(windungen);
  const TSinus& tab = Sinus();
  if (windungen > 0) {
    Fuer_gezeichnete_Windungen(windungen, b.Schrittweite, [&](long long t) {
      const long long bis = std::min(360 * t + 360, n_max);
      for (long long n = 360 * t + 1; n <= bis; ++n) {
        const int g = static_cast<int>(n - 1 - 360 * t);
        const TStrich strich = (g < 90 || g >= 270) ? TStrich::Linie : TStrich::Duenn;
        senke(100 * (-r + r * tab.c[g]), 100 * y_bei(n), 100 * (z1 + r * tab.s[g]), strich);
      }
    });
    const int g = static_cast<int>((n_max - 1) % 360);
    b.Landung_x = 100 * (-r + r * tab.c[g]);
    b.Landung_z = 100 * (z1 + r * tab.s[g]);
  } else if (100 * y0 < a) {
    // The first step already passes the screen: the exact point of the helix at y = a.
    const long double winkel = 2 * kPi * (a * 0.01L - y0) / h;
    b.Landung_x = 100 * (-r + r * std::cos(winkel));
    b.Landung_z = 100 * (z1 + r * std::sin(winkel));
    senke(b.Landung_x, a, b.Landung_z, TStrich::Linie);
  } else {
    // The screen stands inside the capacitor: the parabola's point in its plane.
    b.Landung_x = 0;
    b.Landung_z = 100 * Berechne_Parabel(vy, vz, f.Uc, f.d * 0.01L, a * 0.01L);
  }
  return b;
}

// Near balance the circle is huge and its first whole-degree step can already lie beyond
// the plate end or the plate. Leaving and hitting are decided from their exact angles,
// asin(l / R) and the angle where R (1 - cos) reaches d/2, so a nearly straight path neither
// flies off nor reports a hit.
TBahn_gekreuzt Berechne_Bahn_gekreuzt(const TFeldwerte& f, const TBahnsenke& senke) {
  TBahn_gekreuzt b;
  const long double Fb = f.e * f.v * f.B;
  const long double E = f.Uc / (f.d * 0.01L);
  const long double dF = Fb - f.e * E;
  const long double m = f.e / f.e_m;
  const long double v = f.v, halb = f.d * 0.005L, lm = f.l * 0.01L;
  senke(0, 0, 0, TStrich::Sprung);

  auto geradeaus = [&](long double y, long double z, long double winkel) {
    const long double flug = std::clamp(winkel, -kMax_Flugwinkel, kMax_Flugwinkel);
    senke(0, 100 * (y + 0.04L), 100 * (z + 0.04L * std::tan(flug)), TStrich::Linie);
  };

  if (dF > 0) {
    const long double R = m * v * v / dF;
    b.R = R;
    b.T = 2 * kPi * R / v;
    constexpr long double nie = std::numeric_limits<long double>::infinity();
    const long double w_treffer = halb <= 2 * R ? 2 * std::asin(std::sqrt(halb / (2 * R))) : nie;
    const long double w_austritt = lm <= R ? std::asin(lm / R) : nie;
    const long double w_ende = std::min(w_treffer, w_austritt);
    auto hoehe = [&](long double w) {
      const long double s = std::sin(w / 2);
      return 2 * R * s * s;  // R (1 - cos w) without cancellation
    };
    for (int i = 0; i <= 360; ++i) {
      const long double w = i * kGrad;
      if (w >= w_ende) break;
      const long double y = R * std::sin(w), z = hoehe(w);
      if (y < 0) {
        b.Umkehr = true;
        senke(0, -2, 100 * z, TStrich::Linie);
        return b;
      }
      senke(0, 100 * y, 100 * z, TStrich::Linie);
    }
    if (w_treffer <= w_austritt && w_treffer != nie) {
      senke(0, 100 * R * std::sin(w_treffer), 100 * halb, TStrich::Linie);
      b.Treffer = true;
    } else if (w_austritt != nie) {
      const long double z = hoehe(w_austritt);
      senke(0, 100 * lm, 100 * z, TStrich::Linie);
      geradeaus(lm, z, w_austritt);
      b.Austritt = true;
      b.Winkel = w_austritt;
      b.vz = v * std::sin(w_austritt);
    }
    return b;
  }

  b.Parabel = true;
  long double y = 0, z = 0;
  for (int i = 0; i <= 250; ++i) {
    const long double yi = lm * i / 250, zi = 0.5L * (dF / m) * (yi / v) * (yi / v);
    if (std::fabs(zi) >= halb) {
      b.Treffer = true;
      return b;
    }
    y = yi;
    z = zi;
    senke(0, 100 * y, 100 * z, TStrich::Linie);
  }
  const long double vz = (dF / m) * lm / v;
  b.vz = vz;
  b.Winkel = std::atan(vz / v);
  b.Austritt = true;
  geradeaus(y, z, b.Winkel);
  return b;
}
