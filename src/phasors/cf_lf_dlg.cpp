#include "phasors/cf_lf_dlg.h"

#include "toolkit/schaltung.h"
#include "toolkit/zeichenmodus.h"

using platform::TScrollCode;

namespace {
const QString kHertz = QStringLiteral(" Hz");
}

TCf_Lf_Dlg::TCf_Lf_Dlg(QWidget* parent) : TZeigerparameterDlg(parent, QStringLiteral("Cf_Lf_Dlg"), QString(), 332, 39) {
  Label4 = Neues_Namenslabel("Label4", "C", 6, 6);
  ScrollBar1 = Neuer_Schieber("ScrollBar1", 20, 8, 0, 10000);
  Label5 = Neues_Wertlabel("Label5", 260, 6);
  Neues_Namenslabel("Label10", "f", 8, 22);
  ScrollBar2 = Neuer_Schieber("ScrollBar2", 20, 24, 5, 1000);
  Label11 = Neues_Wertlabel("Label11", 260, 23);
  Waehle_Bauteil();
  ScrollBar1->OnChange = [this] { ScrollBar1Change(); };
  ScrollBar1->OnScroll = [this](TScrollCode code, int& pos) { ScrollBar1Scroll(code, pos); };
  ScrollBar2->OnScroll = [this](TScrollCode code, int& pos) { ScrollBar2Scroll(code, pos); };
}

void TCf_Lf_Dlg::Waehle_Bauteil() {
  if (Zeichenmodus.nur_Spule) {
    setWindowTitle(QStringLiteral("Spule im Wechselstromkreis"));
    Setze_Text(Label4, QStringLiteral("L"));
    bauteil_ = {&Schaltung.L, &Schaltung.L_min, &Schaltung.L_max, 1000, QStringLiteral(" mH")};
  } else {
    setWindowTitle(QStringLiteral("Kondensator im Wechselstromkreis"));
    Setze_Text(Label4, QStringLiteral("C"));
    bauteil_ = {&Schaltung.C, &Schaltung.C_min, &Schaltung.C_max, 1e6L, QStringLiteral(" uF")};
  }
}

void TCf_Lf_Dlg::FormShow() {
  Waehle_Bauteil();
  Zeige_Log(ScrollBar1, Label5, bauteil_);
  Zeige_Linear(ScrollBar2, Label11, Schaltung.f, kHertz);
}

void TCf_Lf_Dlg::ScrollBar1Change() { Log_Aenderung(ScrollBar1, Label5, bauteil_); }

// The drawings of both topics compute their own values.
void TCf_Lf_Dlg::ScrollBar1Scroll(TScrollCode code, int& pos) {
  Log_Scroll(ScrollBar1, Label5, bauteil_, code, pos, nullptr);
}

void TCf_Lf_Dlg::ScrollBar2Scroll(TScrollCode code, int& pos) {
  Linear_Scroll(Label11, Schaltung.f, kHertz, code, pos, nullptr);
}
