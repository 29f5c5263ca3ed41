#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>

#include "experiments/berechne_werte.h"
#include "platform/updown.h"
#include "toolkit/grundelemente.h"
#include "toolkit/zeichenmodus.h"

class QLabel;
namespace platform {
class BitBtn;
class TrackBar;
}  // namespace platform

namespace experiments {

class TBild;

// Common ground of the experiment dialogs: vertical sliders for R, C, L and f, the value
// labels, the bar chart of the component voltages (series) or currents (parallel), the circuit
// picture, the supply voltage on an up-down control, the remark panel and the help button.
// The start values are set once per opening; minimising and restoring keeps what was set.
class TExperimentDlg : public QDialog {
  Q_OBJECT
 public:
  void FormShow();
  void Berechne_alle_werte();
  void Zeige_labels();
  // The bars of the current kind, in drawing order.
  void Zeige_Spannungen(Canvas& canvas);
  void TrackBar1Change();
  void TrackBar2Change();
  void TrackBar3Change();
  void TrackBar4Change();
  void UpDown1Click(platform::TUDBtnType button);
  void Button1Click();

  const TWerte& Werte() const { return werte_; }
  // The circuit shown now.
  TBauteile Bauteile() const;

  // The R-C / R-L dialogs serve two circuits, told which one before showing: "RC" or "RL".
  QString Variante = QStringLiteral("RC");

  // Null where a dialog has no such control.
  platform::TrackBar* TrackBar1 = nullptr;  // R
  platform::TrackBar* TrackBar2 = nullptr;  // C (L in "RL")
  platform::TrackBar* TrackBar3 = nullptr;  // L
  platform::TrackBar* TrackBar4 = nullptr;  // f
  QLabel* TrackBar2Caption = nullptr;       // "C" or "L" under TrackBar2
  QLabel* Rlabel = nullptr;
  QLabel* CCaption = nullptr;  // "C =" or "L ="
  QLabel* CLabel = nullptr;
  QLabel* LLabel = nullptr;
  QLabel* FLabel = nullptr;
  QLabel* FresLabel = nullptr;
  QLabel* IEffLabel = nullptr;
  QLabel* UrLabel = nullptr;
  QLabel* UcLabel = nullptr;
  QLabel* ULLabel = nullptr;
  QLabel* XcCaption = nullptr;  // "Xc =" or "XL ="
  QLabel* XcLabel = nullptr;
  QLabel* XLLabel = nullptr;
  QLabel* ZLabel = nullptr;
  QLabel* UgLabel = nullptr;
  platform::UpDown* UpDown1 = nullptr;
  TBild* Image2 = nullptr;  // bar chart
  QLabel* Image1 = nullptr;
  QLabel* Image3 = nullptr;
  QLabel* Bemerkung = nullptr;       // the remark lines
  QLabel* Bemerkung_navy = nullptr;  // the lines about the scale
  platform::BitBtn* Button1 = nullptr;
  platform::BitBtn* CancelBtn = nullptr;

 protected:
  // What one dialog shows.
  struct TAufbau {
    bool parallel;
    TBauteile bauteile;     // RC: the R-C / R-L dialog, one slider for C or L, told by Variante
    QString caption;        // window title; FormShow sets the one of R-C / R-L
    QStringList bemerkung;  // the remark's last lines, naming the components
    const QImage* bild;     // circuit picture (R-C in the R-C / R-L dialogs)
    const QImage* bild_RL;  // R-L picture of the R-C / R-L dialogs, else null
    // Display-mode flags of the menu commands that open the circuit (R-C, R-L): the help section.
    bool TZeichenmodus::*thema;
    bool TZeichenmodus::*thema_RL;
  };
  TExperimentDlg(QWidget* parent, const QString& name, const TAufbau& aufbau);

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  bool zwei_Bauteile() const { return aufbau_.bauteile == TBauteile::RC; }
  // The R-C-L dialogs set f linearly from 1 to 1000 Hz; the others logarithmically.
  bool linear_f() const { return Bauteile() == TBauteile::RCL; }
  void Neu_berechnen();
  void Zeige_Art();

  TAufbau aufbau_;
  QLabel* bild_RC_ = nullptr;  // the picture of R-C (or the only one) and of R-L
  QLabel* bild_RL_ = nullptr;
  TWerte werte_;
  int H_ = 0;  // bar chart height, fixed at show
  // Slider bounds: the dialog's own in series dialogs, the shared ones in parallel dialogs.
  struct TBereich {
    real48* min;
    real48* max;
  };
  TBereich R_bereich_{}, C_bereich_{}, L_bereich_{};
  real48 eigene_grenzen_[6];
  bool geoeffnet_ = false;
};

}  // namespace experiments
