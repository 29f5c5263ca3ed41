// Menu commands of the electron-in-field topics.
#include "app/form1.h"
#include "fields/elektronenbahn.h"

void TForm1::ElektronimEFeld1Click() { Kurventhema(&TZeichenmodus::E_Feld, Startwerte_E_Feld); }

void TForm1::ElektronimBFeld1Click() { Kurventhema(&TZeichenmodus::B_Feld, Startwerte_B_Feld); }

void TForm1::ElektronimEBFeld1Click() { Kurventhema(&TZeichenmodus::EB_Feld, Startwerte_EB_Feld); }

void TForm1::ElektronimgekreuztenEBFeld1Click() { Kurventhema(&TZeichenmodus::EB_gekreuzt, Startwerte_EB_gekreuzt); }
