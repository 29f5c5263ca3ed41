// Fourier synthesis 1 with 128 harmonics (about 46 000 segments) at 1920 x 1080.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <cstdlib>

#include "fourier/fouriersynthese.h"
#include "toolkit/farben.h"
#include "toolkit/layout.h"

namespace {

constexpr int kW = 1920, kH = 1080, kStatus = 20;

void BM_Fourier1_128_Oberwellen(benchmark::State& state) {
  Bereite_Fenster_vor(kW, kH, kStatus);
  Startwerte_Fourier1();
  Fourierwerte.N = 128;
  QImage image(kW, kH - kStatus, QImage::Format_RGB32);
  Canvas canvas(&image);
  for (auto _ : state) {
    canvas.Font.Name = "System";
    canvas.Font.SetSize(10);
    canvas.Pen.Color = QColor(0x80, 0x80, 0x80);
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = Farben.Hintergrund;
    canvas.Rectangle(0, 0, kW, kH);
    canvas.Pen.Width = 1;
    canvas.Pen.Color = Farben.Text;
    Zeichne_Fourier1(canvas);
    benchmark::DoNotOptimize(image.constBits());
  }
}

BENCHMARK(BM_Fourier1_128_Oberwellen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
