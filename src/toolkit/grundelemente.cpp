#include "toolkit/grundelemente.h"

#include <chrono>
#include <thread>

#include "platform/services.h"
#include "toolkit/farben.h"
#include "toolkit/hauptfenster.h"
#include "toolkit/layout.h"

void Schreibe_Text(Canvas& canvas, int x, int y, const QString& text, const QColor& colour) {
  canvas.SetTextTransparent(true);
  canvas.Font.Color = colour;
  canvas.TextOut(x, y, text);
}

void Warte(int n) {
  if (n <= 0) return;
  std::this_thread::sleep_until(std::chrono::steady_clock::now() + std::chrono::microseconds(n));
}

bool Animationsschritt(Canvas& canvas, bool immer_Ereignisse) {
  // Off-screen drawings (copy, print, export) are finished at once and handle no events.
  if (!canvas.IsWindowCanvas()) return true;
  // A turn that must end (redraw pending, window closing) ends without waiting.
  if (Hauptfenster() != nullptr && Hauptfenster()->Neuzeichnen_ausstehend()) return false;
  Warte(Einstellungen.Verzoegerung);
  canvas.present();
  if (!Einstellungen.Anhalten && !immer_Ereignisse) return true;
  auto& events = *platform::services().events;
  events.ProcessMessages();
  THauptfenster* window = Hauptfenster();
  if (!Einstellungen.Anhalten) return window == nullptr || !window->Neuzeichnen_ausstehend();
  while (window != nullptr && window->KeyHeld() && !window->Neuzeichnen_ausstehend()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    events.ProcessMessages();
    window = Hauptfenster();
  }
  return window == nullptr || !window->Neuzeichnen_ausstehend();
}

void Zeichne_Zeigerrahmen(Canvas& canvas) {
  canvas.Pen.Mode = TPenMode::pmCopy;
  canvas.Pen.Color = Farben.Text;
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Ellipse(Layout.cx - Layout.r0, Layout.cy - Layout.r0, Layout.cx + Layout.r0, Layout.cy + Layout.r0);
  Zeichne_Zeigerachsen(canvas);
  Zeichne_Zeitachse(canvas);
}

void Zeichne_Zeigerachsen(Canvas& canvas) {
  canvas.Pen.Color = Farben.Text;
  canvas.MoveTo(0, Layout.cy);
  canvas.LineTo(2 * Layout.cx, Layout.cy);
  canvas.MoveTo(Layout.cx, Layout.cy - Layout.r0 - 5);
  canvas.LineTo(Layout.cx, Layout.cy + Layout.r0 + 5);
}

void Zeichne_Zeitachse(Canvas& canvas) {
  canvas.Pen.Color = Farben.Text;
  canvas.MoveTo(Layout.x0, Layout.cy);
  canvas.LineTo(Layout.x1, Layout.cy);
  canvas.MoveTo(Layout.x0, Layout.cy - Layout.r0 - 10);
  canvas.LineTo(Layout.x0, Layout.cy + Layout.r0 + 10);
}

void Zeichne_Zeiger(Canvas& canvas, int x, int y) {
  canvas.MoveTo(Layout.cx, Layout.cy);
  canvas.LineTo(x, y);
}
