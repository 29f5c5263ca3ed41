// The commands of the menu "Berechnungen": each opens its calculator dialog.

#include "app/form1.h"
#include "calculators/einzel_dialoge.h"
#include "calculators/parallel_dialog.h"
#include "calculators/reihen_dialoge.h"

namespace {

// Runs the calculator dialog D, told its kind by `variante` where it serves several.
template <typename D>
void Oeffne_Rechner(TForm1& form, const QString& variante = QString()) {
  form.Prepare();
  if (form.Ohne_Dialoge()) return;
  D dialog(&form);
  if constexpr (requires { dialog.Variante; }) dialog.Variante = variante;
  dialog.exec();
}

}  // namespace

using namespace calculators;

void TForm1::BerechneWiderstand1Click() { Oeffne_Rechner<TBerechne_WiderstandDlg>(*this); }
void TForm1::BerechneKondensator1Click() { Oeffne_Rechner<TBerechne_C_und_LDLG>(*this, "Kondensator"); }
void TForm1::BerechneSpule1Click() { Oeffne_Rechner<TBerechne_C_und_LDLG>(*this, "Spule"); }
void TForm1::BerechneRCReihe1Click() { Oeffne_Rechner<TRC_RL_ReiheDLG>(*this, "RC"); }
void TForm1::BerechneRLReihe1Click() { Oeffne_Rechner<TRC_RL_ReiheDLG>(*this, "RL"); }
void TForm1::BerechneCLReihe1Click() { Oeffne_Rechner<TBerechneRCL_ReiheDLG>(*this, "RCL_ohne_R"); }
void TForm1::BerechneRCLReihe1Click() { Oeffne_Rechner<TBerechneRCL_ReiheDLG>(*this, "RCL_mit_R"); }
void TForm1::BerechneRCParallel1Click() { Oeffne_Rechner<TBerechne_ParallelSchaltungenDLG>(*this, "RC_parallel"); }
void TForm1::BerechneRLParallel1Click() { Oeffne_Rechner<TBerechne_ParallelSchaltungenDLG>(*this, "RL_parallel"); }
void TForm1::BerechneCLParallel1Click() { Oeffne_Rechner<TBerechne_ParallelSchaltungenDLG>(*this, "CL_parallel"); }
void TForm1::BerechneRCLParallel1Click() { Oeffne_Rechner<TBerechne_ParallelSchaltungenDLG>(*this, "RCL_parallel"); }
void TForm1::BerechneHochTiefpass1Click() { Oeffne_Rechner<TBerechne_Hoch_TiefpassDlg>(*this); }
void TForm1::KapazitaeteinesKondensators1Click() {
  Oeffne_Rechner<TBerechne_Kapazitaet_InduktivitaetDLG>(*this, "Kondensator");
}
void TForm1::InduktivitaeteinerSpule1Click() { Oeffne_Rechner<TBerechne_Kapazitaet_InduktivitaetDLG>(*this, "Spule"); }
