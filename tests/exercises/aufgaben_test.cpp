#include <gtest/gtest.h>

#include <QMap>
#include <cmath>
#include <vector>

#include "exercises/aufgaben.h"
#include "skript_zufall.h"
#include "toolkit/number_text.h"

using namespace exercises;

namespace {

struct Fall {
  TAufgabentyp typ;
  std::vector<int> ziehungen;
  std::vector<QString> labels;  // Label1 .. Label12, "" for a hidden row
};

class Aufgaben : public ::testing::TestWithParam<Fall> {};

// Expected texts from the formulas by hand: e.g. capacitor case 0 with 230 V, 2.3 A, 50 Hz gives
// Xc = 230 / 2.3 = 100 and C = 1 / (2 pi 50 100) = 31.83 uF.
const Fall kFaelle[] = {
    {TAufgabentyp::Kondensator,
     {0, 229, 18, 49},
     {"Ueff = 230 V", "Ieff = 2.300 A", "f = 50 Hz", "Xc = 100 V/A", "C = 0.032 mF", "", "", "", "", "", "", ""}},
    // Case 2 has no exercise and is drawn again.
    {TAufgabentyp::Spule,
     {2, 4, 99, 99, 999},
     {"Ueff = 100 V", "L = 0.01000 H", "f = 1000 Hz", "XL = 62.832 V/A", "Ieff = 1.592 A", "", "", "", "", "", "", ""}},
    // R = U / (2 I) makes Xc = sqrt(3) R.
    {TAufgabentyp::Widerstand_Kondensator,
     {0, 199, 100, 999},
     {"Ueff = 200 V", "Ieff = 10.500 A", "f = 1000 Hz", "Xc = 16.496 V/A", "C = 0.010 mF", "R = 9.524 Ohm",
      "Z = 19.048 V/A", "Uc = 173.205 V", "Ur = 100 V", "", "", ""}},
    {TAufgabentyp::Widerstand_Spule,
     {7, 19, 99, 49, 99},
     {"Ieff = 2 A", "L = 0.01000 H", "f = 50 Hz", "XL = 3.142 V/A", "Ueff = 200.099 V", "R = 100 Ohm",
      "Z = 100.049 V/A", "UL = 6.283 V", "Ur = 200 V", "", "", ""}},
    // Case 0 with XL = Xc + Z: 100 V, 1.5 A give Xc 33.333, Z 66.667, XL 100.
    {TAufgabentyp::Kondensator_Spule,
     {0, 99, 10, 49},
     {"Ueff = 100 V", "Ieff = 1.500 A", "f = 50 Hz", "XL = 100 V/A", "L = 0.31831 H", "Xc = 33.333 V/A",
      "Z = 66.667 V/A", "Uc = 50 V", "UL = 150 V", "C = 0.095 mF", "fres = 28.868 Hz", ""}},
    // Xc equal to XL leaves no current: the case's values are drawn again.
    {TAufgabentyp::Kondensator_Spule,
     {1, 99, 999, 299, 299, 99, 999, 299, 399},
     {"Ueff = 100 V", "XL = 400 V/A", "f = 1000 Hz", "Ieff = 1.00000 A", "L = 0.06366 H", "Xc = 300 V/A", "Z = 100 V/A",
      "Uc = 300 V", "UL = 400 V", "C = 0.531 uF", "fres = 866.025 Hz", ""}},
    {TAufgabentyp::Widerstand_Kondensator_Spule,
     {1, 99, 999, 299, 399, 99},
     {"Ueff = 100 V", "XL = 400 V/A", "f = 1000 Hz", "Ieff = 0.70711 A", "L = 0.06366 H", "Xc = 300 V/A",
      "Z = 141.421 V/A", "Uc = 212.132 V", "UL = 282.843 V", "C = 0.531 uF", "fres = 866.025 Hz", "R = 100 Ohm"}},
};

TEST_P(Aufgaben, WriteEveryLabelFromTheScriptedDraws) {
  const Fall& fall = GetParam();
  Skript_Zufall z(fall.ziehungen);
  const TAufgabe a = Erstelle_aufgabe(fall.typ, z);
  EXPECT_EQ(z.Rest(), 0u) << "every scripted draw is used";
  for (int n = 1; n <= 12; ++n)
    EXPECT_EQ(a.Labels[static_cast<std::size_t>(n)], fall.labels[static_cast<std::size_t>(n - 1)]) << "Label" << n;
}

INSTANTIATE_TEST_SUITE_P(Typen, Aufgaben, ::testing::ValuesIn(kFaelle));

// A shown value with its uncertainty: half a unit of its last digit.
struct Iv {
  long double v = 0, e = 0;
};
Iv operator*(Iv a, Iv b) { return {a.v * b.v, std::fabs(a.v) * b.e + std::fabs(b.v) * a.e + a.e * b.e}; }
Iv operator/(Iv a, Iv b) {
  const long double nenner = std::fabs(b.v) * std::max(std::fabs(b.v) - b.e, std::fabs(b.v) * 1e-9L);
  return {a.v / b.v, (std::fabs(a.v) * b.e + std::fabs(b.v) * a.e) / nenner};
}
Iv operator+(Iv a, Iv b) { return {a.v + b.v, a.e + b.e}; }
Iv operator-(Iv a, Iv b) { return {a.v - b.v, a.e + b.e}; }
Iv Betrag(Iv a) { return {std::fabs(a.v), a.e}; }
Iv Wurzel(Iv a) {
  const long double w = std::sqrt(a.v);
  const long double unten = std::sqrt(std::max(a.v - a.e, 0.0L));
  return {w, std::max(std::sqrt(a.v + a.e) - w, w - unten)};
}
Iv Zahl(long double x) { return {x, 0}; }

// "Xc = 0.531 uF" -> name "Xc", value 0.531e-6 with uncertainty 0.0005e-6.
bool Lies_Zeile(const QString& text, QString& name, Iv& wert) {
  const qsizetype gleich = text.indexOf(QLatin1String(" = "));
  if (gleich < 0) return false;
  name = text.left(gleich);
  const QString rest = text.mid(gleich + 3);
  const qsizetype blank = rest.indexOf(' ');
  if (blank < 0) return false;
  const QString zahl = rest.left(blank);
  long double skala = 1;
  const QString nach = rest.mid(blank + 1);
  const QString vorsaetze = QStringLiteral("GMkmunp");
  const long double faktoren[] = {1e9L, 1e6L, 1e3L, 1e-3L, 1e-6L, 1e-9L, 1e-12L};
  if (!nach.isEmpty() && vorsaetze.contains(nach[0])) skala = faktoren[vorsaetze.indexOf(nach[0])];
  const qsizetype punkt = zahl.indexOf('.');
  const qsizetype e = zahl.indexOf('E');
  const int stellen = punkt < 0 ? 3 : static_cast<int>((e < 0 ? zahl.size() : e) - punkt - 1);
  long double einheit_e = skala;
  if (e >= 0) einheit_e *= std::pow(10.0L, zahl.mid(e + 1).toInt());
  wert = {Lies_Wert(zahl) * skala, 0.5L * std::pow(10.0L, -stellen) * einheit_e};
  return true;
}

::testing::AssertionResult Gleich(const char* was, Iv a, Iv b) {
  const long double d = std::fabs(a.v - b.v);
  if (d <= a.e + b.e + 1e-9L * std::max(std::fabs(a.v), std::fabs(b.v))) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << was << ": " << static_cast<double>(a.v) << " vs " << static_cast<double>(b.v);
}

// Every exercise that the generator makes recomputes from its own texts: all shown values belong
// to one circuit of its type, within the rounding of the texts.
TEST(Aufgabenerzeugung, EveryExerciseIsConsistentWithinTheRoundingOfItsTexts) {
  const QMap<TAufgabentyp, QStringList> noetig = {
      {TAufgabentyp::Kondensator, {"Ueff", "Ieff", "f", "Xc", "C"}},
      {TAufgabentyp::Spule, {"Ueff", "Ieff", "f", "XL", "L"}},
      {TAufgabentyp::Widerstand_Kondensator, {"Ueff", "Ieff", "f", "Xc", "C", "R", "Z", "Uc", "Ur"}},
      {TAufgabentyp::Widerstand_Spule, {"Ueff", "Ieff", "f", "XL", "L", "R", "Z", "UL", "Ur"}},
      {TAufgabentyp::Kondensator_Spule, {"Ueff", "Ieff", "f", "Xc", "C", "XL", "L", "Z", "Uc", "UL", "fres"}},
      {TAufgabentyp::Widerstand_Kondensator_Spule,
       {"Ueff", "Ieff", "f", "Xc", "C", "XL", "L", "R", "Z", "Uc", "UL", "fres"}},
  };
  const long double zwei_pi = 6.283185307179586L;
  for (std::uint32_t saat = 1; saat <= 1500; ++saat) {
    Mersenne_Zufall z(saat);
    for (int t = 0; t < Anzahl_Aufgabentypen; ++t) {
      const auto typ = static_cast<TAufgabentyp>(t);
      const TAufgabe a = Erstelle_aufgabe(typ, z);
      SCOPED_TRACE(::testing::Message() << "seed " << saat << " type " << t << " case " << a.Fall);
      QMap<QString, Iv> w;
      for (int n = 1; n <= 12; ++n) {
        const QString& text = a.Labels[static_cast<std::size_t>(n)];
        if (text.isEmpty()) continue;
        QString name;
        Iv wert;
        ASSERT_TRUE(Lies_Zeile(text, name, wert)) << text.toStdString();
        w[name == "XC" ? QStringLiteral("Xc") : name] = wert;
      }
      QStringList namen = w.keys();
      QStringList erwartet = noetig[typ];
      namen.sort();
      erwartet.sort();
      ASSERT_EQ(namen, erwartet);
      const bool c = w.contains("C"), l = w.contains("L"), r = w.contains("R");
      const Iv I = w["Ieff"], f = w["f"], U = w["Ueff"], Xc = w["Xc"], XL = w["XL"], R = w["R"];
      const Iv X = c && l ? Betrag(XL - Xc) : c ? Xc : XL;
      const Iv Z = r ? Wurzel(R * R + X * X) : X;
      const struct {
        const char* was;
        bool gilt;
        Iv links, rechts;
      } beziehungen[] = {
          {"Xc = 1 / (2 pi f C)", c, Xc, Zahl(1) / (Zahl(zwei_pi) * f * w["C"])},
          {"XL = 2 pi f L", l, XL, Zahl(zwei_pi) * f * w["L"]},
          {"Z", w.contains("Z"), w["Z"], Z},
          {"U = Z I", true, U, Z * I},
          {"Uc = Xc I", w.contains("Uc"), w["Uc"], Xc * I},
          {"UL = XL I", w.contains("UL"), w["UL"], XL * I},
          {"Ur = R I", w.contains("Ur"), w["Ur"], R * I},
          {"fres", w.contains("fres"), w["fres"], Zahl(1) / (Zahl(zwei_pi) * Wurzel(w["L"] * w["C"]))},
      };
      for (const auto& b : beziehungen) {
        if (b.gilt) {
          EXPECT_TRUE(Gleich(b.was, b.links, b.rechts));
        }
      }
      if (HasFailure()) return;
    }
  }
}

}  // namespace
