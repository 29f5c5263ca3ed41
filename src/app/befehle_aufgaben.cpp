#include "app/form1.h"
#include "exercises/aufgabenerstellen_dlg.h"

// The exercise dialog; the display mode stays as it is.
void TForm1::erstellen1Click() {
  if (ohne_dialoge_) return;
  exercises::TAufgabenerstellenDlg dlg(this);
  dlg.exec();
}
