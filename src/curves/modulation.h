#pragma once

#include <QColor>
#include <optional>

#include "toolkit/grundelemente.h"
#include "toolkit/real48.h"
#include "toolkit/zeichenmodus.h"

// Amplitude and frequency modulation: the source signal u(t) in an upper graph, the carrier
// modulated by it below, both over the normalised time 0 .. 1, drawn point by point.

enum class TSignalform { ansteigend, abfallend, Rechteck, Treppe, Sinus };

inline constexpr TSignalform kSignalformen[] = {TSignalform::ansteigend, TSignalform::abfallend, TSignalform::Rechteck,
                                                TSignalform::Treppe, TSignalform::Sinus};

// The display-mode flag of a signal form of amplitude (frequenz false) or frequency modulation.
bool TZeichenmodus::*Signalform_Flag(bool frequenz, TSignalform form);
// The signal form set for that modulation, if any.
std::optional<TSignalform> Gesetzte_Signalform(bool frequenz);

// Start values of a menu command: k = 1, two square periods or steps, and a sine signal of
// 3 (amplitude) or 2 (frequency modulation) periods.
void Startwerte_Modulation(bool frequenz, TSignalform form);

// Carrier frequency Fc and swing dF in periods per width; amplitude modulation has no swing.
struct TTraeger {
  real48 Fc, dF;
};
TTraeger Traeger(bool frequenz, TSignalform form);

// u(t) in -1 .. 1 for t in 0 .. 1, with the shared square periods, steps and sine frequency.
long double Signalwert(TSignalform form, long double t);

// Frame filled in frame grey under white text, else in white.
void Zeichne_Modulationsrahmen(Canvas& canvas, int x1, int y1, const QColor& colour, int y2, int x2);

// The modulation set in the display mode. On the window, with a drawing delay, every point
// waits and reaches the screen, events are handled between points, and a redraw asked for
// meanwhile ends the drawing.
void Zeichne_Modulation(Canvas& canvas);
