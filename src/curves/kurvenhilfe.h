#pragma once

#include <QColor>
#include <QPoint>
#include <vector>

#include "toolkit/grundelemente.h"

// Small helpers shared by the curve drawings.

// Trunc(v) as a pixel coordinate, kept within +-1000000 so a far-off point stays a valid int.
int Pixel(long double v);

// True when the scheme writes white text (dark backgrounds).
bool Textfarbe_weiss();

// Adds underline to the canvas font for one text and removes it again.
void Schreibe_unterstrichen(Canvas& canvas, int x, int y, const QString& text, const QColor& colour);

// The polyline without the points that lie on a straight run with both neighbours, for wide
// pens: a wide line through collinear points covers what the single long line covers.
std::vector<QPoint> Ohne_Zwischenpunkte(std::vector<QPoint> punkte);

// Continues the curve that ended at `letzter` to (x, y) in the colour; `letzter` moves there.
// For curves that are drawn alternately, one segment each per column.
void Setze_Kurve_fort(Canvas& canvas, QPoint& letzter, int x, int y, const QColor& farbe);
