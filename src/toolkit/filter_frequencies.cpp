#include "toolkit/filter_frequencies.h"

#include <cmath>

#include "platform/float_error.h"
#include "toolkit/formulas.h"

namespace {

// √(10^(a/10) − 1): the ratio of the frequency to fg at which the attenuation is a dB.
long double Faktor(long double a_dB) {
  const long double q = std::pow(10.0L, a_dB / 10) - 1;
  if (!(q > 0)) throw FloatError("Ungültige Gleitkommaoperation");
  return std::sqrt(q);
}
}  // namespace

long double Grenzfrequenz_RC(long double R, long double C) { return Kehrwert_2pi(R, C); }

long double Frequenz_Hochpass(long double R, long double C, long double a_dB) {
  return Grenzfrequenz_RC(R, C) / Faktor(a_dB);
}

long double Frequenz_Tiefpass(long double R, long double C, long double a_dB) {
  return Grenzfrequenz_RC(R, C) * Faktor(a_dB);
}
