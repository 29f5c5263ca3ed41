#pragma once

#include <QDialog>
#include <QString>

#include "platform/free_area_click.h"
#include "platform/scrollbar.h"
#include "toolkit/real48.h"

class QLabel;

// A circuit value on a logarithmic bar: the value, its bounds, and how its label shows it.
struct TLogGroesse {
  real48* wert = nullptr;
  real48* min = nullptr;
  real48* max = nullptr;
  long double faktor = 1;  // display unit per SI unit (1e6 for uF)
  QString einheit;         // " Ohm", " uF", ...
};

// Common ground of the parameter dialogs of the phasor topics: fixed client size, dialog
// font, rows of name label, bar and value label, placement at the bottom right corner of the
// main window, and closing by a click on the free area.
//
// Scroll codes: a drag lets only the label follow; release and arrow steps recompute and
// redraw the main window; page steps (and Home/End) change value and label without a redraw.
class TZeigerparameterDlg : public QDialog {
  Q_OBJECT
 public:
  void FormClick();

  // The codes after which the main window is redrawn.
  static bool Losgelassen_oder_Schritt(platform::TScrollCode code);

 protected:
  TZeigerparameterDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h);

  virtual void FormShow() = 0;

  // Name labels are Arial 10 pt, value labels use the dialog font.
  QLabel* Neues_Namenslabel(const QString& name, const QString& text, int x, int y);
  QLabel* Neues_Wertlabel(const QString& name, int x, int y);
  platform::ScrollBar* Neuer_Schieber(const QString& name, int x, int y, int min, int max);
  static void Setze_Text(QLabel* label, const QString& text);

  // Bottom right corner of the main window, 2 pixels from its right edge, above its status bar.
  void Platziere();
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
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  platform::FreeAreaClick freie_flaeche_;
};
