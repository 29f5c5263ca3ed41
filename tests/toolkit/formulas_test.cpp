#include "toolkit/formulas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/tolerance.h"
#include "platform/float_error.h"
#include "toolkit/real48.h"

TEST(Formulas, Reactances) {
  EXPECT_TRUE(RelNear(Berechne_Xc(10e-6L, 50), 318.309886L, 1e-8L));
  EXPECT_TRUE(RelNear(Berechne_XL(0.5L, 50), 157.079633L, 1e-8L));
  // 10 uF and 10 mH resonate at about 503.29 Hz.
  EXPECT_TRUE(RelNear(Berechne_fr(0.01L, 10e-6L), 503.292121L, 1e-8L));
  EXPECT_TRUE(
      RelNear(Berechne_Xc(10e-6L, Berechne_fr(0.01L, 10e-6L)), Berechne_XL(0.01L, Berechne_fr(0.01L, 10e-6L)), 1e-15L));
}

TEST(Formulas, SeriesImpedances) {
  const long double Xc = Berechne_Xc(10e-6L, 50);
  const long double XL = Berechne_XL(0.5L, 50);
  EXPECT_TRUE(RelNear(Berechne_Z_RC_Reihe(100, 10e-6L, 50), std::sqrt(100.0L * 100 + Xc * Xc)));
  EXPECT_TRUE(RelNear(Berechne_Z_RL_Reihe(100, 0.5L, 50), 186.209589L, 1e-8L));
  EXPECT_TRUE(RelNear(Berechne_Z_RCL_Reihe(100, 10e-6L, 0.5L, 50), std::hypot(100.0L, Xc - XL)));
  EXPECT_TRUE(RelNear(Berechne_Z_RCL_Reihe(50, 10e-6L, 0.01L, Berechne_fr(0.01L, 10e-6L)), 50, 1e-12L));
}

TEST(Formulas, ParallelImpedances) {
  const long double Xc = Berechne_Xc(10e-6L, 50);
  EXPECT_TRUE(RelNear(Berechne_Z_RC_parallel(100, 10e-6L, 50), 100 * Xc / std::hypot(100.0L, Xc)));
  EXPECT_TRUE(RelNear(Berechne_Z_RL_parallel(100, 0.5L, 50), 84.356361L, 1e-8L));
  EXPECT_TRUE(RelNear(Berechne_Z_RCL_parallel(50, 10e-6L, 0.01L, Berechne_fr(0.01L, 10e-6L)), 50, 1e-12L));
  EXPECT_TRUE(RelNear(Berechne_Z_CL_parallel(10e-6L, 0.5L, 50), 1 / std::fabs(1 / Xc - 1 / Berechne_XL(0.5L, 50))));
}

TEST(Formulas, ClParallelAtResonanceIsExactlyTenToThe13) {
  EXPECT_EQ(Berechne_Z_CL_parallel(1e-6L, 1, 1 / Zwei_Pi / 1e-3L), 1e13L);
  // Xc and XL equal only after storing as reals.
  const long double f = Berechne_fr(0.01L, 10e-6L);
  ASSERT_EQ(static_cast<long double>(real48(Berechne_Xc(10e-6L, f))),
            static_cast<long double>(real48(Berechne_XL(0.01L, f))));
  EXPECT_EQ(Berechne_Z_CL_parallel(10e-6L, 0.01L, f), 1e13L);
}

TEST(Formulas, Conversions) {
  EXPECT_TRUE(RelNear(Bogen_zu_Grad(Zwei_Pi / 4), 90, 1e-18L));
  EXPECT_TRUE(RelNear(Bogen_zu_Grad(-std::atan(1.0L)), -45, 1e-18L));
  // A capacitance from f and Xc, an inductance from f and XL.
  EXPECT_TRUE(RelNear(Kehrwert_2pi(50, Berechne_Xc(10e-6L, 50)), 10e-6L, 1e-15L));
  EXPECT_TRUE(RelNear(Quotient_2pi(50, Berechne_XL(0.5L, 50)), 0.5L, 1e-15L));
  EXPECT_EQ(Quotient(10, 4), 2.5L);
}

TEST(Formulas, DivisionByZeroThrows) {
  EXPECT_THROW(Berechne_Xc(0, 50), FloatError);
  EXPECT_THROW(Berechne_Xc(10e-6L, 0), FloatError);
  EXPECT_THROW(Berechne_fr(0, 10e-6L), FloatError);
  EXPECT_THROW(Berechne_fr(-1, 10e-6L), FloatError);
  EXPECT_THROW(Berechne_Z_RC_Reihe(100, 0, 50), FloatError);
  EXPECT_THROW(Berechne_Z_RC_parallel(0, 10e-6L, 50), FloatError);
  EXPECT_THROW(Berechne_Z_RL_parallel(100, 0.5L, 0), FloatError);
  EXPECT_THROW(Berechne_Z_RCL_parallel(0, 10e-6L, 0.5L, 50), FloatError);
  EXPECT_THROW(Berechne_Z_CL_parallel(10e-6L, 0, 50), FloatError);
  EXPECT_THROW(Kehrwert_2pi(0, 5), FloatError);
  EXPECT_THROW(Quotient_2pi(0, 5), FloatError);
  EXPECT_THROW(Quotient(1, 0), FloatError);
}
