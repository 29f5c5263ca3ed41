// Redraw of the electron-in-field topics at 1920 x 1080: start pictures, the same under ten
// rotations, and the helix at its most expensive slider settings.
#include <QImage>
#include <memory>

#include "bench_bild.h"
#include "fields/ansicht.h"
#include "fields/elektronenbahn.h"
#include "fields/felddialoge.h"
#include "fields/feldzeichnungen.h"
#include "platform/service_doubles.h"
#include "toolkit/layout.h"
#include "toolkit/zeichenmodus.h"

namespace {

struct TThema {
  void (*startwerte)();
  void (*zeichne)(Canvas&);
};
const TThema kThemen[] = {{Startwerte_E_Feld, Zeichne_E_Feld},
                          {Startwerte_B_Feld, Zeichne_B_Feld},
                          {Startwerte_EB_Feld, Zeichne_EB_Feld},
                          {Startwerte_EB_gekreuzt, Zeichne_EB_gekreuzt}};

void Neu_zeichnen(benchmark::State& state, const TThema& thema, void (*einstellen)() = nullptr,
                  TFeldDlg* dialog = nullptr) {
  platform::ScopedTestServices services;
  Bereite_Fenster_vor(kW, kH, kStatus);
  thema.startwerte();
  if (einstellen != nullptr) einstellen();
  QImage image(kW, kH - kStatus, QImage::Format_RGB32);
  Canvas canvas(&image);
  int winkel = 0;
  for (auto _ : state) {
    // A thumb drag on the x rotation bar: the angle follows, the picture is drawn anew.
    if (dialog != nullptr) {
      winkel = (winkel + 7) % 361;
      int position = winkel - 180;
      dialog->xScrollBarScroll(platform::TScrollCode::scTrack, position);
    }
    Bild_loeschen(canvas);
    thema.zeichne(canvas);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void BM_Startbild(benchmark::State& state) { Neu_zeichnen(state, kThemen[state.range(0)]); }

// Topic state.range(0) under the rotation state.range(1) of ten.
void BM_Gedreht(benchmark::State& state) {
  static int k;
  k = static_cast<int>(state.range(1));
  Neu_zeichnen(state, kThemen[state.range(0)], [] {
    Ansicht.Drehung_x = 36 * k - 180;
    Ansicht.Drehung_y = 17 * k - 80;
    Ansicht.Drehung_z = 29 * k - 130;
  });
}

// Redraw per step of a rotation-bar drag in the topic's dialog, evaluation panel included.
void BM_Drehung_ziehen(benchmark::State& state) {
  const int thema = static_cast<int>(state.range(0));
  kThemen[thema].startwerte();
  std::unique_ptr<TFeldDlg> dlg;
  if (thema == 0) dlg = std::make_unique<TEFeldDlg>();
  if (thema == 1) dlg = std::make_unique<TMagnetfeldDlg>();
  if (thema == 2) dlg = std::make_unique<TE_und_BFeldDlg>();
  if (thema == 3) dlg = std::make_unique<TEB_gekreuztDlg>();
  Neu_zeichnen(state, kThemen[thema], nullptr, dlg.get());
}

// Slowest electron, flattest angle, strongest field: about 40 000 turns.
void BM_B_Feld_schlimmster_Fall(benchmark::State& state) {
  Neu_zeichnen(state, kThemen[1], [] {
    Feld.v = 20000;
    Feld.phi = 1;
    Feld.B = 0.01L;
  });
}

// The same through a weak capacitor with the screen at its farthest: about 13 000 turns.
void BM_EB_Feld_schlimmster_Fall(benchmark::State& state) {
  Neu_zeichnen(state, kThemen[2], [] {
    Feld.v = 20000;
    Feld.phi = 1;
    Feld.Uc = 0.5L;
    Feld.d = 50;
    Feld.l = 1;
    Feld.a = 100;
    Feld.B = 0.01L;
  });
}

BENCHMARK(BM_Startbild)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gedreht)->ArgsProduct({{0, 1, 2, 3}, benchmark::CreateDenseRange(0, 9, 1)})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Drehung_ziehen)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_B_Feld_schlimmster_Fall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EB_Feld_schlimmster_Fall)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return Benchmarks_ausfuehren(argc, argv); }
