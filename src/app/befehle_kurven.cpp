// Menu commands of the resonance, LC-circuit and switching topics.
#include "app/form1.h"
#include "curves/lc_schwingkreis.h"
#include "curves/resonanz.h"
#include "curves/schaltvorgaenge.h"
#include "toolkit/farben.h"

void TForm1::Kurventhema(bool TZeichenmodus::*flag, void (*startwerte)()) {
  Prepare();
  fensterfarbe_ = Farben.Hintergrund;
  Zeichenmodus.*flag = true;
  startwerte();
  Thema_gewaehlt();
}

void TForm1::Serienschwingkreis1Click() {
  Kurventhema(&TZeichenmodus::Serienschwingkreis, Startwerte_Serienschwingkreis);
}

void TForm1::Parallelschwingkreis1Click() {
  Kurventhema(&TZeichenmodus::Parallelschwingkreis, Startwerte_Parallelschwingkreis);
}

void TForm1::LCSchwingkreis1Click() { Kurventhema(&TZeichenmodus::LC_Schwingkreis, Startwerte_LC_Schwingkreis); }

void TForm1::WiderstandmitKondensator1Click() {
  Prepare();
  Zeichenmodus.Schaltvorgang_RC = true;
  Zeichenmodus.Konstante_Achse_RC = true;
  Startwerte_Kondensator_Schaltvorgang();
  Thema_gewaehlt();
}

void TForm1::WiderstandmitSpule1Click() {
  Prepare();
  Zeichenmodus.Schaltvorgang_RL = true;
  Zeichenmodus.Konstante_Achse_RL = true;
  Startwerte_Spule_Schaltvorgang();
  Thema_gewaehlt();
}
