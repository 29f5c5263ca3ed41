#include "toolkit/filter_frequencies.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/tolerance.h"
#include "platform/float_error.h"

namespace {

// Attenuation in dB of a first-order high pass and low pass with corner fg at f.
long double Daempfung_Hochpass(long double f, long double fg) {
  const long double x = f / fg;
  return -20 * std::log10(x / std::sqrt(1 + x * x));
}
long double Daempfung_Tiefpass(long double f, long double fg) {
  const long double x = f / fg;
  return -20 * std::log10(1 / std::sqrt(1 + x * x));
}

TEST(FilterFrequencies, CornerFrequency) {
  EXPECT_TRUE(RelNear(Grenzfrequenz_RC(1000, 1e-6L), 159.15494309L, 1e-9L));
  EXPECT_THROW(Grenzfrequenz_RC(0, 1e-6L), FloatError);
  EXPECT_THROW(Frequenz_Hochpass(1000, 0, 3), FloatError);
}

TEST(FilterFrequencies, EachFrequencyHasItsAttenuation) {
  const long double R = 4700, C = 2.2e-8L;
  const long double fg = Grenzfrequenz_RC(R, C);
  long double hp_vorher = INFINITY, tp_vorher = 0;
  for (int a : Daempfungsstufen_dB) {
    const long double hp = Frequenz_Hochpass(R, C, a);
    const long double tp = Frequenz_Tiefpass(R, C, a);
    EXPECT_NEAR(static_cast<double>(Daempfung_Hochpass(hp, fg)), a, 1e-9) << a;
    EXPECT_NEAR(static_cast<double>(Daempfung_Tiefpass(tp, fg)), a, 1e-9) << a;
    // The high pass falls and the low pass rises with the attenuation; they mirror around fg.
    EXPECT_LT(hp, hp_vorher);
    EXPECT_GT(tp, tp_vorher);
    EXPECT_TRUE(RelNear(hp * tp, fg * fg, 1e-12L));
    hp_vorher = hp;
    tp_vorher = tp;
  }
}

}  // namespace
