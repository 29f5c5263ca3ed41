#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <vector>

#include "toolkit/grundelemente.h"

// What the phasor drawings share: the animated turn, the final phasors and the text block.

inline constexpr long double Pi = 3.141592653589793238L;
inline constexpr long double Pi_halbe = 1.5707963267948966193L;

// Angle of step k (0..360) in radians: (360 - k) degrees, so the phasors turn
// counter-clockwise on the screen as k grows.
long double Schrittwinkel(int k);
// End of a phasor of the given length at angle alpha, from the circle's centre.
QPoint Zeigerende(int laenge, long double alpha);
// Position of step k on the time axis.
int Zeitachse_x(int k);

// One turning phasor: its length in pixels, its angle ahead of the step angle and its colour.
struct TUmlaufzeiger {
  int Laenge;
  long double Versatz;
  QColor Farbe;
};

// The turn of 361 one-degree steps. Each step draws the phasors in order, hands the step to
// Animationsschritt, erases them again (last first when rueckwaerts_loeschen), redraws the
// frame and continues every phasor's curve on the time axis by one segment. The turn ends
// early when a step reports that a new drawing is pending.
void Zeigerumlauf(Canvas& canvas, const std::vector<TUmlaufzeiger>& zeiger, bool rueckwaerts_loeschen);

// A final phasor (at step 360) with the current pen width and its label at its end,
// moved dx pixels to the right.
void Zeichne_Endzeiger(Canvas& canvas, const TUmlaufzeiger& zeiger, const QString& label, int dx = 0);

// Label text, number and unit as one line: "R  = " + "5" + " Ohm".
QString Wertzeile(const QString& label, long double wert, const QString& einheit);

// The text block right of the line diagram, in the canvas's current font. Lines are
// collected and written together by Schreibe, which knows the widest of them.
class TTextblock {
 public:
  explicit TTextblock(Canvas& canvas);
  // Line n: line 0 at the top of the text column, each further line one "M" height lower
  // plus one pixel.
  void Zeile(int n, const QString& text, const QColor& farbe);
  void Schreibe();

 private:
  struct TZeile {
    int n;
    QString text;
    QColor farbe;
  };
  Canvas& canvas_;
  int h_;
  std::vector<TZeile> zeilen_;
};
