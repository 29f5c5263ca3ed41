#include "fields/ansicht.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "toolkit/farben.h"
#include "toolkit/hauptfenster.h"
#include "toolkit/layout.h"
#include "toolkit/zeichenmodus.h"

TAnsicht Ansicht;

void Setze_Ansicht() {
  Ansicht.x0 = static_cast<int>(Trunc(Layout.W * (1 - 0.625L * std::numbers::sqrt2_v<long double>)));
  Ansicht.y0 = static_cast<int>(Div(Layout.H, 2));
  Ansicht.Drehung_x = 0;
  Ansicht.Drehung_y = 0;
  Ansicht.Drehung_z = 0;
  Ansicht.Nx = 10;
  Ansicht.Ny = 20;
  Ansicht.Nz = 10;
}

void Setze_Themenansicht() {
  Setze_Ansicht();
  if (Zeichenmodus.EB_gekreuzt) Ansicht.x0 += 100;
}

void Berechne_Projektion() {
  TAnsicht& a = Ansicht;
  const int CW = Layout.W, CH = Layout.H;
  a.kxx = static_cast<int>(Div(a.x0, a.Nx));
  a.kxy = static_cast<int>(Div((CH - a.y0) - Div(CH, 6), a.Nx));
  a.kyx = static_cast<int>(Div(CW - a.x0, a.Ny));
  a.kzy = static_cast<int>(Div(a.y0, a.Nz));
  constexpr long double k = std::numbers::pi_v<long double> / 180;
  a.cx = std::cos(a.Drehung_x * k);
  a.sx = std::sin(a.Drehung_x * k);
  a.cy = std::cos(a.Drehung_y * k);
  a.sy = std::sin(a.Drehung_y * k);
  a.cz = std::cos(a.Drehung_z * k);
  a.sz = std::sin(a.Drehung_z * k);
}

TBildpunkt Projiziere_genau(long double x, long double y, long double z) {
  const TAnsicht& a = Ansicht;
  // Rotations about z, y and x in this order, each from the coordinates before it.
  const long double x1 = x * a.cz + y * a.sz, y1 = -x * a.sz + y * a.cz, z1 = z;
  const long double x2 = x1 * a.cy + z1 * a.sy, z2 = -x1 * a.sy + z1 * a.cy, y2 = y1;
  const long double y3 = y2 * a.cx + z2 * a.sx, z3 = -y2 * a.sx + z2 * a.cx, x3 = x2;
  return {a.x0 - x3 * a.kxx + y3 * a.kyx, a.y0 + (x3 * a.kxy - z3 * a.kzy)};
}

namespace {

constexpr long double kGrenze = 1000000;

int Ganzzahl(long double v) {
  if (!(v > -kGrenze)) return static_cast<int>(-kGrenze);
  if (!(v < kGrenze)) return static_cast<int>(kGrenze);
  return static_cast<int>(std::trunc(v));
}

void Neu_zeichnen_lassen() {
  if (THauptfenster* w = Hauptfenster()) w->Invalidate();
}

int& Einheiten(TAchse achse) { return achse == TAchse::x ? Ansicht.Nx : achse == TAchse::y ? Ansicht.Ny : Ansicht.Nz; }

}  // namespace

QPoint Pixelpunkt(const TBildpunkt& p) { return {Ganzzahl(p.x), Ansicht.y0 + Ganzzahl(p.y - Ansicht.y0)}; }

QPoint Projiziere(long double x, long double y, long double z) { return Pixelpunkt(Projiziere_genau(x, y, z)); }

// ---- clipped lines ----

TLinienzug::TLinienzug(Canvas& canvas) : canvas_(canvas) {}

TLinienzug::~TLinienzug() { Zeichne(); }

void TLinienzug::Stift(const QColor& farbe, int breite, TPenStyle stil) {
  Zeichne();
  canvas_.Pen.Color = farbe;
  canvas_.Pen.Width = breite;
  canvas_.Pen.Style = stil;
}

void TLinienzug::Bewege(long double x, long double y, long double z) { aktuell_ = Projiziere_genau(x, y, z); }

void TLinienzug::Linie(long double x, long double y, long double z) { Linie_bis(Projiziere_genau(x, y, z)); }

