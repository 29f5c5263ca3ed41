// Fourier synthesis 1 with 128 harmonics (about 46 000 segments) at 1920 x 1080.
#include <QImage>

#include "bench_bild.h"
#include "fourier/fouriersynthese.h"
#include "toolkit/layout.h"

namespace {

void BM_Fourier1_128_Oberwellen(benchmark::State& state) {
  Bereite_Fenster_vor(kW, kH, kStatus);
  Startwerte_Fourier1();
  Fourierwerte.N = 128;
  QImage image(kW, kH - kStatus, QImage::Format_RGB32);
  Canvas canvas(&image);
  for (auto _ : state) {
    Bild_loeschen(canvas);
    Zeichne_Fourier1(canvas);
    benchmark::DoNotOptimize(image.constBits());
  }
}

BENCHMARK(BM_Fourier1_128_Oberwellen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return Benchmarks_ausfuehren(argc, argv); }
