#pragma once

#include "phasors/parameter_dlg.h"

// "nur Kondensator" and "nur Spule": C or L on a logarithmic bar, f on a linear bar from
// 5 Hz to 1000 Hz. Which of the two follows the topic flag when the dialog is shown.
class TCf_Lf_Dlg : public TZeigerparameterDlg {
  Q_OBJECT
 public:
  explicit TCf_Lf_Dlg(QWidget* parent = nullptr);

  void FormShow() override;
  void ScrollBar1Change();
  void ScrollBar1Scroll(platform::TScrollCode code, int& pos);
  void ScrollBar2Scroll(platform::TScrollCode code, int& pos);

  platform::ScrollBar* ScrollBar1;
  platform::ScrollBar* ScrollBar2;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label11;

 private:
  void Waehle_Bauteil();

  TLogGroesse bauteil_;
};