void TLinienzug::Punkt(long double x, long double y, long double z) {
  Zeichne();
  aktuell_ = Projiziere_genau(x, y, z);
  if (!(std::fabs(aktuell_.x) < kGrenze && std::fabs(aktuell_.y) < kGrenze)) return;
  const QPoint p = Pixelpunkt(aktuell_);
  if (p == letztes_pixel_ || p.x() < 0 || p.y() < 0 || p.x() >= canvas_.Width() || p.y() >= canvas_.Height()) return;
  letztes_pixel_ = p;
  canvas_.SetPixel(p.x(), p.y(), canvas_.Pen.Color);
}

void TLinienzug::Zeichne() {
  if (punkte_.size() >= 2) {
    canvas_.Polyline(punkte_);
    canvas_.MoveTo(punkte_.back().x(), punkte_.back().y());
  }
  punkte_.clear();
}

// Projected coordinates can lie far outside any integer range (a huge circle or helix):
// the segment is clipped to the canvas and a margin in floating point (Liang-Barsky) before
// its ends become pixels.
void TLinienzug::Linie_bis(const TBildpunkt& p) {
  const TBildpunkt a = aktuell_;
  aktuell_ = p;
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(p.x) || !std::isfinite(p.y)) return;
  constexpr long double rand = 8;
  const long double xmin = -rand, ymin = -rand, xmax = canvas_.Width() + rand, ymax = canvas_.Height() + rand;
  const long double dx = p.x - a.x, dy = p.y - a.y;
  long double t0 = 0, t1 = 1;
  const long double pq[4][2] = {{-dx, a.x - xmin}, {dx, xmax - a.x}, {-dy, a.y - ymin}, {dy, ymax - a.y}};
  for (const auto& [pp, q] : pq) {
    if (pp == 0) {
      if (q < 0) return;
      continue;
    }
    const long double t = q / pp;
    if (pp < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return;
  }
  const QPoint von = Pixelpunkt(t0 == 0 ? a : TBildpunkt{a.x + t0 * dx, a.y + t0 * dy});
  const QPoint bis = Pixelpunkt(t1 == 1 ? p : TBildpunkt{a.x + t1 * dx, a.y + t1 * dy});
  if (punkte_.empty() || punkte_.back() != von) {
    Zeichne();
    punkte_.push_back(von);
  }
  if (bis != punkte_.back()) punkte_.push_back(bis);
}

// ---- scene pieces ----

void Zeichne_Achsen(const QColor& farbe, Canvas& canvas) {
  Berechne_Projektion();
  const TAnsicht& a = Ansicht;
  {
    TLinienzug zug(canvas);
    auto achse = [&](TPenStyle stil, long double x, long double y, long double z) {
      zug.Stift(farbe, 1, stil);
      zug.Bewege(0, 0, 0);
      zug.Linie(x, y, z);
    };
    achse(TPenStyle::psSolid, a.Nx, 0, 0);
    achse(TPenStyle::psDot, -a.Nx, 0, 0);
    achse(TPenStyle::psSolid, 0, a.Ny, 0);
    achse(TPenStyle::psSolid, 0, 0, a.Nz);
    achse(TPenStyle::psDot, 0, -a.Ny, 0);
    achse(TPenStyle::psDot, 0, 0, -a.Nz);
  }
  canvas.Pen.Style = TPenStyle::psSolid;
  auto senkrecht = [&](long double x, long double y) {
    const QPoint p = Projiziere(x, y, 0);
    canvas.MoveTo(p.x(), p.y() - 3);
    canvas.LineTo(p.x(), p.y() + 3);
  };
  for (int y = 1; y <= a.Ny; ++y) senkrecht(0, y);
  for (int y = 1; y >= -a.Ny; --y) senkrecht(0, y);
  for (int z = 1; z <= a.Nz; ++z) {
    const QPoint p = Projiziere(0, 0, z);
    canvas.MoveTo(p.x() - 3, p.y());
    canvas.LineTo(p.x() + 3, p.y());
  }
  for (int x = 1; x <= a.Nx; ++x) senkrecht(x, 0);
}

