#pragma once

// The tables' result sheets, drawn onto the canvas the main window prepared.

#include <array>

#include "toolkit/dialog_bausteine.h"
#include "toolkit/grundelemente.h"

namespace tables {

void Zeichne_Tabelle_Kapazitaet(Canvas& canvas);
void Zeichne_Tabelle_Induktivitaet(Canvas& canvas);
void Zeichne_Tabelle_Siebkette(Canvas& canvas);
void Zeichne_Tabelle_Sperrkreis(Canvas& canvas);
void Zeichne_Tabelle_Hochpass(Canvas& canvas);
void Zeichne_Tabelle_Tiefpass(Canvas& canvas);

// The display modes of the table sheets with their drawings, in the order the main window
// tests them.
struct Tabellenblatt {
  Blattmodus modus;
  void (*zeichne)(Canvas&);
};
inline constexpr std::array<Tabellenblatt, 6> Tabellenblaetter{{
    {&TZeichenmodus::Tabelle_Kapazitaeten, Zeichne_Tabelle_Kapazitaet},
    {&TZeichenmodus::Tabelle_Induktivitaeten, Zeichne_Tabelle_Induktivitaet},
    {&TZeichenmodus::Tabelle_Siebkette, Zeichne_Tabelle_Siebkette},
    {&TZeichenmodus::Tabelle_Sperrkreis, Zeichne_Tabelle_Sperrkreis},
    {&TZeichenmodus::Tabelle_Hochpass, Zeichne_Tabelle_Hochpass},
    {&TZeichenmodus::Tabelle_Tiefpass, Zeichne_Tabelle_Tiefpass},
}};

}  // namespace tables
