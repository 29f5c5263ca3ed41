#include "phasors/rclf_reihen_dlg.h"

#include "phasors/reihen_berechnung.h"
#include "toolkit/schaltung.h"

using platform::TScrollCode;

namespace {
const QString kHertz = QStringLiteral(" Hz");
}

TRCLf_reihenDLG::TRCLf_reihenDLG(QWidget* parent)
    : TZeigerparameterDlg(parent, QStringLiteral("RCLf_reihenDLG"),
                          QStringLiteral("Widerstand, Kondensator, Spule in Reihe:"), 327, 71),
      R_{&Schaltung.R_Zeiger, &Schaltung.R_min, &Schaltung.R_max, 1, QStringLiteral(" Ohm")},
      C_{&Schaltung.C, &Schaltung.C_min, &Schaltung.C_max, 1e6L, QStringLiteral(" uF")},
      L_{&Schaltung.L, &Schaltung.L_min, &Schaltung.L_max, 1000, QStringLiteral(" mH")} {
  Neues_Namenslabel("Label28", "R", 8, 6);
  ScrollBar1 = Neuer_Schieber("ScrollBar1", 24, 8, 0, 10000);
  Label29 = Neues_Wertlabel("Label29", 264, 6);
  Neues_Namenslabel("Label30", "C", 8, 23);
  ScrollBar2 = Neuer_Schieber("ScrollBar2", 24, 24, 0, 10000);
  Label31 = Neues_Wertlabel("Label31", 264, 23);
  Neues_Namenslabel("Label32", "L", 8, 38);
  ScrollBar3 = Neuer_Schieber("ScrollBar3", 24, 40, 0, 10000);
  Label33 = Neues_Wertlabel("Label33", 264, 38);
  Neues_Namenslabel("Label34", "f", 9, 52);
  ScrollBar4 = Neuer_Schieber("ScrollBar4", 24, 56, 10, 1000);
  Label35 = Neues_Wertlabel("Label35", 264, 52);
  ScrollBar1->OnChange = [this] { ScrollBar1Change(); };
  ScrollBar2->OnChange = [this] { ScrollBar2Change(); };
  ScrollBar3->OnChange = [this] { ScrollBar3Change(); };
  ScrollBar1->OnScroll = [this](TScrollCode code, int& pos) { ScrollBar1Scroll(code, pos); };
  ScrollBar2->OnScroll = [this](TScrollCode code, int& pos) { ScrollBar2Scroll(code, pos); };
  ScrollBar3->OnScroll = [this](TScrollCode code, int& pos) { ScrollBar3Scroll(code, pos); };
  ScrollBar4->OnScroll = [this](TScrollCode code, int& pos) { ScrollBar4Scroll(code, pos); };
}

void TRCLf_reihenDLG::FormShow() {
  Zeige_Log(ScrollBar1, Label29, R_);
  Zeige_Log(ScrollBar2, Label31, C_);
  Zeige_Log(ScrollBar3, Label33, L_);
  Zeige_Linear(ScrollBar4, Label35, Schaltung.f, kHertz);
  Berechne_RCL_Reihe();  // values snapped to the bars' grid get their derived values at once
}

void TRCLf_reihenDLG::ScrollBar1Change() { Log_Aenderung(ScrollBar1, Label29, R_); }
void TRCLf_reihenDLG::ScrollBar2Change() { Log_Aenderung(ScrollBar2, Label31, C_); }
void TRCLf_reihenDLG::ScrollBar3Change() { Log_Aenderung(ScrollBar3, Label33, L_); }

void TRCLf_reihenDLG::ScrollBar1Scroll(TScrollCode code, int& pos) {
  Log_Scroll(ScrollBar1, Label29, R_, code, pos, Berechne_RCL_Reihe);
}
void TRCLf_reihenDLG::ScrollBar2Scroll(TScrollCode code, int& pos) {
  Log_Scroll(ScrollBar2, Label31, C_, code, pos, Berechne_RCL_Reihe);
}
void TRCLf_reihenDLG::ScrollBar3Scroll(TScrollCode code, int& pos) {
  Log_Scroll(ScrollBar3, Label33, L_, code, pos, Berechne_RCL_Reihe);
}
void TRCLf_reihenDLG::ScrollBar4Scroll(TScrollCode code, int& pos) {
  Linear_Scroll(Label35, Schaltung.f, kHertz, code, pos, Berechne_RCL_Reihe);
}
