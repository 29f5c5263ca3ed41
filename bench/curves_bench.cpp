// Redraw of each curve topic at 1920 x 1080 with its start values.
#include <QImage>

#include "bench_bild.h"
#include "curves/hoch_tiefpass.h"
#include "curves/lc_schwingkreis.h"
#include "curves/modulation.h"
#include "curves/resonanz.h"
#include "curves/schaltvorgaenge.h"
#include "curves/wobbel.h"
#include "toolkit/layout.h"
#include "toolkit/schaltung.h"
#include "toolkit/zeichenmodus.h"

namespace {

template <typename Zeichnung>
void Neu_zeichnen(benchmark::State& state, void (*startwerte)(), Zeichnung zeichnung) {
  Bereite_Fenster_vor(kW, kH, kStatus);
  startwerte();
  QImage image(kW, kH - kStatus, QImage::Format_RGB32);
  Canvas canvas(&image);
  for (auto _ : state) {
    Bild_loeschen(canvas);
    zeichnung(canvas);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void BM_Serienschwingkreis(benchmark::State& state) {
  Neu_zeichnen(state, Startwerte_Serienschwingkreis,
               [](Canvas& c) { Zeichne_Serienschwingkreis(c, Schaltung.R, Schaltung.C, Schaltung.L, Schaltung.Ueff); });
}
void BM_Parallelschwingkreis(benchmark::State& state) {
  Neu_zeichnen(state, Startwerte_Parallelschwingkreis, [](Canvas& c) {
    Zeichne_Parallelschwingkreis(c, Schaltung.R, Schaltung.C, Schaltung.L, Schaltung.Ueff);
  });
}
void BM_LC_Schwingkreis(benchmark::State& state) {
  Neu_zeichnen(state, Startwerte_LC_Schwingkreis, Zeichne_LC_Schwingkreis);
}
void BM_Kondensator_Schaltvorgang(benchmark::State& state) {
  Zeichenmodus.Konstante_Achse_RC = true;
  Neu_zeichnen(state, Startwerte_Kondensator_Schaltvorgang,
               [](Canvas& c) { Zeichne_Kondensator_Schaltvorgang(c, Schaltung.Ug, Schaltung.R, Schaltung.C); });
}
void BM_Spule_Schaltvorgang(benchmark::State& state) {
  Zeichenmodus.Konstante_Achse_RL = true;
  Neu_zeichnen(state, Startwerte_Spule_Schaltvorgang,
               [](Canvas& c) { Zeichne_Spule_Schaltvorgang(c, Schaltung.Ug, Schaltung.R, Schaltung.L); });
}

void BM_Siebkette(benchmark::State& state) {
  Neu_zeichnen(state, Startwerte_Siebkette,
               [](Canvas& c) { Zeichne_Siebkette(c, Schaltung.fs, Schaltung.R, Schaltung.C, Schaltung.L); });
}
void BM_Sperrkreis(benchmark::State& state) {
  Neu_zeichnen(state, Startwerte_Sperrkreis,
               [](Canvas& c) { Zeichne_Sperrkreis(c, Schaltung.fs, Schaltung.R, Schaltung.C, Schaltung.L); });
}
void BM_Hoch_Tiefpass(benchmark::State& state) {
  Neu_zeichnen(state, Startwerte_Hoch_Tiefpass,
               [](Canvas& c) { Zeichne_Hoch_Tiefpass(c, Schaltung.Ueff, Schaltung.R, Schaltung.C); });
}

BENCHMARK(BM_Siebkette)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sperrkreis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hoch_Tiefpass)->Unit(benchmark::kMillisecond);
// Frequency modulation of the sine signal at delay 0.
void BM_FM_Sinus(benchmark::State& state) {
  Zeichenmodus.Frequenzmodulation = Zeichenmodus.FM_Sinus = true;
  Neu_zeichnen(
      state, [] { Startwerte_Modulation(true, TSignalform::Sinus); }, Zeichne_Modulation);
  Zeichenmodus = TZeichenmodus{};
}

BENCHMARK(BM_Serienschwingkreis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Parallelschwingkreis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LC_Schwingkreis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Kondensator_Schaltvorgang)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Spule_Schaltvorgang)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FM_Sinus)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return Benchmarks_ausfuehren(argc, argv); }
