// Menu commands of the amplitude and frequency modulation topics.
#include "app/form1.h"
#include "curves/modulation.h"

void TForm1::Modulationsthema(bool frequenz, TSignalform form) {
  Prepare();
  (frequenz ? Zeichenmodus.Frequenzmodulation : Zeichenmodus.Amplitudenmodulation) = true;
  Zeichenmodus.*Signalform_Flag(frequenz, form) = true;
  Startwerte_Modulation(frequenz, form);
  Thema_gewaehlt();
}

void TForm1::AM_ansteigend1Click() { Modulationsthema(false, TSignalform::ansteigend); }
void TForm1::AM_abfallend1Click() { Modulationsthema(false, TSignalform::abfallend); }
void TForm1::AM_Rechteck1Click() { Modulationsthema(false, TSignalform::Rechteck); }
void TForm1::AM_Treppe1Click() { Modulationsthema(false, TSignalform::Treppe); }
void TForm1::AM_Sinus1Click() { Modulationsthema(false, TSignalform::Sinus); }
void TForm1::FM_ansteigend1Click() { Modulationsthema(true, TSignalform::ansteigend); }
void TForm1::FM_abfallend1Click() { Modulationsthema(true, TSignalform::abfallend); }
void TForm1::FM_Rechteck1Click() { Modulationsthema(true, TSignalform::Rechteck); }
void TForm1::FM_Treppe1Click() { Modulationsthema(true, TSignalform::Treppe); }
void TForm1::FM_Sinus1Click() { Modulationsthema(true, TSignalform::Sinus); }
