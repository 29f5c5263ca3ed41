#include "toolkit/real48.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

TEST(Real48, RoundsToNearestSixByteValue) {
  // 1 + 2^-40 lies exactly between 1 and 1 + 2^-39: ties go to the even neighbour, 1.
  EXPECT_EQ(static_cast<long double>(real48(1.0L + std::ldexp(1.0L, -40))), 1.0L);
  // 1 + 3 * 2^-40 lies between 1 + 2^-39 and 1 + 2^-38: ties to even gives 1 + 2^-38.
  EXPECT_EQ(static_cast<long double>(real48(1.0L + 3 * std::ldexp(1.0L, -40))), 1.0L + std::ldexp(1.0L, -38));
  // Above the half way point rounds up.
  EXPECT_EQ(static_cast<long double>(real48(1.0L + std::ldexp(1.0L, -40) + std::ldexp(1.0L, -50))),
            1.0L + std::ldexp(1.0L, -39));
  // An 80-bit value with more bits than the form holds.
  const long double third = 1.0L / 3.0L;
  const long double stored = real48(third);
  EXPECT_NE(stored, third);
  EXPECT_LT(std::fabs(stored - third), std::ldexp(1.0L, -41));
}

TEST(Real48, ValuesDifferingBelowPrecisionCompareEqualAfterStoring) {
  const real48 a = 0.1L;
  const real48 b = 0.1L + 1e-16L;
  EXPECT_EQ(static_cast<long double>(a), static_cast<long double>(b));
  EXPECT_NE(0.1L, 0.1L + 1e-16L);
}

TEST(Real48, RangeLimits) {
  EXPECT_THROW(real48(1e39L), FloatError);
  EXPECT_THROW(real48(-1e39L), FloatError);
  const long double zero = 0;
  EXPECT_THROW(real48(1 / zero), FloatError);
  EXPECT_THROW(real48(std::numeric_limits<long double>::quiet_NaN()), FloatError);
  EXPECT_NO_THROW(real48(1.7e38L));
  EXPECT_EQ(static_cast<long double>(real48(1e-40L)), 0.0L);  // below the smallest normal
  EXPECT_GT(static_cast<long double>(real48(3e-39L)), 0.0L);
}

TEST(Real48, ArithmeticStoresRounded) {
  real48 x = 1;
  x /= 3;
  EXPECT_EQ(static_cast<long double>(x), real48::round(1.0L / 3.0L));
  EXPECT_THROW(x *= 1e39L, FloatError);
}

TEST(CheckedConversions, TruncRoundInt) {
  EXPECT_EQ(Trunc(2.9L), 2);
  EXPECT_EQ(Trunc(-2.9L), -2);
  EXPECT_EQ(Round(2.5L), 2);
  EXPECT_EQ(Round(3.5L), 4);
  EXPECT_EQ(Round(-2.5L), -2);
  EXPECT_EQ(Round(2.6L), 3);
  EXPECT_EQ(Int(-3.7L), -3.0L);
  EXPECT_THROW(Trunc(1e30L), FloatError);
  EXPECT_THROW(Round(std::numeric_limits<long double>::infinity()), FloatError);
  EXPECT_THROW(Int(std::numeric_limits<long double>::quiet_NaN()), FloatError);
}

TEST(CheckedConversions, IntegerDivision) {
  EXPECT_EQ(Div(7, 2), 3);
  EXPECT_EQ(Div(-7, 2), -3);
  EXPECT_EQ(Mod(-7, 2), -1);
  EXPECT_THROW(Div(1, 0), FloatError);
  EXPECT_THROW(Mod(1, 0), FloatError);
}
