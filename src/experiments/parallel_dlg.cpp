#include "experiments/parallel_dlg.h"

#include "toolkit/images.h"

namespace experiments {

TExperimentRC_ParallelDlg::TExperimentRC_ParallelDlg(QWidget* parent)
    : TExperimentDlg(parent, "ExperimentRC_ParallelDlg",
                     {true,
                      true,
                      true,
                      QString(),
                      {"tung von Widerstand, ", "und Kondensator oder", "Spule einstellen."},
                      &Images().Image1,
                      &Images().Image2}) {}

TBauteile TExperimentRC_ParallelDlg::Bauteile() const { return Variante == "RL" ? TBauteile::RL : TBauteile::RC; }

bool TZeichenmodus::*TExperimentRC_ParallelDlg::Themenflag() const {
  return Variante == "RL" ? &TZeichenmodus::Experiment_RL_parallel : &TZeichenmodus::Experiment_RC_parallel;
}

TExperimentRCL_ParallelDlg::TExperimentRCL_ParallelDlg(QWidget* parent)
    : TExperimentDlg(parent, "ExperimentRCL_ParallelDlg",
                     {true,
                      false,
                      true,
                      "Parallelschaltung: Widerstand, Kondensator, Spule:",
                      {"tung von Widerstand, ", "Kondensator und Spule", "einstellen."},
                      &Images().RCL_parallelImage,
                      nullptr}) {}

TExperimentCL_ParallelDlg::TExperimentCL_ParallelDlg(QWidget* parent)
    : TExperimentDlg(parent, "ExperimentCL_ParallelDlg",
                     {true,
                      false,
                      false,
                      "Dialog",
                      {"tung von Kondensator", "und Spule einstellen."},
                      &Images().Image3,
                      nullptr}) {}

}  // namespace experiments
