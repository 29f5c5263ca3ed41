#pragma once

#include "experiments/berechne_werte.h"
#include "toolkit/grundelemente.h"

namespace experiments {

// Clears the bar chart picture of w x h pixels in the background colour (with the default
// black outline) and selects the bar name font, Arial bold.
void Loesche_Balkenbild(Canvas& canvas, int w, int h);

// One bar standing on the bottom line H: 15 pixels wide, trunc(wert / max * H) high, filled in
// its colour with the pen's outline, and its name in the same colour above it (beside its top
// when there is no room above).
void Zeige_Balken(Canvas& canvas, int H, long double max, const TBalken& balken);

}  // namespace experiments
