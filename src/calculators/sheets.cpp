#include "calculators/sheets.h"

#include <cmath>

#include "calculators/solver_support.h"
#include "toolkit/filter_frequencies.h"
#include "toolkit/formulas.h"
#include "toolkit/number_text.h"

namespace calculators {
using namespace detail;

namespace {

using F = Farbrolle;

Blattzeile Text(std::string t, Farbrolle farbe = F::Text) { return {std::move(t), Zahlform::Keine, 0, "", farbe}; }
Blattzeile Wert(std::string vor, long double x, std::string nach, Farbrolle farbe) {
  return {std::move(vor), Zahlform::Wert, x, std::move(nach), farbe};
}
Blattzeile Vorsatz(std::string vor, long double x, std::string einheit, Farbrolle farbe) {
  return {std::move(vor), Zahlform::Vorsatz, x, std::move(einheit), farbe};
}
Blattzeile Festkomma(std::string vor, long double x, std::string nach, Farbrolle farbe) {
  return {std::move(vor), Zahlform::Festkomma, x, std::move(nach), farbe};
}
Blattzeile Leer() { return {}; }

Blatt Neues_Blatt(std::string titel) { return {titel, titel, {}}; }

long double Quadrat(long double x) { return x * x; }
long double Grad_atan(long double x) { return Bogen_zu_Grad(std::atan(x)); }

}  // namespace

QString Zeilentext(const Blattzeile& z) {
  QString zahl;
  switch (z.form) {
    case Zahlform::Keine:
      break;
    case Zahlform::Wert:
      zahl = Formatiere_Wert(z.wert);
      break;
    case Zahlform::Vorsatz:
      zahl = Setze_Vorsatz(Formatiere_Wert(z.wert));
      break;
    case Zahlform::Festkomma:
      zahl = Formatiere_Festkomma(z.wert);
      break;
  }
  return QString::fromStdString(z.vor) + zahl + QString::fromStdString(z.nach);
}

Blatt Blatt_Widerstand(const Kreiswerte& w) {
  Blatt b = Neues_Blatt("Nur Widerstand im Wechselstromkreis:");
  b.zeilen = {Wert("Ueff = ", w.Ueff, " V", F::Text), Wert("Ieff = ", w.Ieff, " A", F::Text),
              Wert("   R = ", w.R, " Ohm", F::Text), Text(" Phi = 0 Grad")};
  return b;
}

Blatt Blatt_Kondensator(const Kreiswerte& w) {
  Blatt b = Neues_Blatt("Nur Kondesator im Wechselstromkreis:");
  b.zeilen = {Wert("  Ueff = ", w.Ueff, " V", F::Text),  Wert("  Ieff = ", w.Ieff, " A", F::Text),
              Wert("  C = ", w.C, " F", F::Kondensator), Wert("  Xc = ", w.Xc, " V/A", F::Kondensator),
              Wert("  f = ", w.f, " Hz", F::Text),       Text("  Phi = 90 Grad")};
  return b;
}

Blatt Blatt_Spule(const Kreiswerte& w) {
  Blatt b = Neues_Blatt("Nur Spule im Wechselstromkreis:");
  b.zeilen = {Wert("  Ueff = ", w.Ueff, " V", F::Text),
              Wert("  Ieff = ", w.Ieff, " A", F::Text),
              Leer(),
              Wert("  L = ", w.L, " H", F::Spule),
              Wert("  XL = ", w.XL, " V/A", F::Spule),
              Wert("  f = ", w.f, " Hz", F::Text),
              Text("  Phi = 90 Grad")};
  return b;
}

Blatt Blatt_Hoch_Tiefpass(long double R, long double C) {
  Blatt b = Neues_Blatt("Hoch-Tiefpass aus R und C:");
  b.bezug = "Berechnungsergebnisse: (Hochpass)";
  static const char* const labels[] = {
      "  - 3db Frequenz=", "  - 6db Frequenz=", "  -12db Frequenz=", "  -24db Frequenz="};
  b.zeilen = {Text("Feste Werte:"), Festkomma("  R = ", R, " Ohm", F::Impedanz),
              Festkomma("  C = ", C * 1000000, " uF", F::Kondensator), Leer(),
              Text("Berechnungsergebnisse: (Hochpass)", F::Impedanz)};
  for (std::size_t i = 0; i < Daempfungsstufen_dB.size(); ++i)
    b.zeilen.push_back(Festkomma(labels[i], Frequenz_Hochpass(R, C, Daempfungsstufen_dB[i]), "Hz", F::Impedanz));
  b.zeilen.push_back(Leer());
  b.zeilen.push_back(Text("Berechnungsergebnisse: (Tiefpass)", F::Kondensator));
  for (std::size_t i = 0; i < Daempfungsstufen_dB.size(); ++i)
    b.zeilen.push_back(Festkomma(labels[i], Frequenz_Tiefpass(R, C, Daempfungsstufen_dB[i]), "Hz", F::Kondensator));
  return b;
}

Blatt Blatt_Kapazitaet(const Kondensator_Bauform& k) {
  Blatt b = Neues_Blatt("Kapazitaet eines Kondensators:");
  b.zeilen = {Text("Gegeben:"),
              Wert("  er = ", k.er, "", F::Text),
              Wert("  A = ", k.A, " cm^2", F::Text),
              Wert("  d = ", k.d, " cm", F::Text),
              Leer(),
              Text("Ergebnis:", F::Kondensator),
              Vorsatz("   C = ", k.C, "F", F::Kondensator)};
  return b;
}

Blatt Blatt_Induktivitaet(const Spulen_Bauform& s) {
  Blatt b = Neues_Blatt("Induktivitaet einer Spule:");
  b.zeilen = {Text("Gegeben:"),
              Wert("  ur = ", s.ur, "", F::Text),
              Wert("   n = ", s.n, "", F::Text),
              Wert("   l = ", s.l, " cm", F::Text),
              Wert("   A = ", s.A, " cm^2", F::Text),
              Leer(),
              Text("Ergebnis:", F::Spule),
              Vorsatz("   L = ", s.L, "H", F::Spule)};
  return b;
}

Blatt Blatt_RC_Reihe(const Kreiswerte& w) {
  Blatt b = Neues_Blatt("Widerstand und Kondensator in Reihe:");
  b.zeilen = {Wert("  Ueff = ", w.Ueff, " V", F::Text),
              Wert("  Ieff = ", w.Ieff, " A", F::Text),
              Leer(),
              Wert("  R = ", w.R, " Ohm", F::Widerstand),
              Vorsatz("  C = ", w.C, "F", F::Kondensator),
              Wert("  Xc = ", w.Xc, " Ohm", F::Kondensator),
              Wert("   f = ", w.f, " Hz", F::Text),
              da(w.R) ? Wert("  Phi = ", Grad_atan(w.Xc / w.R), " Grad", F::Text) : Text("  Phi = 90 Grad"),
              Leer(),
              Wert("  Z = ", std::sqrt(Quadrat(w.R) + Quadrat(w.Xc)), " V/A", F::Impedanz),
              Leer(),
              Text("Teilspannungen:")};
  if (da(w.Ieff)) {
    if (da(w.R)) b.zeilen.push_back(Wert("  Ur = ", w.Ieff * w.R, " V", F::Widerstand));
    if (da(w.Xc)) b.zeilen.push_back(Wert("  Uc = ", w.Ieff * w.Xc, " V", F::Kondensator));
  }
  return b;
}

Blatt Blatt_RL_Reihe(const Kreiswerte& w, long double R_Zeiger) {
  Blatt b = Neues_Blatt("Widerstand und Spule in Reihe:");
  b.zeilen = {Wert("  Ueff = ", w.Ueff, " V", F::Text),
              Wert("  Ieff = ", w.Ieff, " A", F::Text),
              Leer(),
              Wert("  R = ", w.R, " Ohm", F::Widerstand),
              Vorsatz("  L = ", w.L, "H", F::Spule),
              Wert("  XL = ", w.XL, " V/A", F::Spule),
              Leer(),
              Wert("  f = ", w.f, " Hz", F::Impedanz),
              da(R_Zeiger) ? Wert("  Phi = ", Grad_atan(w.XL / R_Zeiger), " Grad", F::Impedanz)
                           : Text("  Phi = 90 Grad", F::Impedanz),
              Wert("  Z = ", std::sqrt(Quadrat(w.R) + Quadrat(w.XL)), " V/A", F::Impedanz),
              Leer(),
              Text("Teilspannungen:")};
  if (da(w.Ieff)) {
    if (da(w.R)) b.zeilen.push_back(Wert("  Ur = ", w.Ieff * w.R, " V", F::Widerstand));
    if (da(w.XL)) b.zeilen.push_back(Wert("  UL = ", w.Ieff * w.XL, " V", F::Spule));
  }
  return b;
}

Blatt Blatt_RCL_Reihe(const Kreiswerte& w, long double R_Zeiger) {
  Blatt b = Neues_Blatt("Widerstand, Kondensator u. Spule in Reihe:");
  b.zeilen = {Wert("  Ueff = ", w.Ueff, " V", F::Text),
              Wert("  Ieff = ", w.Ieff, " A", F::Text),
              Wert("  R = ", w.R, " Ohm", F::Widerstand),
              Leer(),
              Vorsatz("  C = ", w.C, "F", F::Kondensator),
              Wert("  Xc = ", w.Xc, " Ohm", F::Kondensator),
              Vorsatz("  L = ", w.L, "H", F::Spule),
              Wert("  XL = ", w.XL, " Ohm", F::Spule),
              Leer(),
              Wert("  f = ", w.f, " Hz", F::Impedanz),
              da(R_Zeiger) ? Wert("  Phi = ", Grad_atan((w.Xc - w.XL) / R_Zeiger), " Grad", F::Impedanz)
                           : Text("  Phi = 90 Grad", F::Impedanz),
              Leer(),
              Wert("  Z = ", std::sqrt(Quadrat(w.Xc - w.XL) + Quadrat(w.R)), " Ohm", F::Impedanz),
              Wert("  fr = ", Berechne_fr(w.L, w.C), " Hz (Resonanz)", F::Impedanz),
              Leer(),
              Text("Teilspannungen:"),
              Leer()};
  if (da(w.Ieff)) {
    if (da(w.R)) b.zeilen.push_back(Wert("  Ur = ", w.Ieff * w.R, " V", F::Widerstand));
    if (da(w.Xc)) b.zeilen.push_back(Wert("  Uc = ", w.Ieff * w.Xc, " V", F::Kondensator));
    if (da(w.XL)) b.zeilen.push_back(Wert("  UL = ", w.Ieff * w.XL, " V", F::Spule));
  }
  return b;
}

Blatt Blatt_CL_Reihe(const Kreiswerte& w) {
  Blatt b = Neues_Blatt("Kondensator und Spule in Reihe:");
  b.zeilen = {Wert("  Ueff = ", w.Ueff, " V", F::Text),
              Wert("  Ieff = ", w.Ieff, " A", F::Text),
              Leer(),
              Vorsatz("  C = ", w.C, "F", F::Kondensator),
              Wert("  Xc = ", w.Xc, " V/A", F::Kondensator),
              Leer(),
              Vorsatz("  L = ", w.L, "H", F::Spule),
              Wert("  XL = ", w.XL, " V/A", F::Spule),
              Leer(),
              Wert("  f = ", w.f, " Hz", F::Impedanz),
              Text("  Phi = +/- 90 Grad", F::Impedanz),
              Wert("  Z = ", std::fabs(w.Xc - w.XL), " V/A", F::Impedanz),
              Wert("  fr = ", Berechne_fr(w.L, w.C), " Hz (Resonanz)", F::Impedanz),
              Leer(),
              Text("Teilspannungen:"),
              Leer()};
  if (da(w.Ieff)) {
    if (da(w.Xc)) b.zeilen.push_back(Wert("  Uc = ", w.Ieff * w.Xc, " V", F::Kondensator));
    if (da(w.XL)) b.zeilen.push_back(Wert("  UL = ", w.Ieff * w.XL, " V", F::Spule));
  }
  return b;
}

namespace {

// R with one reactive component in parallel; the coil's angle is negative.
Blatt Zweig_parallel(const Kreiswerte& w, const Bauteil& b, std::string titel) {
  const bool spule = b.K == Groesse::L;
  const long double X = w[b.X];
  const Farbrolle farbe = spule ? F::Spule : F::Kondensator;
  Blatt blatt = Neues_Blatt(std::move(titel));
  blatt.zeilen = {
      Wert("  Ueff= ", w.Ueff, " V", F::Text),
      Wert("  Ieff= ", w.Ieff, " A", F::Text),
      Leer(),
      Wert("  R = ", w.R, " Ohm", F::Widerstand),
      Vorsatz(spule ? "  L = " : "  C = ", w[b.K], spule ? "H" : "F", farbe),
      Wert(spule ? "  XL = " : "  Xc = ", X, " V/A", farbe),
      Leer(),
      Wert("  f = ", w.f, " Hz", F::Impedanz),
      Wert(spule ? "  Phi = -" : "  Phi = ", Grad_atan(Quotient(w.R, X)), " Grad", F::Impedanz),
      Wert("  Z = ", Quotient(1, std::sqrt(Quadrat(Quotient(1, w.R)) + Quadrat(Quotient(1, X)))), " V/A", F::Impedanz),
      Leer(),
      Text("Teilströme:"),
      Leer(),
      Wert(spule ? "  Ir = " : " Ir = ", Quotient(w.Ueff, w.R), " A", F::Widerstand),
      Wert(spule ? "  IL = " : " Ic = ", Quotient(w.Ueff, X), " A", farbe)};
  return blatt;
}

}  // namespace

Blatt Blatt_RC_parallel(const Kreiswerte& w) {
  return Zweig_parallel(w, Kondensator, "Widerstand und Kondensator parallel:");
}

Blatt Blatt_RL_parallel(const Kreiswerte& w) { return Zweig_parallel(w, Spule, "Widerstand und Spule parallel:"); }

Blatt Blatt_CL_parallel(const Kreiswerte& w) {
  Blatt b = Neues_Blatt("Kondensator und Spule parallel:");
  b.zeilen = {Wert("  Ueff = ", w.Ueff, " V", F::Text),
              Wert("  Ieff = ", w.Ieff, " A", F::Text),
              Leer(),
              Vorsatz("  C = ", w.C, "F", F::Kondensator),
              Wert("  Xc = ", w.Xc, " Ohm", F::Kondensator),
              Vorsatz("  L = ", w.L, "H", F::Spule),
              Wert("  XL = ", w.XL, " V/A", F::Spule),
              Leer(),
              Wert("  f = ", w.f, " Hz", F::Impedanz),
              Text("  Phi= +/- 90 Grad", F::Impedanz),
              w.Xc != w.XL
                  ? Wert("  Z = ", Quotient(1, std::fabs(Quotient(1, w.Xc) - Quotient(1, w.XL))), " V/A", F::Impedanz)
                  : Text("  Z = Unendlich", F::Impedanz),
              Wert("  fr = ", Berechne_fr(w.L, w.C), " Hz (Resonanz)", F::Impedanz),
              Leer(),
              Text("Teilströme:"),
              Leer(),
              Wert("  Ic = ", Quotient(w.Ueff, w.Xc), " A", F::Kondensator),
              Wert("  IL = ", Quotient(w.Ueff, w.XL), " A", F::Spule)};
  return b;
}

Blatt Blatt_RCL_parallel(const Kreiswerte& w) {
  Blatt b = Neues_Blatt("Widerstand, Kondensator, Spule parallel:");
  // tan(phi) = (IL - Ic) / Ir = R (1/XL - 1/Xc): 0 at resonance, growing steadily away from it.
  const long double phi = Grad_atan(std::fabs(w.R * (Quotient(1, w.Xc) - Quotient(1, w.XL))));
  const long double Y = std::sqrt(Quadrat(Quotient(1, w.R)) + Quadrat(Quotient(1, w.Xc) - Quotient(1, w.XL)));
  b.zeilen = {Wert("  Ueff = ", w.Ueff, " V", F::Text),
              Wert("  Ieff = ", w.Ieff, " A", F::Text),
              Leer(),
              Wert("  R = ", w.R, " Ohm", F::Widerstand),
              Vorsatz("  C = ", w.C, "F", F::Kondensator),
              Wert("  Xc = ", w.Xc, " V/A", F::Kondensator),
              Vorsatz("  L = ", w.L, "H", F::Spule),
              Wert("  XL = ", w.XL, " V/A", F::Spule),
              Leer(),
              Wert("  f = ", w.f, " Hz", F::Impedanz),
              Wert("  Phi = ", phi, " Grad", F::Impedanz),
              Wert("  Z = ", Quotient(1, Y), " V/A", F::Impedanz),
              Wert("  fr = ", Berechne_fr(w.L, w.C), " Hz (Resonanz)", F::Impedanz),
              Leer(),
              Text("Teilströme:"),
              Leer(),
              Wert("  Ir = ", Quotient(w.Ueff, w.R), " A", F::Widerstand),
              Wert("  Ic = ", Quotient(w.Ueff, w.Xc), " A", F::Kondensator),
              Wert("  IL = ", Quotient(w.Ueff, w.XL), " A", F::Spule)};
  return b;
}

}  // namespace calculators
