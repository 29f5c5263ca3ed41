#pragma once

#include <QColor>

#include "toolkit/grundelemente.h"

// High pass (output across R) above and low pass (output across C) below, swept over the same
// linear frequency range, each with its output envelope, a sine of rising frequency inside it
// and the 3 dB and 12 dB marks; fixed values and characteristic frequencies on the right half.

// Start values of the menu command: U, R, C and the sweep values L, fs and zoom.
void Startwerte_Hoch_Tiefpass();

// Frame of one graph: filled rectangle 5 pixels around it, value and frequency axes, the marks
// with "f(3dB)" and "f(12dB)", "f" at the axis' end and "U" at the top.
void Zeichne_Filterrahmen(Canvas& canvas, int x0, int y_top, int x_right, int y_bottom, int axis_y, int x_3dB,
                          int x_12dB, const QColor& colour);

void Zeichne_Hoch_Tiefpass(Canvas& canvas, long double U, long double R, long double C);
