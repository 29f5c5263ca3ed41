#pragma once

#include "phasors/parameter_dlg.h"

// The two-element series topics: R and C, R and L, or C and L on two logarithmic bars, and f
// on a logarithmic bar between its bounds. Caption, names and quantities follow the topic
// flag when the dialog is shown.
class TRLF_RCF_CLFDlg : public TZeigerparameterDlg {
  Q_OBJECT
 public:
  explicit TRLF_RCF_CLFDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ScrollBar1Change();
  void ScrollBar2Change();
  void ScrollBar3Change();
  void ScrollBar1Scroll(platform::TScrollCode code, int& pos);
  void ScrollBar2Scroll(platform::TScrollCode code, int& pos);
  void ScrollBar3Scroll(platform::TScrollCode code, int& pos);

  platform::ScrollBar* ScrollBar1;
  platform::ScrollBar* ScrollBar2;
  platform::ScrollBar* ScrollBar3;
  QLabel* Label21;
  QLabel* Label22;
  QLabel* Label23;
  QLabel* Label24;
  QLabel* Label26;

 private:
  void Waehle_Schaltung();

  TLogGroesse erste_, zweite_, f_;
  void (*berechnung_)() = nullptr;
};
