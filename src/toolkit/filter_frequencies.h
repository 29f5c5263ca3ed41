#pragma once

// Characteristic frequencies of a first-order R-C high pass and low pass.

#include <array>

// Attenuations listed on the sheets and panels, in dB.
inline constexpr std::array<int, 4> Daempfungsstufen_dB{3, 6, 12, 24};

// Corner frequency fg = 1 / (2π R C). R = 0 or C = 0 throws FloatError.
long double Grenzfrequenz_RC(long double R, long double C);

// Frequency at which the high pass attenuates by a dB: fg / √(10^(a/10) − 1).
long double Frequenz_Hochpass(long double R, long double C, long double a_dB);

// Frequency at which the low pass attenuates by a dB: fg · √(10^(a/10) − 1).
long double Frequenz_Tiefpass(long double R, long double C, long double a_dB);
