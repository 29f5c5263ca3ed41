#pragma once

// What every calculator dialog shares: reading and writing its fields, the error message,
// storing a group into the shared values and switching the main window to a result sheet.

#include <QString>
#include <initializer_list>
#include <vector>

#include "calculators/circuit_values.h"
#include "calculators/single_solvers.h"
#include "toolkit/dialog_bausteine.h"

class QLineEdit;

namespace calculators {

// The construction values of the capacitance and inductance calculator (A in cm², d and l
// in cm); their results C and L live in the shared circuit values.
extern Kondensator_Bauform Kondensator_Geometrie;
extern Spulen_Bauform Spulen_Geometrie;

using ::Blattmodus;

// The typed value of a field: "?", "0" and an empty text read as 0.
long double Lies_Feld(const QLineEdit* edit);
// A derived value, written with Formatiere_Wert.
void Schreibe_Feld(QLineEdit* edit, long double x);

// The calculators' one error message.
void FehlerMessage();

// The shared circuit value that holds g.
real48& Gemeinsamer_Wert(Groesse g);

// The listed values of w into the shared circuit values.
void Speichere(const Kreiswerte& w, std::initializer_list<Groesse> welche);

// The fields of one group, each with the quantity it holds.
struct Feld {
  Groesse g;
  QLineEdit* edit;
};
using Felder = std::vector<Feld>;

// One press of a "berechne" button: reads the fields, runs the solver, writes every value
// the solver derived back into its field (also when the solver throws, so the fields show
// how far it got), and shows FehlerMessage when it failed. On success `ergebnis` holds
// all values of the group and the caller stores them; on failure the shared values stay.
bool Rechne(const Felder& felder, void (*loeser)(Rechnung&), Kreiswerte& ergebnis);

}  // namespace calculators
