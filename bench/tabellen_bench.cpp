// Redraw of each table sheet at 1920 x 1080 with the values its dialog opens with.
#include <QImage>

#include "bench_bild.h"
#include "tables/tabelle_zeichnen.h"
#include "tables/tabellenwerte.h"
#include "toolkit/formulas.h"
#include "toolkit/schaltung.h"

namespace {

void Neu_zeichnen(benchmark::State& state, void (*zeichne)(Canvas&)) {
  Schaltung.Ug = 10;
  Schaltung.R = 1;
  Schaltung.C = 1e-6L;
  Schaltung.L = 1e-3L;
  Schaltung.fr = Berechne_fr(Schaltung.L, Schaltung.C);
  tables::Kapazitaetsdekade = tables::Kapazitaet_Bereich(6);
  tables::Induktivitaetsdekade = tables::Induktivitaet_Bereich(5);
  QImage image(kW, kH - kStatus, QImage::Format_RGB32);
  Canvas canvas(&image);
  for (auto _ : state) {
    Bild_loeschen(canvas);
    zeichne(canvas);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void BM_Tabelle_Kapazitaet(benchmark::State& s) { Neu_zeichnen(s, tables::Zeichne_Tabelle_Kapazitaet); }
void BM_Tabelle_Induktivitaet(benchmark::State& s) { Neu_zeichnen(s, tables::Zeichne_Tabelle_Induktivitaet); }
void BM_Tabelle_Siebkette(benchmark::State& s) { Neu_zeichnen(s, tables::Zeichne_Tabelle_Siebkette); }
void BM_Tabelle_Sperrkreis(benchmark::State& s) { Neu_zeichnen(s, tables::Zeichne_Tabelle_Sperrkreis); }
void BM_Tabelle_Hochpass(benchmark::State& s) { Neu_zeichnen(s, tables::Zeichne_Tabelle_Hochpass); }
void BM_Tabelle_Tiefpass(benchmark::State& s) { Neu_zeichnen(s, tables::Zeichne_Tabelle_Tiefpass); }

BENCHMARK(BM_Tabelle_Kapazitaet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tabelle_Induktivitaet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tabelle_Siebkette)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tabelle_Sperrkreis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tabelle_Hochpass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tabelle_Tiefpass)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return Benchmarks_ausfuehren(argc, argv); }
