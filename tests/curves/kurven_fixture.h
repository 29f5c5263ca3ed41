#pragma once

#include <gtest/gtest.h>
#include <QImage>
#include <functional>

#include "common/fake_hauptfenster.h"
#include "platform/canvas.h"
#include "platform/recorder.h"
#include "toolkit/farben.h"
#include "toolkit/layout.h"
#include "toolkit/schaltung.h"
#include "toolkit/zeichenmodus.h"

// Fresh shared state, a fake main window and a layout of its size.
class KurvenTest : public ::testing::Test {
 protected:
  KurvenTest() {
    Schaltung = TSchaltung{};
    Zeichenmodus = TZeichenmodus{};
    Farben = TFarben{};
    Setze_Hauptfenster(&window);
    Bereite_Fenster_vor(window);
  }
  ~KurvenTest() override { Setze_Hauptfenster(nullptr); }

  void Fenstergroesse(int w, int h) {
    window.w = w;
    window.h = h;
    Bereite_Fenster_vor(window);
  }

  // Runs a drawing on a canvas prepared as the main window prepares it, recording every primitive.
  platform::Recorder Zeichne(const std::function<void(Canvas&)>& zeichnung) {
    platform::Recorder rec;
    QImage image(window.w, window.h - window.sb, QImage::Format_RGB32);
    Canvas canvas(&image);
    canvas.Font.Name = "System";
    canvas.Font.SetSize(10);
    canvas.Pen.Color = QColor(0x80, 0x80, 0x80);
    canvas.Brush.Color = Farben.Hintergrund;
    canvas.Rectangle(0, 0, window.w, window.h);
    canvas.Pen.Color = Farben.Text;
    canvas.SetRecorder(&rec);
    zeichnung(canvas);
    return rec;
  }

  // Lines drawn in one pen colour, in drawing order.
  static std::vector<platform::RecordedOp> Linien(const platform::Recorder& rec, const QColor& c, int width = 1) {
    std::vector<platform::RecordedOp> out;
    for (const auto& op : rec.lines())
      if (op.penColor == c && op.penWidth == width) out.push_back(op);
    return out;
  }

  FakeHauptfenster window{800, 600, 20, {100, 80}};
};
