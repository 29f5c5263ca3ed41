#pragma once

#include "experiments/experiment_dlg.h"

namespace experiments {

// Parallel circuit of a resistor with a capacitor ("RC") or a coil ("RL").
class TExperimentRC_ParallelDlg : public TExperimentDlg {
  Q_OBJECT
 public:
  explicit TExperimentRC_ParallelDlg(QWidget* parent = nullptr);

  QString Variante = QStringLiteral("RC");  // "RC" or "RL", set before showing

 protected:
  TBauteile Bauteile() const override;
  bool TZeichenmodus::*Themenflag() const override;
};

// "Parallelschaltung: Widerstand, Kondensator, Spule:"
class TExperimentRCL_ParallelDlg : public TExperimentDlg {
  Q_OBJECT
 public:
  explicit TExperimentRCL_ParallelDlg(QWidget* parent = nullptr);

 protected:
  TBauteile Bauteile() const override { return TBauteile::RCL; }
  bool TZeichenmodus::*Themenflag() const override { return &TZeichenmodus::Experiment_RCL_parallel; }
};

// Capacitor parallel to a coil; no resistor. Its window title stays "Dialog".
class TExperimentCL_ParallelDlg : public TExperimentDlg {
  Q_OBJECT
 public:
  explicit TExperimentCL_ParallelDlg(QWidget* parent = nullptr);

 protected:
  TBauteile Bauteile() const override { return TBauteile::CL; }
  bool TZeichenmodus::*Themenflag() const override { return &TZeichenmodus::Experiment_CL_parallel; }
};

}  // namespace experiments
