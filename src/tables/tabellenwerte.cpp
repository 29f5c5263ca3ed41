#include "tables/tabellenwerte.h"

#include <cmath>

#include "toolkit/filter_frequencies.h"
#include "toolkit/formulas.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"

namespace tables {

Dekade Kapazitaetsdekade{};
Dekade Induktivitaetsdekade{};

namespace {

constexpr int kFaktoren[3] = {1, 10, 100};

Dekade Bereich(int item, int exponent, const char* const einheiten[]) {
  return Dekade{std::pow(10.0L, item + exponent), QString::fromLatin1(einheiten[item / 3]), kFaktoren[item % 3]};
}

}  // namespace

Dekade Kapazitaet_Bereich(int item) {
  static const char* const einheiten[] = {"pF", "nF", "uF", "mF"};
  return Bereich(item, -12, einheiten);
}

Dekade Induktivitaet_Bereich(int item) {
  static const char* const einheiten[] = {"nH", "uH", "mH"};
  return Bereich(item, -9, einheiten);
}

QString Spaltenkopf(const Dekade& d, int j) {
  return Formatiere_Allgemein(d.Faktor * Multiplikatoren[static_cast<std::size_t>(j)]) + ' ' + d.Einheit;
}

Reaktanztabelle Berechne_Reaktanztabelle(const Dekade& d, bool induktiv) {
  Reaktanztabelle tabelle{};
  for (std::size_t i = 0; i < Zeilenfrequenzen.size(); ++i) {
    Reaktanzzeile& zeile = tabelle[i];
    zeile.f = Zeilenfrequenzen[i];
    for (std::size_t j = 0; j < Multiplikatoren.size(); ++j) {
      const long double X = d.X0 * Multiplikatoren[j];
      zeile.X[j] = induktiv ? Berechne_XL(X, zeile.f) : Berechne_Xc(X, zeile.f);
    }
  }
  return tabelle;
}

namespace {

// f_i = f_a + i · 0.05 · (f_b − f_a)
real48 Zeilenfrequenz(long double f_a, long double f_b, int i) { return f_a + i * 0.05L * (f_b - f_a); }

}  // namespace

Frequenztabelle Berechne_Schwingkreistabelle(bool parallel, long double U, long double R, long double C, long double L,
                                             long double fr) {
  Frequenztabelle tabelle{};
  for (int i = 0; i < kFrequenzzeilen; ++i) {
    const real48 f = Zeilenfrequenz(0.2L * fr, 1.8L * fr, i);
    const real48 Xc = Berechne_Xc(C, f);
    const real48 XL = Berechne_XL(L, f);
    const real48 Z = parallel ? Berechne_Z_RCL_parallel(R, C, L, f) : Berechne_Z_RCL_Reihe(R, C, L, f);
    const real48 I = Quotient(U, Z);
    // in series the partial voltages, in parallel the branch currents
    const real48 zwei = parallel ? Quotient(U, Xc) : I * Xc;
    const real48 vier = parallel ? Quotient(U, XL) : I * XL;
    tabelle[static_cast<std::size_t>(i)] = {f, Xc, zwei, XL, vier, I, Z};
  }
  return tabelle;
}

Frequenztabelle Berechne_Passtabelle(bool tiefpass, long double U, long double R, long double C) {
  const long double f_a = 0.02L * (tiefpass ? Frequenz_Tiefpass(R, C, 3) : Frequenz_Hochpass(R, C, 3));
  const long double f_b = 2 * (tiefpass ? Frequenz_Tiefpass(R, C, 12) : Frequenz_Hochpass(R, C, 3));
  Frequenztabelle tabelle{};
  for (int i = 0; i < kFrequenzzeilen; ++i) {
    const real48 f = Zeilenfrequenz(f_a, f_b, i);
    const real48 Xc = Berechne_Xc(C, f);
    const real48 Z = Berechne_Z_RC_Reihe(R, C, f);
    const real48 I = Quotient(U, Z);
    const real48 Uc = I * Xc;
    const real48 Ur = I * R;
    tabelle[static_cast<std::size_t>(i)] = {f, Xc, Uc, Ur, I, Z, tiefpass ? Uc : Ur};
  }
  return tabelle;
}

Frequenztabelle Frequenztabelle_aus_Schaltung(Filter filter) {
  const TSchaltung& s = Schaltung;
  switch (filter) {
    case Filter::Siebkette:
    case Filter::Sperrkreis:
      return Berechne_Schwingkreistabelle(filter == Filter::Sperrkreis, s.Ug, s.R, s.C, s.L, s.fr);
    case Filter::Hochpass:
    case Filter::Tiefpass:
      break;
  }
  return Berechne_Passtabelle(filter == Filter::Tiefpass, s.Ug, s.R, s.C);
}

QStringList Spaltennamen(Filter filter) {
  switch (filter) {
    case Filter::Siebkette:
      return {"Xc (V/A)", "Uc (V)", "XL (V/A)", "Ul (V)", "Ieff (A)", "Z (V/A)"};
    case Filter::Sperrkreis:
      return {"Xc (V/A)", "Ic (A)", "XL (V/A)", "IL (A)", "Ieff (A)", "Z (V/A)"};
    case Filter::Hochpass:
    case Filter::Tiefpass:
      break;
  }
  return {"Xc (V/A)", "Uc (V)", "Ur (V)", "Ieff (A)", "Z (V/A)", "Uout (V)"};
}

bool Ist_Resonanzzeile(long double f, long double fr) {
  return Int(f * 1000 + 0.5L) * 0.001L == Int(fr * 1000 + 0.5L) * 0.001L;
}

}  // namespace tables
