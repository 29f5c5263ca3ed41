#pragma once

#include <gtest/gtest.h>
#include <QImage>
#include <functional>
#include <vector>

#include "common/fake_hauptfenster.h"
#include "fields/ansicht.h"
#include "fields/elektronenbahn.h"
#include "platform/canvas.h"
#include "platform/recorder.h"
#include "platform/service_doubles.h"
#include "toolkit/farben.h"
#include "toolkit/layout.h"
#include "toolkit/zeichenmodus.h"

struct TPunkt3 {
  long double x, y, z;
  TStrich strich;
};

// Fresh field state and view for a window of 782 x 550, service doubles for the beep.
class FeldTest : public ::testing::Test {
 protected:
  FeldTest() {
    Zeichenmodus = TZeichenmodus{};
    Farben = TFarben{};
    Feld = TFeldwerte{};
    Ansicht = TAnsicht{};
    Setze_Hauptfenster(&window);
    Fenstergroesse(782, 550);
  }
  ~FeldTest() override { Setze_Hauptfenster(nullptr); }

  void Fenstergroesse(int w, int h) {
    window.w = w;
    window.h = h;
    Bereite_Fenster_vor(window);
    Setze_Ansicht();
    Berechne_Projektion();
  }

  // A sink that keeps every point (tests only).
  static TBahnsenke Sammler(std::vector<TPunkt3>& punkte) {
    return [&punkte](long double x, long double y, long double z, TStrich s) { punkte.push_back({x, y, z, s}); };
  }

  platform::Recorder Zeichne(const std::function<void(Canvas&)>& zeichnung) {
    platform::Recorder rec;
    QImage image(window.w, window.h - window.sb, QImage::Format_RGB32);
    image.fill(Farben.Hintergrund);
    Canvas canvas(&image);
    canvas.Font.Name = "System";
    canvas.Font.SetSize(10);
    canvas.Pen.Color = Farben.Text;
    canvas.SetRecorder(&rec);
    zeichnung(canvas);
    bild = image;
    return rec;
  }

  FakeHauptfenster window{782, 550, 19, {100, 80}};
  platform::ScopedTestServices services;
  QImage bild;  // the last drawing
};
