#pragma once

#include <QDialog>
#include <QString>

#include "platform/free_area_click.h"

class QLabel;
namespace platform {
class ScrollBar;
}

// Common ground of the parameter dialogs of the drawing topics: fixed client size, the
// dialog font, name labels and bars, placement beside the main window, and closing by a
// click on the free area.
class TThemendialog : public QDialog {
 public:
  // A click on the dialog's free area (not on a control or label).
  virtual void FormClick() = 0;

 protected:
  TThemendialog(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h);

  // Name label in Arial 10 pt at (x, y), sized to its text.
  QLabel* Neues_Namenslabel(const QString& name, const QString& text, int x, int y);
  // Horizontal bar, 10 pixels high, range and position min .. max at min.
  platform::ScrollBar* Neuer_Schieber(const QString& name, int x, int y, int w, int min, int max);

  // Bottom right of the main window's client area, 2 pixels from its right edge, above the status bar.
  void Platziere_unten_rechts();
  // Top left corner of the frame at (x, y) in the main window's client area.
  void Platziere_im_Hauptfenster(int x, int y);

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  platform::FreeAreaClick freie_flaeche_;
};
