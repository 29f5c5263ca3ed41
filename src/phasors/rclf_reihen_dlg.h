#pragma once

#include "phasors/parameter_dlg.h"

// "Widerstand, Kondensator, Spule in Reihe:": R, C and L on logarithmic bars, f on a linear
// bar from 10 Hz to 1000 Hz.
class TRCLf_reihenDLG : public TZeigerparameterDlg {
  Q_OBJECT
 public:
  explicit TRCLf_reihenDLG(QWidget* parent = nullptr);

  void FormShow() override;
  void ScrollBar1Change();
  void ScrollBar2Change();
  void ScrollBar3Change();
  void ScrollBar1Scroll(platform::TScrollCode code, int& pos);
  void ScrollBar2Scroll(platform::TScrollCode code, int& pos);
  void ScrollBar3Scroll(platform::TScrollCode code, int& pos);
  void ScrollBar4Scroll(platform::TScrollCode code, int& pos);

  platform::ScrollBar* ScrollBar1;
  platform::ScrollBar* ScrollBar2;
  platform::ScrollBar* ScrollBar3;
  platform::ScrollBar* ScrollBar4;
  QLabel* Label29;
  QLabel* Label31;
  QLabel* Label33;
  QLabel* Label35;

 private:
  TLogGroesse R_, C_, L_;
};
