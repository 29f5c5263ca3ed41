#include "phasors/rpanel_dlg.h"

#include "toolkit/schaltung.h"

using platform::TScrollCode;

TRpanelDlg::TRpanelDlg(QWidget* parent)
    : TZeigerparameterDlg(parent, QStringLiteral("RpanelDlg"), QStringLiteral("Ohmscher Widerstand:"), 330, 24),
      R_{&Schaltung.R_Zeiger, &Schaltung.R_min, &Schaltung.R_max, 1, QStringLiteral(" Ohm")} {
  Neues_Namenslabel("Label36", "R", 8, 5);
  RScrollBar1 = Neuer_Schieber("RScrollBar1", 24, 8, 0, 1000);
  Label37 = Neues_Wertlabel("Label37", 264, 6);
  RScrollBar1->OnChange = [this] { RScrollBar1Change(); };
  RScrollBar1->OnScroll = [this](TScrollCode code, int& pos) { RScrollBar1Scroll(code, pos); };
}

void TRpanelDlg::FormShow() { Zeige_Log(RScrollBar1, Label37, R_); }

void TRpanelDlg::RScrollBar1Change() { Log_Aenderung(RScrollBar1, Label37, R_); }

// The drawing computes its own values.
void TRpanelDlg::RScrollBar1Scroll(TScrollCode code, int& pos) {
  Log_Scroll(RScrollBar1, Label37, R_, code, pos, nullptr);
}
