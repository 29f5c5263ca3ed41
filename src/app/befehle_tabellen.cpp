// The commands of the menu "Tabellen": each opens its table dialog, which sets the sheet.

#include "app/form1.h"
#include "tables/dekaden_dlg.h"
#include "tables/filter_dlg.h"

namespace {

// Runs the table dialog D, told its kind by `variante` where it serves several. Without
// dialogs (an export) the sheet shows the values the dialog opens with.
template <typename D>
void Oeffne_Tabelle(TForm1& form, const QString& variante = QString()) {
  form.Prepare();
  D dialog(&form);
  if constexpr (requires { dialog.Variante; }) dialog.Variante = variante;
  if (form.Ohne_Dialoge()) {
    dialog.FormShow();
    return;
  }
  dialog.exec();
}

}  // namespace

using namespace tables;

void TForm1::TabelleKapazitaeten1Click() { Oeffne_Tabelle<TBerechne_Tabelle_KondDLG>(*this); }
void TForm1::TabelleInduktivitaeten1Click() { Oeffne_Tabelle<TBerechne_Tabelle_SpuleDLG>(*this); }
void TForm1::TabelleSiebkette1Click() { Oeffne_Tabelle<TBerechne_Tabelle_SiebketteDLG>(*this); }
void TForm1::TabelleSperrkreis1Click() { Oeffne_Tabelle<TBerechne_Tabelle_SperrkreisDLG>(*this); }
void TForm1::TabelleHochpass1Click() { Oeffne_Tabelle<TBerechne_Tabelle_HochpassDLG>(*this, "Hochpass"); }
void TForm1::TabelleTiefpass1Click() { Oeffne_Tabelle<TBerechne_Tabelle_HochpassDLG>(*this, "Tiefpass"); }
