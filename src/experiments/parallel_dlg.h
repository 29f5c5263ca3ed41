#pragma once

#include "experiments/experiment_dlg.h"

namespace experiments {

// Parallel circuit of a resistor with a capacitor (Variante "RC") or a coil ("RL").
class TExperimentRC_ParallelDlg : public TExperimentDlg {
  Q_OBJECT
 public:
  explicit TExperimentRC_ParallelDlg(QWidget* parent = nullptr);
};

// "Parallelschaltung: Widerstand, Kondensator, Spule:"
class TExperimentRCL_ParallelDlg : public TExperimentDlg {
  Q_OBJECT
 public:
  explicit TExperimentRCL_ParallelDlg(QWidget* parent = nullptr);
};

// Capacitor parallel to a coil; no resistor. Its window title stays "Dialog".
class TExperimentCL_ParallelDlg : public TExperimentDlg {
  Q_OBJECT
 public:
  explicit TExperimentCL_ParallelDlg(QWidget* parent = nullptr);
};

}  // namespace experiments
