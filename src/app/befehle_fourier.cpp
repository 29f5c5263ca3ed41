// Menu commands of the Fourier synthesis.
#include "app/form1.h"
#include "fourier/fourier_dlg.h"
#include "fourier/fouriersynthese.h"
#include "toolkit/farben.h"

// The start values are those the dialog sets when it opens, so that a drawing without the
// dialog (export) shows the same.
void TForm1::Fourier11Click() {
  Prepare();
  Zeichenmodus.Fourier1 = true;
  Startwerte_Fourier1();
  Invalidate();
  if (ohne_dialoge_) return;
  TFouriersyntheseDlg dlg(this);
  dlg.exec();
}

void TForm1::Fourier21Click() {
  Prepare();
  Zeichenmodus.Fourier2 = true;
  fensterfarbe_ = Farben.Hintergrund;
  Startwerte_Fourier2();
  Invalidate();
  if (ohne_dialoge_) return;
  TFouriersysthese2Dlg dlg(this);
  dlg.exec();
}
