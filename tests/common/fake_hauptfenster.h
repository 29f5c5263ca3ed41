#pragma once

#include <QPoint>
#include <QRect>

#include "toolkit/hauptfenster.h"

// Main window stand-in: a client area of w x h (status bar included) at ursprung on the
// screen; counts redraw requests and answers the key and redraw questions as set.
class FakeHauptfenster : public THauptfenster {
 public:
  FakeHauptfenster(int w_ = 782, int h_ = 550, int sb_ = 20, QPoint ursprung_ = {0, 0})
      : w(w_), h(h_), sb(sb_), ursprung(ursprung_) {}

  void Invalidate() override { ++invalidiert; }
  int ClientWidth() const override { return w; }
  int ClientHeight() const override { return h; }
  int StatusBarHeight() const override { return sb; }
  QRect ClientRectOnScreen() const override { return QRect(ursprung.x(), ursprung.y(), w, h); }
  QWidget* Widget() override { return nullptr; }
  bool KeyHeld() const override { return taste_gedrueckt; }
  TFont CanvasFont() const override { return TFont{}; }
  bool Neuzeichnen_ausstehend() const override { return neuzeichnen_ausstehend; }

  int invalidiert = 0;
  int w, h, sb;
  QPoint ursprung;
  bool taste_gedrueckt = false;
  bool neuzeichnen_ausstehend = false;
};
