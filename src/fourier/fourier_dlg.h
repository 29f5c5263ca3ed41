#pragma once

#include <array>

#include "toolkit/themendialog.h"

namespace platform {
class BitBtn;
class RadioGroup;
class TrackBar;
}  // namespace platform

// Common ground of the two Fourier dialogs: beside the drawing, the help button, closing by a
// click on the free area.
class TFourierDlg : public TThemendialog {
 public:
  // FormShow runs when the dialog is shown (tests call show(), the program exec()).
  virtual void FormShow() = 0;
  void FormClick() override { reject(); }

 protected:
  TFourierDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h);

  platform::BitBtn* Neuer_Knopf(const QString& name, const QString& caption, int x, int y, int w);
  // Right of the drawing, which takes the left half of the main window, level with its top.
  void Platziere_neben_Zeichnung();
  // The calculation help on the Fourier section, modally.
  void Zeige_Hinweise();

  void showEvent(QShowEvent* event) override;
};

// Fourier 1: the signal and the number of harmonics.
class TFouriersyntheseDlg : public TFourierDlg {
 public:
  explicit TFouriersyntheseDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void Get_Radiobuttons();
  void RadioGroup1Click() { Get_Radiobuttons(); }
  // Button1 ... Button9: the number of harmonics.
  void Setze_Oberwellen(int N);

  platform::RadioGroup* RadioGroup1;
  std::array<platform::BitBtn*, 9> Oberwellenknoepfe;  // Button1 ... Button9
  platform::BitBtn* Button10;                          // "Hinweise"
  platform::BitBtn* CancelBtn;
};

// Fourier 2: seventeen coefficients on track bars.
class TFouriersysthese2Dlg : public TFourierDlg {
 public:
  explicit TFouriersysthese2Dlg(QWidget* parent = nullptr);

  void FormShow() override;
  void GetTrackPositions();
  // TrackBar1Change ... TrackBar17Change.
  void TrackBarChange(int i);
  void Button1Click();

  std::array<platform::TrackBar*, 17> TrackBars;  // TrackBar1 ... TrackBar17: a0 ... a8, b1 ... b8
  platform::BitBtn* Button1;                      // "Standard"
  platform::BitBtn* Button2;                      // "Hinweise"
  platform::BitBtn* CancelBtn;
};
