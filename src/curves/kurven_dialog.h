#pragma once

#include <QString>

#include "toolkit/themendialog.h"

class QLabel;
namespace platform {
class ScrollBar;
}

// Base of the parameter dialogs of the curve topics: value labels and placement beside the
// main window.
class TKurvenDlg : public TThemendialog {
  Q_OBJECT
 public:
  // FormShow runs when the dialog is shown (tests call show(), the program exec()).
  virtual void FormShow() = 0;

 protected:
  TKurvenDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h);

  // Value label in the dialog font.
  QLabel* Neues_Wertlabel(const QString& name, int x, int y, int w);

  // Bottom right of the main window's client area, 2 pixels from its right edge, above the status bar.
  void Platziere_unten_rechts();
  // Top left corner of the frame at (x, y) in the main window's client area.
  void Platziere_im_Hauptfenster(int x, int y);

  void showEvent(QShowEvent* event) override;
};

// Lets the main window redraw (no main window: nothing).
void Hauptfenster_neu_zeichnen();
