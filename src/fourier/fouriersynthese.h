#pragma once

#include <optional>

#include "fourier/teilsummen.h"
#include "toolkit/grundelemente.h"
#include "toolkit/zeichenmodus.h"

// Values of the Fourier topics, written by their dialogs and read by the drawings.
struct TFourierwerte {
  int N = 0;           // harmonics of Fourier 1: 0, 1, 2, 4 ... 128
  TKoeffizienten K{};  // coefficients of Fourier 2
};

extern TFourierwerte Fourierwerte;

// The display-mode flag of a Fourier 1 signal.
bool TZeichenmodus::*Signalflagge(Fouriersignal signal);
// The signal whose flag is set; none when no flag is.
std::optional<Fouriersignal> Gewaehltes_Signal();
// Clears the seven signal flags and sets the one at position index (0 to 6).
void Waehle_Signal(int index);

// What the dialogs show when they open: the square wave with its fundamental only, and all
// coefficients 0.
void Startwerte_Fourier1();
void Startwerte_Fourier2();

// Frame, plot and text area, and axes shared by both drawings.
TFourierrahmen Zeichne_Fourierrahmen(Canvas& canvas);
void Zeichne_Fourier1(Canvas& canvas);
void Zeichne_Fourier2(Canvas& canvas);
