#include "curves/modulation.h"

#include <QPoint>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

#include "curves/kurvenhilfe.h"
#include "toolkit/farben.h"
#include "toolkit/formulas.h"
#include "toolkit/hauptfenster.h"
#include "toolkit/layout.h"
#include "toolkit/schaltung.h"

bool TZeichenmodus::*Signalform_Flag(bool frequenz, TSignalform form) {
  using M = TZeichenmodus;
  switch (form) {
    case TSignalform::ansteigend:
      return frequenz ? &M::FM_ansteigend : &M::AM_ansteigend;
    case TSignalform::abfallend:
      return frequenz ? &M::FM_abfallend : &M::AM_abfallend;
    case TSignalform::Rechteck:
      return frequenz ? &M::FM_Rechteck : &M::AM_Rechteck;
    case TSignalform::Treppe:
      return frequenz ? &M::FM_Treppe : &M::AM_Treppe;
    case TSignalform::Sinus:
      break;
  }
  return frequenz ? &M::FM_Sinus : &M::AM_Sinus;
}

std::optional<TSignalform> Gesetzte_Signalform(bool frequenz) {
  for (const TSignalform form : kSignalformen)
    if (Zeichenmodus.*Signalform_Flag(frequenz, form)) return form;
  return std::nullopt;
}

void Startwerte_Modulation(bool frequenz, TSignalform form) {
  Schaltung.k = 1;
  if (form == TSignalform::Rechteck) Schaltung.Nq = 2;
  if (form == TSignalform::Treppe) Schaltung.Ns = 2;
  if (form == TSignalform::Sinus) Schaltung.fsig = frequenz ? 2 : 3;
}

TTraeger Traeger(bool frequenz, TSignalform form) {
  if (!frequenz) return {30 * Schaltung.k, 0};
  switch (form) {
    case TSignalform::ansteigend:
      return {25, 18};
    case TSignalform::abfallend:
      return {30, 8};
    case TSignalform::Rechteck:
      return {30, 20};
    case TSignalform::Treppe:
      return {30, 25};
    case TSignalform::Sinus:
      break;
  }
  return {30, 40};
}

namespace {

// Step counts are read within 2..6: one step would divide by zero.
int Stufen(int n) { return std::clamp(n, 2, 6); }

}  // namespace

long double Signalwert(TSignalform form, long double t) {
  switch (form) {
    case TSignalform::ansteigend:
      return 2 * t - 1;
    case TSignalform::abfallend:
      return 1 - 2 * t;
    case TSignalform::Rechteck:
      return Trunc(t * Stufen(Schaltung.Nq)) % 2 == 0 ? 1 : -1;
    case TSignalform::Treppe: {
      const int n = Stufen(Schaltung.Ns);
      return std::min(2.0L * Trunc(t * n) / (n - 1) - 1, 1.0L);
    }
    case TSignalform::Sinus:
      break;
  }
  return std::sin(Zwei_Pi * Schaltung.fsig * t);
}

void Zeichne_Modulationsrahmen(Canvas& canvas, int x1, int y1, const QColor& colour, int y2, int x2) {
  canvas.Pen.Color = colour;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = Textfarbe_weiss() ? Farben.Rahmengrau : QColor(0xFF, 0xFF, 0xFF);
  canvas.Rectangle(x1, y1, x2, y2);
}

namespace {

// Frame, caption and axes of one graph around its time axis y.
void Zeichne_Graph(Canvas& canvas, int y, int a, int nx, const QString& titel, const QString& achse) {
  const QColor& c = Farben.Text;
  Zeichne_Modulationsrahmen(canvas, 10, y - a - 20, c, y + a + 20, nx + 30);
  Schreibe_Text(canvas, 40, y - a - 15, titel, c);
  canvas.Pen.Color = c;
  canvas.Pen.Width = 1;
  canvas.MoveTo(20, y);
  canvas.LineTo(nx + 20, y);
  Schreibe_Text(canvas, nx + 20, y - 5, ">", c);
  Schreibe_Text(canvas, nx + 22, y + 4, "t", c);
  canvas.MoveTo(20, y + a);
  canvas.LineTo(20, y - a);
  Schreibe_Text(canvas, 17, y - a - 2, "^", c);
  Schreibe_Text(canvas, 20, y - a - 10, achse, c);
  Schreibe_Text(canvas, 10, y, "0", c);
}

// The main window was shown and has been closed since: a drawing on it ends at once.
bool Hauptfenster_geschlossen() {
  THauptfenster* main = Hauptfenster();
  const QWidget* w = main != nullptr ? main->Widget() : nullptr;
  return w != nullptr && w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->isHidden();
}

// Before each point of a drawing with delay: the delay, the points so far to the screen and
// the pending events, so that even the largest delay (a minute for a wide window) never
// freezes the window. False when the drawing should end.
bool Punktschritt(Canvas& canvas) { return Animationsschritt(canvas, true) && !Hauptfenster_geschlossen(); }

}  // namespace

