#pragma once

// Logarithmic mapping between a slider position (0 .. maximum) and a value.
// Bounds or values <= 0, equal bounds or a maximum of 0 throw FloatError.

// Scroll bar: position 0 gives min, position maximum gives max.
long double Wert_aus_Schieber(int position, int maximum, long double min, long double max);
// The position that shows x, rounded half up; outside [0, maximum] when x lies outside the bounds.
int Schieber_Position(int maximum, long double min, long double max, long double x);

// Vertical track bar: position 0 (top) gives upper, position maximum (bottom) gives lower.
long double Wert_aus_Trackbar(int position, int maximum, long double lower, long double upper);
int Trackbar_Position(int maximum, long double lower, long double upper, long double x);
