// Menu commands of the sweep generator: filter chain, trap circuit, high and low pass.
#include "app/form1.h"
#include "curves/hoch_tiefpass.h"
#include "curves/wobbel.h"

void TForm1::Siebkette1Click() { Kurventhema(&TZeichenmodus::Wobbel_Siebkette, Startwerte_Siebkette); }

void TForm1::Sperrkreis1Click() { Kurventhema(&TZeichenmodus::Wobbel_Sperrkreis, Startwerte_Sperrkreis); }

void TForm1::HochTiefpass1Click() { Kurventhema(&TZeichenmodus::Wobbel_Hoch_Tiefpass, Startwerte_Hoch_Tiefpass); }
