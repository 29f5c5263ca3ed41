// The commands of the menu "Experimente": each sets its experiment flag and opens its dialog,
// which draws only in its own window.

#include "app/form1.h"
#include "experiments/parallel_dlg.h"
#include "experiments/reihen_dlg.h"

namespace {

// Runs the experiment dialog D, told its kind by `variante` where it serves two circuits.
template <typename D>
void Oeffne_Experiment(TForm1& form, bool TZeichenmodus::*flag, const QString& variante = QString()) {
  form.Prepare();
  form.Invalidate();
  Zeichenmodus.*flag = true;
  if (form.Ohne_Dialoge()) return;
  D dialog(&form);
  if constexpr (requires { dialog.Variante; }) dialog.Variante = variante;
  dialog.exec();
}

}  // namespace

using namespace experiments;
using M = TZeichenmodus;

void TForm1::ExperimentRCReihe1Click() {
  Oeffne_Experiment<TExperimentRC_ReiheDlg>(*this, &M::Experiment_RC_Reihe, "RC");
}
void TForm1::ExperimentRLReihe1Click() {
  Oeffne_Experiment<TExperimentRC_ReiheDlg>(*this, &M::Experiment_RL_Reihe, "RL");
}
void TForm1::ExperimentRCLReihe1Click() { Oeffne_Experiment<TExperimentRCL_ReiheDlg>(*this, &M::Experiment_RCL_Reihe); }
void TForm1::ExperimentRCParallel1Click() {
  Oeffne_Experiment<TExperimentRC_ParallelDlg>(*this, &M::Experiment_RC_parallel, "RC");
}
void TForm1::ExperimentRLParallel1Click() {
  Oeffne_Experiment<TExperimentRC_ParallelDlg>(*this, &M::Experiment_RL_parallel, "RL");
}
void TForm1::ExperimentCLParallel1Click() {
  Oeffne_Experiment<TExperimentCL_ParallelDlg>(*this, &M::Experiment_CL_parallel);
}
void TForm1::ExperimentRCLParallel1Click() {
  Oeffne_Experiment<TExperimentRCL_ParallelDlg>(*this, &M::Experiment_RCL_parallel);
}
