// One full phasor turn (361 steps) at delay 0, off-screen and on the window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMenuBar>
#include <QTemporaryDir>
#include <memory>

#include "app/form1.h"
#include "phasors/einzelzeiger.h"
#include "phasors/reihenzeiger.h"
#include "phasors/zeigerwerte.h"
#include "toolkit/farben.h"
#include "toolkit/layout.h"

namespace {

void Umlauf_ins_Bild(benchmark::State& state, void (*startwerte)(), void (*zeichnung)(Canvas&)) {
  Einstellungen.Verzoegerung = 0;
  Bereite_Fenster_vor(1920, 1080, 20);
  startwerte();
  QImage image(1920, 1060, QImage::Format_RGB32);
  for (auto _ : state) {
    Canvas canvas(&image);
    canvas.Font.Name = "System";
    canvas.Font.Pitch = TFontPitch::fpFixed;
    canvas.Font.SetSize(10);
    canvas.Brush.Color = Farben.Hintergrund;
    canvas.Rectangle(0, 0, 1920, 1080);
    Zeichne_Zeigerrahmen(canvas);
    zeichnung(canvas);
  }
}

void BM_Umlauf_Bild_nur_Kondensator(benchmark::State& state) {
  Umlauf_ins_Bild(state, Startwerte_nur_Kondensator, Zeichne_C_Zeiger);
}
void BM_Umlauf_Bild_RCL(benchmark::State& state) {
  Umlauf_ins_Bild(state, Startwerte_Widerstand_Kondensator_und_Spule, Zeichne_RCL_Zeiger);
}

// The main window with a client area of 1920 x 1080 (status bar included): every step is
// pushed to the screen. Zoomed, the drawing lays out smaller and renders at full resolution.
void Umlauf_im_Fenster(benchmark::State& state, const char* thema, int zoom = 100) {
  QTemporaryDir dir;
  Setze_Pfad_Einstellungsdatei(dir.filePath("velumat.ini"));
  auto form = std::make_unique<TForm1>();
  form->setWindowState(Qt::WindowNoState);
  form->show();
  form->resize(1920, 1080 + form->menuBar()->sizeHint().height());
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
  form->FormShow();
  Einstellungen.Verzoegerung = 0;
  Einstellungen.Anhalten = false;
  form->Setze_Zoom(zoom, false);
  form->Fuehre_Thema_aus(thema);
  for (auto _ : state) {
    form->Invalidate();
    form->Zeichne_ausstehend();
  }
  state.counters["client_w"] = form->ClientWidth();
  state.counters["client_h"] = form->ClientHeight();
  form.reset();
  Setze_Pfad_Einstellungsdatei(QString());
}

void BM_Umlauf_Fenster_nur_Kondensator(benchmark::State& state) {
  Umlauf_im_Fenster(state, "Zeigerdiagramm/nur Kondensator");
}
void BM_Umlauf_Fenster_RCL(benchmark::State& state) {
  Umlauf_im_Fenster(state, "Zeigerdiagramm/Widerstand, Kondensator und Spule");
}
void BM_Umlauf_Fenster_RCL_200_Prozent(benchmark::State& state) {
  Umlauf_im_Fenster(state, "Zeigerdiagramm/Widerstand, Kondensator und Spule", 200);
}
// A drawing without animation: one redraw of the window, at 100 and 200 %.
void BM_Fenster_Serienschwingkreis(benchmark::State& state) {
  Umlauf_im_Fenster(state, "Diagramme/Serienschwingkreis", static_cast<int>(state.range(0)));
}

BENCHMARK(BM_Umlauf_Bild_nur_Kondensator)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Umlauf_Bild_RCL)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Umlauf_Fenster_nur_Kondensator)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Umlauf_Fenster_RCL)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Umlauf_Fenster_RCL_200_Prozent)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fenster_Serienschwingkreis)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
