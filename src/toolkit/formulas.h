#pragma once

// Circuit quantities in SI units (ohm, farad, henry, hertz, radian). A division by zero or a
// root of a negative number throws FloatError.

inline constexpr long double Zwei_Pi = 6.283185307179586477L;

long double Berechne_Xc(long double C, long double f);  // 1 / (2 pi f C)
long double Berechne_XL(long double L, long double f);  // 2 pi f L
long double Berechne_fr(long double L, long double C);  // 1 / (2 pi sqrt(L C))

long double Berechne_Z_RC_Reihe(long double R, long double C, long double f);
long double Berechne_Z_RL_Reihe(long double R, long double L, long double f);
long double Berechne_Z_RCL_Reihe(long double R, long double C, long double L, long double f);
long double Berechne_Z_RC_parallel(long double R, long double C, long double f);
long double Berechne_Z_RL_parallel(long double R, long double L, long double f);
long double Berechne_Z_RCL_parallel(long double R, long double C, long double L, long double f);

// Impedance of C parallel to L; at resonance (Xc and XL equal as stored reals) exactly 1e13.
long double Berechne_Z_CL_parallel(long double C, long double L, long double f);

long double Bogen_zu_Grad(long double x);                // radian to degree
long double Kehrwert_2pi(long double a, long double b);  // 1 / (2 pi a b)
long double Quotient_2pi(long double a, long double b);  // b / (2 pi a)
long double Quotient(long double a, long double b);      // a / b
