#pragma once

#include "fields/elektronenbahn.h"
#include "toolkit/grundelemente.h"

// Evaluation panels in the right half of the main window, one per field topic. Rows that
// need an exit from the capacitor are left out after a plate hit; the rest close up.
void Zeige_Auswertung_E(Canvas& canvas, const TBahn_E& bahn);
void Zeige_Ergebnisse_B(Canvas& canvas, const TBahn_B& bahn);
void Zeige_Auswertung_EB(Canvas& canvas, const TBahn_EB& bahn);
void Zeige_Auswertung_gekreuzt(Canvas& canvas, const TBahn_gekreuzt& bahn);