// The mark leaves the brush and the background mode as it found them, so dotted lines drawn
// after it keep their gaps.
void Zeichne_Marke(long double x, long double y, long double z, const QColor& farbe, Canvas& canvas) {
  const QPoint p = Projiziere(x, y, z);
  const TBrush pinsel = canvas.Brush;
  const bool transparent = canvas.TextTransparent();
  canvas.Pen.Color = farbe;
  canvas.Brush.Color = farbe;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Rectangle(p.x() - 2, p.y() - 2, p.x() + 2, p.y() + 2);
  canvas.Brush = pinsel;
  canvas.SetTextTransparent(transparent);
}

void Zeichne_Schirm(long double a, Canvas& canvas) {
  TLinienzug zug(canvas);
  const QColor& farbe = Farben.Kondensator;
  zug.Bewege(5, a, -7);
  zug.Stift(farbe, 1, TPenStyle::psSolid);
  zug.Linie(0, a, -7);
  zug.Stift(farbe, 1, TPenStyle::psDot);
  zug.Linie(-5, a, -7);
  zug.Linie(-5, a, 7);
  zug.Linie(0, a, 7);
  zug.Stift(farbe, 2, TPenStyle::psSolid);
  zug.Linie(5, a, 7);
  zug.Linie(5, a, -7);
}

void Zeichne_Kondensator(long double d, long double l, long double w, Canvas& canvas) {
  canvas.Brush.Style = TBrushStyle::bsClear;
  const QColor& farbe = Farben.Impedanz;
  {
    TLinienzug zug(canvas);
    for (const long double z : {d / 2, d / 2 + 0.1L, -d / 2, -d / 2 - 0.1L}) {
      zug.Bewege(w / 2, 0, z);
      zug.Stift(farbe, 2, TPenStyle::psSolid);
      zug.Linie(w / 2, l, z);
      zug.Linie(0, l, z);
      zug.Stift(farbe, 1, TPenStyle::psDot);
      zug.Linie(-w / 2, l, z);
      zug.Linie(-w / 2, 0, z);
      zug.Linie(0, 0, z);
      zug.Stift(farbe, 2, TPenStyle::psSolid);
      zug.Linie(w / 2, 0, z);
    }
    zug.Stift(farbe, 1, TPenStyle::psSolid);
    for (const auto& [x, y] : {std::pair{w / 4, l / 4}, std::pair{-w / 4, l / 2}, std::pair{w / 4, 3 * l / 4}}) {
      zug.Bewege(x, y, d / 2);
      zug.Linie(x, y, -d / 2);
    }
  }
  canvas.Font.Name = "System";
  canvas.Font.Bold = true;
  canvas.Font.SetSize(12);
  canvas.Font.Pitch = TFontPitch::fpFixed;
  for (const auto& [x, y] : {std::pair{w / 4, l / 4}, std::pair{-w / 4, l / 2}, std::pair{w / 4, 3 * l / 4}}) {
    const QPoint oben = Projiziere(x, y, d / 2), unten = Projiziere(x, y, -d / 2);
    Schreibe_Text(canvas, oben.x(), oben.y() - 15, "-", farbe);
    Schreibe_Text(canvas, unten.x(), unten.y(), "+", farbe);
  }
}

// ---- view commands ----

void Setze_Drehung(TAchse achse, int grad) {
  (achse == TAchse::x ? Ansicht.Drehung_x : achse == TAchse::y ? Ansicht.Drehung_y : Ansicht.Drehung_z) = grad;
  Neu_zeichnen_lassen();
}

void Einheiten_mehr(TAchse achse) {
  Einheiten(achse) += 5;
  Neu_zeichnen_lassen();
}

void Einheiten_weniger(TAchse achse) {
  int& n = Einheiten(achse);
  n -= 5;
  if (n <= 5) n = 5;
  Neu_zeichnen_lassen();
}

void Ansicht_Standard() {
  Setze_Themenansicht();
  Neu_zeichnen_lassen();
}

void Nur_Aufriss() {
  Ansicht.Nx = 200;
  Neu_zeichnen_lassen();
}

void Setze_nur_Bild(bool an) {
  Zeichenmodus.nur_Bild = an;
  Neu_zeichnen_lassen();
}

bool Am_Ursprung(int x, int y, int abstand) {
  return std::abs(Ansicht.x0 - x) <= abstand && std::abs(Ansicht.y0 - y) <= abstand;
}

void Verschiebe_Ursprung(int x, int y) {
  Ansicht.x0 = x;
  Ansicht.y0 = y;
}
