#include "exercises/aufgaben.h"

#include <array>
#include <cmath>
#include <initializer_list>

#include "toolkit/formulas.h"
#include "toolkit/number_text.h"

namespace exercises {

namespace {

// What a label shows.
enum class G { Ueff, Ieff, f, Xc, XC, XL, C, L, R, Z, Uc, UL, Ur, fres };

long double Wert(const TAufgabe& a, G g) {
  switch (g) {
    case G::Ueff:
      return a.Ueff;
    case G::Ieff:
      return a.Ieff;
    case G::f:
      return a.f;
    case G::Xc:
    case G::XC:
      return a.Xc;
    case G::XL:
      return a.XL;
    case G::C:
      return a.C;
    case G::L:
      return a.L;
    case G::R:
      return a.R;
    case G::Z:
      return a.Z;
    case G::Uc:
      return a.Xc * a.Ieff;
    case G::UL:
      return a.XL * a.Ieff;
    case G::Ur:
      return a.R * a.Ieff;
    case G::fres:
      return Berechne_fr(a.L, a.C);
  }
  return 0;
}

struct Beschriftung {
  const char* text;
  const char* einheit;
};

Beschriftung Beschriftung_von(G g) {
  switch (g) {
    case G::Ueff:
      return {"Ueff = ", "V"};
    case G::Ieff:
      return {"Ieff = ", "A"};
    case G::f:
      return {"f = ", "Hz"};
    case G::Xc:
      return {"Xc = ", "V/A"};
    case G::XC:
      return {"XC = ", "V/A"};
    case G::XL:
      return {"XL = ", "V/A"};
    case G::C:
      return {"C = ", "F"};
    case G::L:
      return {"L = ", "H"};
    case G::R:
      return {"R = ", "Ohm"};
    case G::Z:
      return {"Z = ", "V/A"};
    case G::Uc:
      return {"Uc = ", "V"};
    case G::UL:
      return {"UL = ", "V"};
    case G::Ur:
      return {"Ur = ", "V"};
    case G::fres:
      return {"fres = ", "Hz"};
  }
  return {"", ""};
}

// Writes the given values into Label1, 2, 3, 6, 12 and the solutions into Label4, 5, 10
// (the rows a type adds, Z, Uc, UL, Ur, fres, into Label7, 8, 9, 11).
void Beschrifte(TAufgabe& a, int label, G g) {
  const Beschriftung b = Beschriftung_von(g);
  a.Labels[static_cast<std::size_t>(label)] =
      QString::fromLatin1(b.text) + Setze_Vorsatz(Formatiere_Wert(Wert(a, g))) + QString::fromLatin1(b.einheit);
}

void Gegeben(TAufgabe& a, std::initializer_list<G> werte) {
  std::size_t i = 0;
  for (G g : werte) Beschrifte(a, Gegeben_Labels[i++], g);
}

// The first two solutions go to Label4 and Label5, a third to Label10.
void Loesung(TAufgabe& a, std::initializer_list<G> werte) {
  static constexpr int labels[] = {4, 5, 10};
  std::size_t i = 0;
  for (G g : werte) Beschrifte(a, labels[i++], g);
}

// The draws of the value table.
long double U(Zufallsquelle& z) { return z.Ziehe(300) + 1; }
long double I_erste(Zufallsquelle& z) { return z.Ziehe(1000) * 0.1L + 0.5L; }
long double I_zweite(Zufallsquelle& z) { return z.Ziehe(1000) * 0.1L + 0.1L; }
long double Frequenz(Zufallsquelle& z) { return z.Ziehe(10000) + 1; }
long double Frequenz_klein(Zufallsquelle& z) { return z.Ziehe(1000) + 1; }
long double X_klein(Zufallsquelle& z) { return z.Ziehe(1000) + 1; }
long double X_gross(Zufallsquelle& z) { return z.Ziehe(10000) + 1; }
long double Widerstand(Zufallsquelle& z) { return z.Ziehe(10000) + 1; }
long double Kapazitaet(Zufallsquelle& z) { return (z.Ziehe(1000) + 1) * 1e-6L; }
long double Induktivitaet(Zufallsquelle& z) { return (z.Ziehe(1000) + 1) * 1e-4L; }
long double Induktivitaet_gross(Zufallsquelle& z) { return z.Ziehe(1000) * 1e-4L + 1.0L; }

// The first four types have no exercise for case 2: draw the case again.
int Ziehe_Fall_ohne_2(Zufallsquelle& z) {
  int k = 2;
  while (k == 2) k = z.Ziehe(8);
  return k;
}

// The reactive part of a capacitor or coil exercise: which values it uses and how they relate.
struct Bauteil {
  real48 TAufgabe::*X;  // reactance Xc or XL
  real48 TAufgabe::*W;  // component value C or L
  G gX, gW, gU;         // labels of X, W and the voltage across the component
  long double (*X_aus_W)(long double W, long double f);
  long double (*W_aus_X)(long double f, long double X);
  long double (*f_aus)(long double W, long double X);
  long double (*Ziehe_W)(Zufallsquelle&);
  long double (*Z_mit_R)(long double R, long double W, long double f);
  bool Fall1_gross;  // without R, case 1 draws f up to 1000 Hz and a large reactance
};

const Bauteil kKondensator = {
    &TAufgabe::Xc, &TAufgabe::C,        G::Xc, G::C, G::Uc, Berechne_Xc, Kehrwert_2pi, Kehrwert_2pi,
    Kapazitaet,    Berechne_Z_RC_Reihe, false,
};
const Bauteil kSpule = {
    &TAufgabe::XL, &TAufgabe::L,        G::XL, G::L, G::UL, Berechne_XL, Quotient_2pi, Quotient_2pi,
    Induktivitaet, Berechne_Z_RL_Reihe, true,
};

// The cases of a capacitor or coil alone, or in series with a resistor. Cases 0 to 4 give the
// voltage, 5 to 7 the current; the other one follows from the impedance.
void Einzelfall(TAufgabe& a, Zufallsquelle& z, const Bauteil& b, bool mit_R) {
  real48& X = a.*b.X;
  real48& W = a.*b.W;
  const bool U_gegeben = a.Fall <= 4;
  const G gegeben = U_gegeben ? G::Ueff : G::Ieff;
  const G gesucht = U_gegeben ? G::Ieff : G::Ueff;
  if (U_gegeben)
    a.Ueff = U(z);
  else
    a.Ieff = I_zweite(z);
  std::array<G, 3> links{};
  std::array<G, 2> rechts{};
  switch (a.Fall) {
    case 0:
      a.Ieff = I_erste(z);
      a.f = Frequenz(z);
      if (mit_R) {
        a.R = a.Ueff / (2 * a.Ieff);
        a.Z = a.Ueff / a.Ieff;
        X = std::sqrt(a.Z * a.Z - a.R * a.R);
      } else {
        X = a.Ueff / a.Ieff;
      }
      W = b.W_aus_X(a.f, X);
      links = {G::Ueff, G::Ieff, G::f};
      rechts = {b.gX, b.gW};
      break;
    case 1:
    case 5: {
      const bool gross = b.Fall1_gross && !mit_R && a.Fall == 1;
      a.f = gross ? Frequenz_klein(z) : Frequenz(z);
      X = gross ? X_gross(z) : X_klein(z);
      if (mit_R) a.R = Widerstand(z);
      W = b.W_aus_X(a.f, X);
      links = {gegeben, G::f, b.gX};
      rechts = {gesucht, b.gW};
      break;
    }
    case 3:
    case 6:
      W = b.Ziehe_W(z);
      X = X_klein(z);
      if (mit_R) a.R = Widerstand(z);
      a.f = b.f_aus(W, X);
      links = {gegeben, b.gW, b.gX};
      rechts = {G::f, gesucht};
      break;
    default:  // 4 and 7
      W = b.Ziehe_W(z);
      a.f = Frequenz(z);
      if (mit_R) a.R = Widerstand(z);
      X = b.X_aus_W(W, a.f);
      links = {gegeben, b.gW, G::f};
      rechts = {b.gX, gesucht};
      break;
  }
  if (a.Fall != 0) {
    // Without R the impedance is the reactance.
    if (mit_R) a.Z = b.Z_mit_R(a.R, W, a.f);
    const long double Z = mit_R ? static_cast<long double>(a.Z) : static_cast<long double>(X);
    if (U_gegeben)
      a.Ieff = a.Ueff / Z;
    else
      a.Ueff = Z * a.Ieff;
  }
  Gegeben(a, {links[0], links[1], links[2]});
  Loesung(a, {rechts[0], rechts[1]});
  if (mit_R) {
    a.mit_Z = true;
    Beschrifte(a, 6, G::R);
    Beschrifte(a, 7, G::Z);
    Beschrifte(a, 8, b.gU);
    Beschrifte(a, 9, G::Ur);
  }
}

TAufgabe Neue_Aufgabe(TAufgabentyp typ, int fall) {
  TAufgabe a;
  a.Typ = typ;
  a.Fall = fall;
  return a;
}

// Draws the values of one capacitor-coil case (with or without R); false when the impedance
// comes out 0, which the caller answers by drawing that case's values again.
bool Kondensator_Spule_Werte(TAufgabe& a, Zufallsquelle& z, bool mit_R) {
  const auto impedanz = [&] {
    const long double x = a.XL - a.Xc;
    a.Z = mit_R ? std::sqrt(x * x + a.R * a.R) : std::fabs(x);
  };
  switch (a.Fall) {
    case 0:
    case 5:
      a.Ueff = U(z);
      a.Ieff = I_erste(z);
      a.f = Frequenz(z);
      if (a.Fall == 5) {
        a.C = Kapazitaet(z);
        a.Xc = Kehrwert_2pi(a.f, a.C);
      } else {
        a.Xc = a.Ueff / (2 * a.Ieff);
      }
      a.Z = a.Ueff / a.Ieff;
      if (mit_R) {
        a.R = a.Ueff / (2 * a.Ieff);
        a.XL = std::sqrt(a.Z * a.Z - a.R * a.R) + a.Xc;
      } else {
        // |XL - Xc| = Z has the positive solution XL = Xc + Z; the other root would give
        // XL = Xc, a circuit at resonance with impedance 0 instead of Z.
        a.XL = a.Xc + a.Z;
      }
      a.L = Quotient_2pi(a.f, a.XL);
      if (a.Fall == 0) a.C = Kehrwert_2pi(a.f, a.Xc);
      return true;
    case 1:
      a.Ueff = U(z);
      a.f = Frequenz(z);
      a.Xc = X_gross(z);
      a.XL = X_gross(z);
      if (mit_R) a.R = Widerstand(z);
      impedanz();
      a.L = Quotient_2pi(a.f, a.XL);
      a.C = Kehrwert_2pi(a.f, a.Xc);
      break;
    case 2:
      a.Ueff = U(z);
      a.f = Frequenz(z);
      a.Xc = X_gross(z);
      a.L = Induktivitaet(z);
      if (mit_R) a.R = Widerstand(z);
      a.XL = Berechne_XL(a.L, a.f);
      impedanz();
      a.C = Kehrwert_2pi(a.f, a.Xc);
      break;
    case 3:
      a.Ueff = U(z);
      a.f = Frequenz(z);
      a.C = Kapazitaet(z);
      a.L = Induktivitaet_gross(z);
      if (mit_R) a.R = Widerstand(z);
      a.Xc = Kehrwert_2pi(a.f, a.C);
      a.XL = Berechne_XL(a.L, a.f);
      impedanz();
      break;
    default:  // 4
      a.Ueff = U(z);
      a.f = Frequenz(z);
      a.C = Kapazitaet(z);
      a.XL = X_gross(z);
      if (mit_R) a.R = Widerstand(z);
      a.Xc = Kehrwert_2pi(a.f, a.C);
      a.L = Quotient_2pi(a.f, a.XL);
      impedanz();
      break;
  }
  if (a.Z == 0) return false;
  a.Ieff = a.Ueff / a.Z;
  return true;
}

void Kondensator_Spule_Beschriften(TAufgabe& a, bool mit_R) {
  switch (a.Fall) {
    case 0:
      Gegeben(a, {G::Ueff, G::Ieff, G::f, G::Xc});
      Loesung(a, {G::XL, G::L, G::C});
      break;
    case 1:
      Gegeben(a, {G::Ueff, G::XL, G::f, G::Xc});
      Loesung(a, {G::Ieff, G::L, G::C});
      break;
    case 2:
      Gegeben(a, {G::Ueff, G::L, G::f, G::Xc});
      Loesung(a, {G::Ieff, G::XL, G::C});
      break;
    case 3:
      Gegeben(a, {G::Ueff, G::L, G::f, G::C});
      Loesung(a, {G::Ieff, G::XL, G::Xc});
      break;
    case 4:
      Gegeben(a, {G::Ueff, G::XL, G::f, G::C});
      Loesung(a, {G::Ieff, G::L, G::Xc});
      break;
    default:  // 5
      Gegeben(a, {G::Ueff, G::Ieff, G::f, G::C});
      Loesung(a, {G::XL, G::L, G::XC});
      break;
  }
  if (mit_R) Beschrifte(a, 12, G::R);
  a.mit_Z = true;
  Beschrifte(a, 7, G::Z);
  Beschrifte(a, 8, G::Uc);
  Beschrifte(a, 9, G::UL);
  Beschrifte(a, 11, G::fres);
}

TAufgabe Kondensator_Spule(TAufgabentyp typ, Zufallsquelle& z, bool mit_R) {
  const int fall = z.Ziehe(mit_R ? 6 : 5);
  TAufgabe a = Neue_Aufgabe(typ, fall);
  // Values that make Xc equal XL leave no current to compute: draw them again.
  bool fertig = Kondensator_Spule_Werte(a, z, mit_R);
  for (int versuch = 1; !fertig && versuch < 100; ++versuch) fertig = Kondensator_Spule_Werte(a, z, mit_R);
  if (!fertig) {
    a = Neue_Aufgabe(typ, 0);
    Kondensator_Spule_Werte(a, z, mit_R);
  }
  Kondensator_Spule_Beschriften(a, mit_R);
  return a;
}

}  // namespace

TAufgabe Erstelle_aufgabe_Kondensator(Zufallsquelle& z) {
  TAufgabe a = Neue_Aufgabe(TAufgabentyp::Kondensator, Ziehe_Fall_ohne_2(z));
  Einzelfall(a, z, kKondensator, false);
  return a;
}

TAufgabe Erstelle_aufgabe_Spule(Zufallsquelle& z) {
  TAufgabe a = Neue_Aufgabe(TAufgabentyp::Spule, Ziehe_Fall_ohne_2(z));
  Einzelfall(a, z, kSpule, false);
  return a;
}

TAufgabe Erstelle_aufgabe_Widerstand_Kondensator(Zufallsquelle& z) {
  TAufgabe a = Neue_Aufgabe(TAufgabentyp::Widerstand_Kondensator, Ziehe_Fall_ohne_2(z));
  Einzelfall(a, z, kKondensator, true);
  return a;
}

TAufgabe Erstelle_aufgabe_Widerstand_Spule(Zufallsquelle& z) {
  TAufgabe a = Neue_Aufgabe(TAufgabentyp::Widerstand_Spule, Ziehe_Fall_ohne_2(z));
  Einzelfall(a, z, kSpule, true);
  return a;
}

TAufgabe Erstelle_aufgabe_Kondensator_Spule(Zufallsquelle& z) {
  return Kondensator_Spule(TAufgabentyp::Kondensator_Spule, z, false);
}

TAufgabe Erstelle_aufgabe_Widerstand_Kondensator_Spule(Zufallsquelle& z) {
  return Kondensator_Spule(TAufgabentyp::Widerstand_Kondensator_Spule, z, true);
}

TAufgabe Erstelle_aufgabe(TAufgabentyp typ, Zufallsquelle& z) {
  switch (typ) {
    case TAufgabentyp::Kondensator:
      return Erstelle_aufgabe_Kondensator(z);
    case TAufgabentyp::Spule:
      return Erstelle_aufgabe_Spule(z);
    case TAufgabentyp::Widerstand_Kondensator:
      return Erstelle_aufgabe_Widerstand_Kondensator(z);
    case TAufgabentyp::Widerstand_Spule:
      return Erstelle_aufgabe_Widerstand_Spule(z);
    case TAufgabentyp::Kondensator_Spule:
      return Erstelle_aufgabe_Kondensator_Spule(z);
    case TAufgabentyp::Widerstand_Kondensator_Spule:
      return Erstelle_aufgabe_Widerstand_Kondensator_Spule(z);
  }
  return Erstelle_aufgabe_Kondensator(z);
}

int Hilfeeintrag(TAufgabentyp typ) {
  static constexpr int eintrag[] = {1, 2, 4, 5, 6, 7};
  return eintrag[static_cast<int>(typ)];
}

}  // namespace exercises
