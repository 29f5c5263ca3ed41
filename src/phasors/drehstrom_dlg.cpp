#include "phasors/drehstrom_dlg.h"

#include "phasors/drehstrom.h"

using platform::TScrollCode;

namespace {
const QString kVolt = QStringLiteral(" V");
}

TDrehstromDlg::TDrehstromDlg(QWidget* parent)
    : TZeigerparameterDlg(parent, QStringLiteral("DrehstromDlg"), QStringLiteral("Drehstrom:"), 353, 55) {
  Neues_Namenslabel("Label38", "U1", 5, 6);
  Neues_Namenslabel("Label39", "U2", 5, 23);
  Neues_Namenslabel("Label40", "U3", 5, 38);
  U1ScrollBar = Neuer_Schieber("U1ScrollBar", 24, 8, 10, 300);
  U2ScrollBar = Neuer_Schieber("U2ScrollBar", 24, 24, 10, 300);
  U3ScrollBar = Neuer_Schieber("U3ScrollBar", 24, 40, 10, 300);
  Label41 = Neues_Wertlabel("Label41", 264, 6);
  Label42 = Neues_Wertlabel("Label42", 264, 23);
  Label43 = Neues_Wertlabel("Label43", 264, 38);
  U1ScrollBar->OnScroll = [this](TScrollCode code, int& pos) { U1ScrollBarScroll(code, pos); };
  U2ScrollBar->OnScroll = [this](TScrollCode code, int& pos) { U2ScrollBarScroll(code, pos); };
  U3ScrollBar->OnScroll = [this](TScrollCode code, int& pos) { U3ScrollBarScroll(code, pos); };
}

void TDrehstromDlg::FormShow() {
  Zeige_Linear(U1ScrollBar, Label41, Drehstromwerte.U1, kVolt);
  Zeige_Linear(U2ScrollBar, Label42, Drehstromwerte.U2, kVolt);
  Zeige_Linear(U3ScrollBar, Label43, Drehstromwerte.U3, kVolt);
}

void TDrehstromDlg::U1ScrollBarScroll(TScrollCode code, int& pos) {
  Linear_Scroll(Label41, Drehstromwerte.U1, kVolt, code, pos, nullptr);
}

void TDrehstromDlg::U2ScrollBarScroll(TScrollCode code, int& pos) {
  Linear_Scroll(Label42, Drehstromwerte.U2, kVolt, code, pos, nullptr);
}

void TDrehstromDlg::U3ScrollBarScroll(TScrollCode code, int& pos) {
  Linear_Scroll(Label43, Drehstromwerte.U3, kVolt, code, pos, nullptr);
}
