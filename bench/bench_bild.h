#pragma once

// What the redraw benchmarks share: a 1920 x 1080 client area, clearing the picture as the
// main window does before a drawing, and the benchmark main.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QColor>
#include <cstdlib>

#include "toolkit/farben.h"
#include "toolkit/grundelemente.h"

constexpr int kW = 1920, kH = 1080, kStatus = 20;

// Grey frame over the background, the text pen, System 10.
inline void Bild_loeschen(Canvas& canvas) {
  canvas.Font.Name = "System";
  canvas.Font.SetSize(10);
  canvas.Pen.Color = QColor(0x80, 0x80, 0x80);
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = Farben.Hintergrund;
  canvas.Rectangle(0, 0, kW, kH);
  canvas.Pen.Width = 1;
  canvas.Pen.Color = Farben.Text;
}

// Runs the benchmarks in a Qt application, off-screen unless a platform is set.
inline int Benchmarks_ausfuehren(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
