#include "app/form1.h"
#include "phasors/drehstrom.h"

void TForm1::Drehstrom1Click() { Zeigerthema(&TZeichenmodus::Drehstrom, Setze_Drehstrom_Startwerte); }
