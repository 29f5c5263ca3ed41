#pragma once

#include <gtest/gtest.h>
#include <QImage>

#include "phasors/zeigerwerte.h"
#include "platform/recorder.h"
#include "platform/service_doubles.h"
#include "toolkit/farben.h"
#include "toolkit/grundelemente.h"
#include "toolkit/layout.h"
#include "toolkit/schaltung.h"

// Fresh shared state, default colours and a 782 x 350 window: cx 102, cy 175, r0 100, x0 207.
class PhasorTest : public ::testing::Test {
 protected:
  PhasorTest() {
    Schaltung = TSchaltung{};
    Zeigerwerte = TZeigerwerte{};
    Farben = TFarben{};
    Einstellungen = TEinstellungen{};
    Bereite_Fenster_vor(782, 350, 20);
  }

  // Runs a drawing on an off-screen image and keeps its primitives in rec.
  void Zeichne(void (*zeichnung)(Canvas&)) {
    rec.clear();
    Canvas canvas(&image);
    canvas.SetRecorder(&rec);
    canvas.Font.Name = "System";
    canvas.Font.Pitch = TFontPitch::fpFixed;
    canvas.Font.SetSize(10);
    zeichnung(canvas);
  }

  // The bold final phasors, in drawing order.
  std::vector<platform::RecordedOp> Endzeiger() const {
    std::vector<platform::RecordedOp> out;
    for (const auto& op : rec.lines()) {
      if (op.penWidth == 2) out.push_back(op);
    }
    return out;
  }

  QImage image{782, 330, QImage::Format_RGB32};
  platform::Recorder rec;
  platform::ScopedTestServices services;
};
