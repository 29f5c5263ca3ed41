#pragma once

#include "phasors/parameter_dlg.h"

// "Drehstrom:": the three phase voltages on linear bars from 10 V to 300 V.
class TDrehstromDlg : public TZeigerparameterDlg {
  Q_OBJECT
 public:
  explicit TDrehstromDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void U1ScrollBarScroll(platform::TScrollCode code, int& pos);
  void U2ScrollBarScroll(platform::TScrollCode code, int& pos);
  void U3ScrollBarScroll(platform::TScrollCode code, int& pos);

  platform::ScrollBar* U1ScrollBar;
  platform::ScrollBar* U2ScrollBar;
  platform::ScrollBar* U3ScrollBar;
  QLabel* Label41;
  QLabel* Label42;
  QLabel* Label43;
};
