#include "experiments/parallel_dlg.h"

#include "toolkit/images.h"

namespace experiments {

using M = TZeichenmodus;

TExperimentRC_ParallelDlg::TExperimentRC_ParallelDlg(QWidget* parent)
    : TExperimentDlg(parent, "ExperimentRC_ParallelDlg",
                     {true,
                      TBauteile::RC,
                      QString(),
                      {"tung von Widerstand, ", "und Kondensator oder", "Spule einstellen."},
                      &Images().Image1,
                      &Images().Image2,
                      &M::Experiment_RC_parallel,
                      &M::Experiment_RL_parallel}) {}

TExperimentRCL_ParallelDlg::TExperimentRCL_ParallelDlg(QWidget* parent)
    : TExperimentDlg(parent, "ExperimentRCL_ParallelDlg",
                     {true,
                      TBauteile::RCL,
                      "Parallelschaltung: Widerstand, Kondensator, Spule:",
                      {"tung von Widerstand, ", "Kondensator und Spule", "einstellen."},
                      &Images().RCL_parallelImage,
                      nullptr,
                      &M::Experiment_RCL_parallel,
                      nullptr}) {}

TExperimentCL_ParallelDlg::TExperimentCL_ParallelDlg(QWidget* parent)
    : TExperimentDlg(parent, "ExperimentCL_ParallelDlg",
                     {true,
                      TBauteile::CL,
                      "Dialog",
                      {"tung von Kondensator", "und Spule einstellen."},
                      &Images().Image3,
                      nullptr,
                      &M::Experiment_CL_parallel,
                      nullptr}) {}

}  // namespace experiments
