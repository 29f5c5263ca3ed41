#include "experiments/reihen_dlg.h"

#include "toolkit/images.h"

namespace experiments {

TExperimentRC_ReiheDlg::TExperimentRC_ReiheDlg(QWidget* parent)
    : TExperimentDlg(parent, "ExperimentRC_ReiheDlg",
                     {false,
                      true,
                      true,
                      QString(),
                      {"tung von Widerstand, ", "und Kondensator", "einstellen."},
                      &Images().RCImage,
                      &Images().RLImage}) {}

TBauteile TExperimentRC_ReiheDlg::Bauteile() const { return Variante == "RL" ? TBauteile::RL : TBauteile::RC; }

bool TZeichenmodus::*TExperimentRC_ReiheDlg::Themenflag() const {
  return Variante == "RL" ? &TZeichenmodus::Experiment_RL_Reihe : &TZeichenmodus::Experiment_RC_Reihe;
}

TExperimentRCL_ReiheDlg::TExperimentRCL_ReiheDlg(QWidget* parent)
    : TExperimentDlg(parent, "ExperimentRCL_ReiheDlg",
                     {false,
                      false,
                      true,
                      "Reihenschaltung: Widerstand, Kondensator, Spule:",
                      {"tung von Widerstand, ", "Kondensator und Spule", "einstellen."},
                      &Images().RCLImage,
                      nullptr}) {}

}  // namespace experiments
