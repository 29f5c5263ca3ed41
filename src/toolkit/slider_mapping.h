#pragma once

namespace platform {
class ScrollBar;
class TrackBar;
}  // namespace platform

// Logarithmic mapping between a slider position (0 .. maximum) and a value.
// Bounds or values <= 0, equal bounds or a maximum of 0 throw FloatError.

// Scroll bar: position 0 gives min, position maximum gives max.
long double Wert_aus_Schieber(int position, int maximum, long double min, long double max);
// The position that shows x, rounded half up; outside [0, maximum] when x lies outside the bounds.
int Schieber_Position(int maximum, long double min, long double max, long double x);

// Vertical track bar: position 0 (top) gives upper, position maximum (bottom) gives lower.
long double Wert_aus_Trackbar(int position, int maximum, long double lower, long double upper);
int Trackbar_Position(int maximum, long double lower, long double upper, long double x);

// The same over the controls. A scroll bar's range runs from its Min to its Max; a track bar
// maps its Position over 0 .. Max whatever its Min, and the control clamps what it is set to.
// Schieber_aus_Wert sets the position, which fires the bar's OnChange when it moves;
// Trackbar_aus_Wert sets it silently, as every track bar setter is.
long double Wert_aus_Schieber(const platform::ScrollBar& bar, long double min, long double max);
void Schieber_aus_Wert(platform::ScrollBar& bar, long double min, long double max, long double x);
long double Wert_aus_Trackbar(const platform::TrackBar& bar, long double lower, long double upper);
void Trackbar_aus_Wert(platform::TrackBar& bar, long double lower, long double upper, long double x);
