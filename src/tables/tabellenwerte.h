#pragma once

// The rows of the reactance and filter tables. The sheets and the saved files both take
// their numbers from here, so the two always agree.

#include <QString>
#include <QStringList>
#include <array>

#include "toolkit/real48.h"

namespace tables {

// A decade of capacitance or inductance: its start X0 (F or H), the unit text of the
// headers and the start of the decade in that unit (1, 10 or 100).
struct Dekade {
  real48 X0;
  QString Einheit;
  int Faktor = 1;
};

// The decade each reactance table shows, set by its dialog.
extern Dekade Kapazitaetsdekade;
extern Dekade Induktivitaetsdekade;

// Item i of "Kapazität - Bereich" (X0 = 10^(i - 12) F) and of "Indktivität - Bereich"
// (X0 = 10^(i - 9) H).
Dekade Kapazitaet_Bereich(int item);
Dekade Induktivitaet_Bereich(int item);

// Column multipliers (the E6 steps and the next decade's 1) and row frequencies in Hz. The
// multipliers stay exact, so a header reads "2.2 uF", not a 6-byte rounding of it.
inline constexpr std::array<long double, 7> Multiplikatoren{1, 1.5L, 2.2L, 3.3L, 4.7L, 6.8L, 10};
inline constexpr std::array<int, 16> Zeilenfrequenzen{1,   2,    5,    10,   20,    50,    100,   200,
                                                      500, 1000, 2000, 5000, 10000, 20000, 50000, 100000};

// Header of column j: factor · m_j in the general form, a blank and the unit ("2.2 uF").
QString Spaltenkopf(const Dekade& d, int j);

struct Reaktanzzeile {
  int f;                    // Hz
  std::array<real48, 7> X;  // reactance of X0 · m_j at f, ohm
};
using Reaktanztabelle = std::array<Reaktanzzeile, Zeilenfrequenzen.size()>;

Reaktanztabelle Berechne_Reaktanztabelle(const Dekade& d, bool induktiv);

// The four frequency tables: 21 rows of the frequency and six values.
enum class Filter { Siebkette, Sperrkreis, Hochpass, Tiefpass };
inline constexpr int kFrequenzzeilen = 21;
using Frequenzzeile = std::array<real48, 7>;
using Frequenztabelle = std::array<Frequenzzeile, kFrequenzzeilen>;

// Filter chain: f, Xc, Uc, XL, UL, I, Z; trap circuit: f, Xc, Ic, XL, IL, I, Z; f from
// 0.2 · fr to 1.8 · fr in steps of 0.08 · fr.
Frequenztabelle Berechne_Schwingkreistabelle(bool parallel, long double U, long double R, long double C, long double L,
                                             long double fr);
// High and low pass: f, Xc, Uc, Ur, I, Z, Uout.
Frequenztabelle Berechne_Passtabelle(bool tiefpass, long double U, long double R, long double C);
// The table of a filter from the shared values (supply voltage, R, C, L, fr).
Frequenztabelle Frequenztabelle_aus_Schaltung(Filter filter);

// The six column names after the frequency. The trap circuit's currents are in A and the
// passes' Ur in V: the units a teaching program must show, in the sheet and in the file.
QStringList Spaltennamen(Filter filter);

// The resonance row: f and fr agree to three decimals.
bool Ist_Resonanzzeile(long double f, long double fr);

}  // namespace tables
