#pragma once

#include "phasors/parameter_dlg.h"

// "Ohmscher Widerstand:": R of the topic "nur Widerstand" on a logarithmic bar.
class TRpanelDlg : public TZeigerparameterDlg {
  Q_OBJECT
 public:
  explicit TRpanelDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void RScrollBar1Change();
  void RScrollBar1Scroll(platform::TScrollCode code, int& pos);

  platform::ScrollBar* RScrollBar1;
  QLabel* Label37;

 private:
  TLogGroesse R_;
};
