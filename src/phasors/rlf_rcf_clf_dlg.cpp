#include "phasors/rlf_rcf_clf_dlg.h"

#include "phasors/reihen_berechnung.h"
#include "toolkit/schaltung.h"
#include "toolkit/zeichenmodus.h"

using platform::TScrollCode;

namespace {
TLogGroesse Widerstand() {
  return {&Schaltung.R_Zeiger, &Schaltung.R_min, &Schaltung.R_max, 1, QStringLiteral(" Ohm")};
}
TLogGroesse Kapazitaet() { return {&Schaltung.C, &Schaltung.C_min, &Schaltung.C_max, 1e6L, QStringLiteral(" uF")}; }
TLogGroesse Induktivitaet() { return {&Schaltung.L, &Schaltung.L_min, &Schaltung.L_max, 1000, QStringLiteral(" mH")}; }
}  // namespace

TRLF_RCF_CLFDlg::TRLF_RCF_CLFDlg(QWidget* parent)
    : TZeigerparameterDlg(parent, QStringLiteral("RLF_RCF_CLFDlg"), QString(), 331, 54),
      f_{&Schaltung.f, &Schaltung.f_min, &Schaltung.f_max, 1, QStringLiteral(" Hz")} {
  Label21 = Neues_Namenslabel("Label21", "R", 6, 6);
  ScrollBar1 = Neuer_Schieber("ScrollBar1", 20, 8, 0, 10000);
  Label22 = Neues_Wertlabel("Label22", 258, 6);
  Label23 = Neues_Namenslabel("Label23", "C", 6, 23);
  ScrollBar2 = Neuer_Schieber("ScrollBar2", 20, 24, 0, 10000);
  Label24 = Neues_Wertlabel("Label24", 258, 23);
  Neues_Namenslabel("Label25", "f", 6, 38);
  ScrollBar3 = Neuer_Schieber("ScrollBar3", 20, 40, 0, 10000);
  Label26 = Neues_Wertlabel("Label26", 258, 38);
  Waehle_Schaltung();
  ScrollBar1->OnChange = [this] { ScrollBar1Change(); };
  ScrollBar2->OnChange = [this] { ScrollBar2Change(); };
  ScrollBar3->OnChange = [this] { ScrollBar3Change(); };
  ScrollBar1->OnScroll = [this](TScrollCode code, int& pos) { ScrollBar1Scroll(code, pos); };
  ScrollBar2->OnScroll = [this](TScrollCode code, int& pos) { ScrollBar2Scroll(code, pos); };
  ScrollBar3->OnScroll = [this](TScrollCode code, int& pos) { ScrollBar3Scroll(code, pos); };
}

void TRLF_RCF_CLFDlg::Waehle_Schaltung() {
  const TZeichenmodus& m = Zeichenmodus;
  if (m.Kondensator_Spule) {
    setWindowTitle(QStringLiteral("Kondensator und Spule in Reihe:"));
    Setze_Text(Label21, QStringLiteral("C"));
    Setze_Text(Label23, QStringLiteral("L"));
    erste_ = Kapazitaet();
    zweite_ = Induktivitaet();
    berechnung_ = Berechne_CL_Reihe;
  } else if (m.Widerstand_Spule) {
    setWindowTitle(QStringLiteral("Widerstand und Spule in Reihe:"));
    Setze_Text(Label21, QStringLiteral("R"));
    Setze_Text(Label23, QStringLiteral("L"));
    erste_ = Widerstand();
    zweite_ = Induktivitaet();
    berechnung_ = Berechne_RL_Reihe;
  } else {
    setWindowTitle(QStringLiteral("Widerstand und Kondensator in Reihe:"));
    Setze_Text(Label21, QStringLiteral("R"));
    Setze_Text(Label23, QStringLiteral("C"));
    erste_ = Widerstand();
    zweite_ = Kapazitaet();
    berechnung_ = Berechne_RC_Reihe;
  }
}

// The labels are written here as well: a bar whose position does not move fires no change.
// Values snapped to the bars' grid get their derived values at once.
void TRLF_RCF_CLFDlg::FormShow() {
  Waehle_Schaltung();
  Zeige_Log(ScrollBar1, Label22, erste_);
  Zeige_Log(ScrollBar2, Label24, zweite_);
  Zeige_Log(ScrollBar3, Label26, f_);
  berechnung_();
}

void TRLF_RCF_CLFDlg::ScrollBar1Change() { Log_Aenderung(ScrollBar1, Label22, erste_); }
void TRLF_RCF_CLFDlg::ScrollBar2Change() { Log_Aenderung(ScrollBar2, Label24, zweite_); }
void TRLF_RCF_CLFDlg::ScrollBar3Change() { Log_Aenderung(ScrollBar3, Label26, f_); }

void TRLF_RCF_CLFDlg::ScrollBar1Scroll(TScrollCode code, int& pos) {
  Log_Scroll(ScrollBar1, Label22, erste_, code, pos, berechnung_);
}
void TRLF_RCF_CLFDlg::ScrollBar2Scroll(TScrollCode code, int& pos) {
  Log_Scroll(ScrollBar2, Label24, zweite_, code, pos, berechnung_);
}
void TRLF_RCF_CLFDlg::ScrollBar3Scroll(TScrollCode code, int& pos) {
  Log_Scroll(ScrollBar3, Label26, f_, code, pos, berechnung_);
}
