#pragma once

#include <QDialog>
#include <QString>

#include "platform/free_area_click.h"

class QLabel;
namespace platform {
class ScrollBar;
}

// Base of the parameter dialogs of the curve topics: fixed client size, the dialog font,
// a row builder, placement beside the main window, and closing by a click on the free area.
class TKurvenDlg : public QDialog {
  Q_OBJECT
 public:
  // FormShow runs when the dialog is shown (tests call show(), the program exec()).
  virtual void FormShow() = 0;
  // A click on the free area.
  virtual void FormClick() = 0;

 protected:
  TKurvenDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h);

  // Name label in Arial 10 pt; value label in the dialog font.
  QLabel* Neues_Namenslabel(const QString& name, const QString& text, int x, int y);
  QLabel* Neues_Wertlabel(const QString& name, int x, int y, int w);
  platform::ScrollBar* Neuer_Schieber(const QString& name, int x, int y, int w, int min, int max);

  // Bottom right of the main window's client area, 2 pixels from its right edge, above the status bar.
  void Platziere_unten_rechts();
  // Top left corner of the frame at (x, y) in the main window's client area.
  void Platziere_im_Hauptfenster(int x, int y);

  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  platform::FreeAreaClick freie_flaeche_;
};

// Lets the main window redraw (no main window: nothing).
void Hauptfenster_neu_zeichnen();
