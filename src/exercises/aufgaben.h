#pragma once

#include <QString>
#include <array>

#include "exercises/zufall.h"
#include "toolkit/real48.h"

namespace exercises {

// The six kinds of exercise, in the order of the dialog's radio group.
enum class TAufgabentyp {
  Kondensator,
  Spule,
  Widerstand_Kondensator,
  Widerstand_Spule,
  Kondensator_Spule,
  Widerstand_Kondensator_Spule,
};
inline constexpr int Anzahl_Aufgabentypen = 6;

// One exercise: its case, its circuit and the texts of the dialog's labels.
struct TAufgabe {
  TAufgabentyp Typ = TAufgabentyp::Kondensator;
  int Fall = 0;
  real48 Ueff, Ieff, f, Xc, C, L, XL, R;
  real48 Z;
  bool mit_Z = false;  // the series types compute the impedance
  // Texts of Label1 .. Label12 (index 0 unused); an empty text is a row the type hides.
  std::array<QString, 13> Labels;
};

// Labels of the given values, top to bottom, and of the solutions.
inline constexpr std::array<int, 5> Gegeben_Labels = {1, 2, 3, 6, 12};
inline constexpr std::array<int, 7> Loesung_Labels = {4, 5, 7, 8, 9, 10, 11};

TAufgabe Erstelle_aufgabe_Kondensator(Zufallsquelle& z);
TAufgabe Erstelle_aufgabe_Spule(Zufallsquelle& z);
TAufgabe Erstelle_aufgabe_Widerstand_Kondensator(Zufallsquelle& z);
TAufgabe Erstelle_aufgabe_Widerstand_Spule(Zufallsquelle& z);
TAufgabe Erstelle_aufgabe_Kondensator_Spule(Zufallsquelle& z);
TAufgabe Erstelle_aufgabe_Widerstand_Kondensator_Spule(Zufallsquelle& z);

// The maker of the type.
TAufgabe Erstelle_aufgabe(TAufgabentyp typ, Zufallsquelle& z);

// Entry of the calculation help that explains the type.
int Hilfeeintrag(TAufgabentyp typ);

}  // namespace exercises
