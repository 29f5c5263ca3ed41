#include "app/form1.h"
#include "help/rechenhilfe_dlg.h"

// The help opens on the section of the topic shown; the display mode stays as it is.
void TForm1::Rechenhilfe1Click() {
  if (ohne_dialoge_) return;
  help::TRechenhilfeDlg dlg(this);
  dlg.exec();
}
