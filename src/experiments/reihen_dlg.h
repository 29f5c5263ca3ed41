#pragma once

#include "experiments/experiment_dlg.h"

namespace experiments {

// Series circuit of a resistor with a capacitor (Variante "RC") or a coil ("RL").
class TExperimentRC_ReiheDlg : public TExperimentDlg {
  Q_OBJECT
 public:
  explicit TExperimentRC_ReiheDlg(QWidget* parent = nullptr);
};

// "Reihenschaltung: Widerstand, Kondensator, Spule:"
class TExperimentRCL_ReiheDlg : public TExperimentDlg {
  Q_OBJECT
 public:
  explicit TExperimentRCL_ReiheDlg(QWidget* parent = nullptr);
};

}  // namespace experiments
