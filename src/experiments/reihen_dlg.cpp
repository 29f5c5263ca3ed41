#include "experiments/reihen_dlg.h"

#include "toolkit/images.h"

namespace experiments {

using M = TZeichenmodus;

TExperimentRC_ReiheDlg::TExperimentRC_ReiheDlg(QWidget* parent)
    : TExperimentDlg(parent, "ExperimentRC_ReiheDlg",
                     {false,
                      TBauteile::RC,
                      QString(),
                      {"tung von Widerstand, ", "und Kondensator", "einstellen."},
                      &Images().RCImage,
                      &Images().RLImage,
                      &M::Experiment_RC_Reihe,
                      &M::Experiment_RL_Reihe}) {}

TExperimentRCL_ReiheDlg::TExperimentRCL_ReiheDlg(QWidget* parent)
    : TExperimentDlg(parent, "ExperimentRCL_ReiheDlg",
                     {false,
                      TBauteile::RCL,
                      "Reihenschaltung: Widerstand, Kondensator, Spule:",
                      {"tung von Widerstand, ", "Kondensator und Spule", "einstellen."},
                      &Images().RCLImage,
                      nullptr,
                      &M::Experiment_RCL_Reihe,
                      nullptr}) {}

}  // namespace experiments