void Zeichne_Modulation(Canvas& canvas) {
  const bool frequenz = !Zeichenmodus.Amplitudenmodulation && Zeichenmodus.Frequenzmodulation;
  if (!frequenz && !Zeichenmodus.Amplitudenmodulation) return;
  const std::optional<TSignalform> form = Gesetzte_Signalform(frequenz);
  if (!form) return;
  canvas.SetTextTransparent(true);
  const TTraeger traeger = Traeger(frequenz, *form);
  const int Hd = Layout.Kurven_Hoehe;
  const int y1 = static_cast<int>(Div(Hd, 5));
  const int a = y1 - 25;
  const int y2 = static_cast<int>(Div(3 * Hd, 5));
  const int nx = Layout.W - 39;

  Zeichne_Graph(canvas, y1, a, nx, QStringLiteral("   ursprüngliches Signal"), " Us");
  Zeichne_Graph(
      canvas, y2, a, nx,
      frequenz ? QStringLiteral("   frequenzmoduliertes Signal") : QStringLiteral("   amplitudenmoduliertes Signal"),
      " Ut");
  if (nx < 1) return;  // too narrow for a single column: frames only

  // Points not drawn yet, each curve from its last drawn point on: one polyline per curve
  // and step, so that a picture without delay is two polylines.
  std::vector<QPoint> oben{{20, y1}}, unten{{20, y2}};
  auto zeichne_neue_punkte = [&] {
    if (oben.size() < 2) return;
    canvas.Pen.Color = Farben.Kondensator;
    canvas.Pen.Width = 2;
    canvas.Polyline(Ohne_Zwischenpunkte(oben));
    canvas.Pen.Width = 1;
    canvas.Polyline(unten);
    oben = {oben.back()};
    unten = {unten.back()};
  };
  const bool verzoegert = Einstellungen.Verzoegerung > 0 && canvas.IsWindowCanvas();
  if (!verzoegert) {
    oben.reserve(nx + 2);
    unten.reserve(nx + 2);
  }
  // The carrier's phase is the integral of its frequency (trapezoids from point to point).
  // sin(2 pi f(t) t) with the instantaneous frequency f(t) would be no frequency modulation:
  // the rising form would run from 7 to 79 periods per width, square and staircase would
  // jump in phase at every step, and the sine form would turn into aliased noise.
  real48 phase = 0;
  real48 f_vorher = 0;
  for (int i = 0; i <= nx; ++i) {
    if (verzoegert) {
      zeichne_neue_punkte();
      if (!Punktschritt(canvas)) return;  // a new drawing replaces this one
    }
    const real48 t = static_cast<long double>(i) / nx;
    const real48 u = Signalwert(*form, t);
    const int x = i + 20;
    oben.emplace_back(x, static_cast<int>(Trunc(y1 - u * a)));
    long double y;
    if (frequenz) {
      const real48 f = traeger.Fc + traeger.dF * u;
      if (i > 0) phase += Zwei_Pi * (f_vorher + f) / (2.0L * nx);
      f_vorher = f;
      y = y2 - std::sin(static_cast<long double>(phase)) * a;
    } else {
      const real48 A = (u + 2) * a / 3.0L;  // between a/3 and a
      y = y2 - std::sin(Zwei_Pi * traeger.Fc * t) * A;
    }
    unten.emplace_back(x, static_cast<int>(Trunc(y)));
  }
  zeichne_neue_punkte();
  canvas.present();
}
