#pragma once

#include <QRect>

#include "toolkit/grundelemente.h"

class QWidget;

// What topics need from the main window. The main window implements it; tests use a fake.
class THauptfenster {
 public:
  virtual ~THauptfenster() = default;
  virtual void Invalidate() = 0;  // queue one redraw
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;  // the status bar included
  virtual int StatusBarHeight() const = 0;
  virtual QRect ClientRectOnScreen() const = 0;  // for placing dialogs
  virtual QWidget* Widget() = 0;                 // owner of dialogs; may be null in tests
  virtual bool KeyHeld() const = 0;              // a key is down (pausing animations)
  virtual TFont CanvasFont() const = 0;          // the font Prepare leaves on the window canvas
  // A redraw was asked for while a drawing runs; an animation ends early so it can follow.
  virtual bool Neuzeichnen_ausstehend() const { return false; }
};

THauptfenster* Hauptfenster();
void Setze_Hauptfenster(THauptfenster* window);
