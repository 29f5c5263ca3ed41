#include "toolkit/zeichenmodus.h"

TZeichenmodus Zeichenmodus;

void TZeichenmodus::Loeschen() {
  TZeichenmodus cleared;
  cleared.Konstante_Achse_RC = Konstante_Achse_RC;
  cleared.Konstante_Achse_RL = Konstante_Achse_RL;
  cleared.Rechteck = Rechteck;
  cleared.Dreieck = Dreieck;
  cleared.Saegezahn_steigend = Saegezahn_steigend;
  cleared.Saegezahn_fallend = Saegezahn_fallend;
  cleared.Nadelimpuls_negativ = Nadelimpuls_negativ;
  cleared.Impulse_pos_neg = Impulse_pos_neg;
  cleared.Zweiweg_Gleichrichtung = Zweiweg_Gleichrichtung;
  *this = cleared;
}

bool TZeichenmodus::Irgendein_Thema() const {
  TZeichenmodus cleared = *this;
  cleared.Loeschen();
  return !(*this == cleared);
}
