#pragma once

// Drawing the calculators' result sheets onto the canvas the main window prepared.

#include <array>

#include "calculators/rahmen.h"
#include "calculators/sheets.h"
#include "toolkit/grundelemente.h"

namespace calculators {

// Title, underline, lines and frame of one sheet. `pinsel_fest`: set the brush style back
// to solid after the frame (the parallel sheets do).
void Zeichne_Blatt(Canvas& canvas, const Blatt& blatt, bool pinsel_fest = false);

// The display modes of the calculators' sheets, in the order the main window tests them.
inline constexpr std::array<Blattmodus, 14> Rechenblaetter{
    &TZeichenmodus::Blatt_Widerstand,  &TZeichenmodus::Blatt_Kondensator,   &TZeichenmodus::Blatt_Spule,
    &TZeichenmodus::Blatt_RC_Reihe,    &TZeichenmodus::Blatt_RL_Reihe,      &TZeichenmodus::Blatt_RCL_Reihe,
    &TZeichenmodus::Blatt_CL_Reihe,    &TZeichenmodus::Blatt_RC_parallel,   &TZeichenmodus::Blatt_RL_parallel,
    &TZeichenmodus::Blatt_CL_parallel, &TZeichenmodus::Blatt_RCL_parallel,  &TZeichenmodus::Blatt_Hoch_Tiefpass,
    &TZeichenmodus::Blatt_Kapazitaet,  &TZeichenmodus::Blatt_Induktivitaet,
};

// The sheet of one of those modes, drawn from the shared values.
void Zeichne_Rechenblatt(Canvas& canvas, Blattmodus blatt);

}  // namespace calculators
