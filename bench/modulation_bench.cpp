// Frequency modulation of the sine signal at delay 0, 1920 x 1080: into an image, and on the
// main window (run under a display, e.g. Xvfb, for the window figure).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMenuBar>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "app/form1.h"
#include "curves/modulation.h"
#include "toolkit/farben.h"
#include "toolkit/layout.h"
#include "toolkit/zeichenmodus.h"

namespace {

constexpr int kW = 1920, kH = 1080, kStatus = 20;

void BM_FM_Sinus_Bild(benchmark::State& state) {
  Einstellungen.Verzoegerung = 0;
  Bereite_Fenster_vor(kW, kH, kStatus);
  Zeichenmodus = TZeichenmodus{};
  Zeichenmodus.Frequenzmodulation = Zeichenmodus.FM_Sinus = true;
  Startwerte_Modulation(true, TSignalform::Sinus);
  QImage image(kW, kH - kStatus, QImage::Format_RGB32);
  Canvas canvas(&image);
  for (auto _ : state) {
    canvas.Font.Name = "System";
    canvas.Font.SetSize(10);
    canvas.Pen.Color = QColor(0x80, 0x80, 0x80);
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = Farben.Hintergrund;
    canvas.Rectangle(0, 0, kW, kH);
    canvas.Pen.Color = Farben.Text;
    Zeichne_Modulation(canvas);
    benchmark::DoNotOptimize(image.constBits());
  }
}

// The main window with a client area of 1920 x 1080 (status bar included), from the redraw
// request to the picture on the screen.
void BM_FM_Sinus_Fenster(benchmark::State& state) {
  QTemporaryDir dir;
  Setze_Pfad_Einstellungsdatei(dir.filePath("velumat.ini"));
  auto form = std::make_unique<TForm1>();
  form->setWindowState(Qt::WindowNoState);
  form->show();
  form->resize(kW, kH + form->menuBar()->sizeHint().height());
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
  form->FormShow();
  Einstellungen.Verzoegerung = 0;
  form->Fuehre_Thema_aus("Diagramme/Frequenzmodulation/Sinunssignal");
  for (auto _ : state) {
    form->Invalidate();
    form->Zeichne_ausstehend();
    QApplication::processEvents();
  }
  state.counters["client_w"] = form->ClientWidth();
  state.counters["client_h"] = form->ClientHeight();
  form.reset();
  Setze_Pfad_Einstellungsdatei(QString());
}

BENCHMARK(BM_FM_Sinus_Bild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FM_Sinus_Fenster)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
