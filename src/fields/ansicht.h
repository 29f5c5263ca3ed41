#pragma once

#include <QColor>
#include <QPoint>
#include <vector>

#include "toolkit/grundelemente.h"
#include "toolkit/real48.h"

// The rotatable three-dimensional view of the electron-in-field topics. Coordinates are in
// centimetres: y to the right (direction of travel), z up, x towards the viewer.
struct TAnsicht {
  int x0 = 0, y0 = 0;                                          // origin in window pixels
  real48 Drehung_x, Drehung_y, Drehung_z;                      // degrees
  int Nx = 10, Ny = 20, Nz = 10;                               // centimetre units per positive axis
  int kxx = 0, kxy = 0, kyx = 0, kzy = 0;                      // pixels per centimetre, set by Zeichne_Achsen
  long double cx = 1, sx = 0, cy = 1, sy = 0, cz = 1, sz = 0;  // cos and sin of the angles
};

extern TAnsicht Ansicht;

// Origin, angles and unit counts to their start values for the window's current size.
void Setze_Ansicht();
// Setze_Ansicht; in the crossed-field topic the origin then moves 100 pixels to the right.
void Setze_Themenansicht();
// The projection factors and the angles' cos and sin from the current view; Zeichne_Achsen
// calls it, so every drawing projects with one set of factors.
void Berechne_Projektion();

// A projected point in window pixels, kept in floating point: far-off points stay exact
// until a line is clipped to the picture.
struct TBildpunkt {
  long double x = 0, y = 0;
};

TBildpunkt Projiziere_genau(long double x, long double y, long double z);
// The pixel of a point; coordinates far outside the window are held at +-1000000.
QPoint Projiziere(long double x, long double y, long double z);
// The pixel of a projected point, as Projiziere rounds it.
QPoint Pixelpunkt(const TBildpunkt& p);

// Lines through projected points, clipped to the canvas before they become pixels. Runs of
// the same pen go to the canvas as one polyline; steps that stay on one pixel are dropped.
class TLinienzug {
 public:
  explicit TLinienzug(Canvas& canvas);
  ~TLinienzug();
  TLinienzug(const TLinienzug&) = delete;
  TLinienzug& operator=(const TLinienzug&) = delete;

  // Pen for the next lines; the lines so far are drawn first.
  void Stift(const QColor& farbe, int breite, TPenStyle stil);
  void Bewege(long double x, long double y, long double z);
  void Linie(long double x, long double y, long double z);
  // A single pixel in the pen colour; the pen moves there.
  void Punkt(long double x, long double y, long double z);
  // Draws what is pending.
  void Zeichne();

 private:
  void Linie_bis(const TBildpunkt& p);

  Canvas& canvas_;
  TBildpunkt aktuell_;
  std::vector<QPoint> punkte_;
  QPoint letztes_pixel_{1 << 30, 1 << 30};
};

void Zeichne_Achsen(const QColor& farbe, Canvas& canvas);
void Zeichne_Marke(long double x, long double y, long double z, const QColor& farbe, Canvas& canvas);
void Zeichne_Schirm(long double a, Canvas& canvas);
void Zeichne_Kondensator(long double d, long double l, long double w, Canvas& canvas);

// View commands of the field dialogs; each invalidates the main window.
enum class TAchse { x, y, z };
void Setze_Drehung(TAchse achse, int grad);
void Einheiten_mehr(TAchse achse);     // +5
void Einheiten_weniger(TAchse achse);  // -5, at least 5
void Ansicht_Standard();               // the topic's start view
void Nur_Aufriss();                    // Nx := 200: a front view of the y-z plane
void Setze_nur_Bild(bool an);          // picture only, no evaluation panel

// Dragging the origin with the mouse: the grip is the square of +-abstand pixels around it.
bool Am_Ursprung(int x, int y, int abstand);
void Verschiebe_Ursprung(int x, int y);
