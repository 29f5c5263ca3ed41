#pragma once

#include <QString>

#include "toolkit/themendialog.h"

class QLabel;
namespace platform {
class ScrollBar;
}

// Base of the parameter dialogs of the curve topics: value labels.
class TKurvenDlg : public TThemendialog {
  Q_OBJECT
 public:
  // FormShow runs when the dialog is shown (tests call show(), the program exec()).
  virtual void FormShow() = 0;

 protected:
  TKurvenDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h);

  // Value label in the dialog font.
  QLabel* Neues_Wertlabel(const QString& name, int x, int y, int w);

  void showEvent(QShowEvent* event) override;
};

// Lets the main window redraw (no main window: nothing).
void Hauptfenster_neu_zeichnen();
