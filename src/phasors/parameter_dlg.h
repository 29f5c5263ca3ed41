#pragma once

#include <QString>

#include "platform/scrollbar.h"
#include "toolkit/real48.h"
#include "toolkit/themendialog.h"

class QLabel;

// A circuit value on a logarithmic bar: the value, its bounds, and how its label shows it.
struct TLogGroesse {
  real48* wert = nullptr;
  real48* min = nullptr;
  real48* max = nullptr;
  long double faktor = 1;  // display unit per SI unit (1e6 for uF)
  QString einheit;         // " Ohm", " uF", ...
};

// Common ground of the parameter dialogs of the phasor topics: rows of name label, bar and
// value label, and placement at the bottom right corner of the main window.
//
// Scroll codes: a drag lets only the label follow; release and arrow steps recompute and
// redraw the main window; page steps (and Home/End) change value and label without a redraw.
class TZeigerparameterDlg : public TThemendialog {
  Q_OBJECT
 public:
  void FormClick() override;

  // The codes after which the main window is redrawn.
  static bool Losgelassen_oder_Schritt(platform::TScrollCode code);

 protected:
  TZeigerparameterDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h);

  virtual void FormShow() = 0;

  // Value labels use the dialog font; bars are 233 pixels wide.
  QLabel* Neues_Wertlabel(const QString& name, int x, int y);
  platform::ScrollBar* Neuer_Schieber(const QString& name, int x, int y, int min, int max);
  static void Setze_Text(QLabel* label, const QString& text);

  static void Neu_zeichnen();

  // Logarithmic bars.
  static QString Logtext(const TLogGroesse& g, long double x);
  static void Zeige_Log(platform::ScrollBar* bar, QLabel* label, const TLogGroesse& g);
  static void Log_Aenderung(platform::ScrollBar* bar, QLabel* label, const TLogGroesse& g);
  // berechnung may be empty: the drawing computes its own values.
  static void Log_Scroll(platform::ScrollBar* bar, QLabel* label, const TLogGroesse& g, platform::TScrollCode code,
                         int pos, void (*berechnung)());

  // Linear bars: the position is the value itself (whole hertz or volt).
  static void Zeige_Linear(platform::ScrollBar* bar, QLabel* label, long double x, const QString& einheit);
  static void Linear_Scroll(QLabel* label, real48& wert, const QString& einheit, platform::TScrollCode code, int pos,
                            void (*berechnung)());

  void showEvent(QShowEvent* event) override;
};
