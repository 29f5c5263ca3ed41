#pragma once

#include <QColor>
#include <QString>

#include "platform/canvas.h"
#include "platform/fonts.h"

// The program's drawings speak the platform's vocabulary directly.
using platform::Canvas;
using platform::resolve_font;
using platform::TBrush;
using platform::TBrushStyle;
using platform::TFont;
using platform::TFontPitch;
using platform::TPenMode;
using platform::TPenStyle;

// Drawing primitives shared by the topic drawings.

// Transparent text in the given colour, top left corner at (x, y).
void Schreibe_Text(Canvas& canvas, int x, int y, const QString& text, const QColor& colour);
// Waits n microseconds on a steady clock; n <= 0 returns at once.
void Warte(int n);
// One step of an animation on a window canvas: the drawing delay, the step to the screen,
// and with pausing enabled the pending events and a stop while a key is held. On any other
// canvas it does nothing. False when the events asked for a new drawing: the animation
// should end, the drawing follows. immer_Ereignisse: the events are handled also with pausing
// off (a held key then does not stop the step), for drawings that must never freeze the window.
bool Animationsschritt(Canvas& canvas, bool immer_Ereignisse = false);

void Zeichne_Zeigerrahmen(Canvas& canvas);
void Zeichne_Zeigerachsen(Canvas& canvas);
void Zeichne_Zeitachse(Canvas& canvas);
void Zeichne_Zeiger(Canvas& canvas, int x, int y);
