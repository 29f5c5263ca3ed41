#pragma once

#include "fields/elektronenbahn.h"
#include "toolkit/grundelemente.h"

// The four electron-in-field drawings: apparatus and path in the rotatable view, from the
// shared field values. A plate hit beeps once per drawing.
void Zeichne_E_Feld(Canvas& canvas);
void Zeichne_B_Feld(Canvas& canvas);
void Zeichne_EB_Feld(Canvas& canvas);
void Zeichne_EB_gekreuzt(Canvas& canvas);

// Pieces of the drawings.
void Zeichne_Magnetfeld(Canvas& canvas);
void Zeichne_B_Feldlinien(Canvas& canvas);
void Zeichne_Feldlinien_gekreuzt(Canvas& canvas);
TBahn_E Zeichne_Bahn_E(Canvas& canvas);
TBahn_B Zeichne_Bahn_B(Canvas& canvas);
TBahn_EB Zeichne_Bahn_EB(Canvas& canvas);
TBahn_gekreuzt Zeichne_Bahn_gekreuzt(Canvas& canvas);
