#pragma once

#include "experiments/experiment_dlg.h"

namespace experiments {

// Series circuit of a resistor with a capacitor ("RC") or a coil ("RL").
class TExperimentRC_ReiheDlg : public TExperimentDlg {
  Q_OBJECT
 public:
  explicit TExperimentRC_ReiheDlg(QWidget* parent = nullptr);

  QString Variante = QStringLiteral("RC");  // "RC" or "RL", set before showing

 protected:
  TBauteile Bauteile() const override;
  bool TZeichenmodus::*Themenflag() const override;
};

// "Reihenschaltung: Widerstand, Kondensator, Spule:"
class TExperimentRCL_ReiheDlg : public TExperimentDlg {
  Q_OBJECT
 public:
  explicit TExperimentRCL_ReiheDlg(QWidget* parent = nullptr);

 protected:
  TBauteile Bauteile() const override { return TBauteile::RCL; }
  bool TZeichenmodus::*Themenflag() const override { return &TZeichenmodus::Experiment_RCL_Reihe; }
};

}  // namespace experiments
