#pragma once

#include <compare>

#include "platform/float_error.h"

// The 6-byte real: sign, 39 fraction bits, 8-bit exponent. Holds a long double that is
// already rounded to that form (nearest, ties to even). Arithmetic runs in long double;
// every store rounds. Out of range, infinite or NaN values throw FloatError; values
// below the smallest normal become 0.
class real48 {
 public:
  constexpr real48() = default;
  real48(long double v) : v_(round(v)) {}      // NOLINT: implicit like the platform's real
  operator long double() const { return v_; }  // NOLINT

  real48& operator+=(long double x) { return *this = v_ + x; }
  real48& operator-=(long double x) { return *this = v_ - x; }
  real48& operator*=(long double x) { return *this = v_ * x; }
  real48& operator/=(long double x) { return *this = v_ / x; }

  long double value() const { return v_; }

  // Rounds x to the 6-byte form, throwing FloatError where it has no such form.
  static long double round(long double x);

  static constexpr long double max_value() { return 1.7014118346015974e38L; }  // (2 - 2^-39) * 2^126, rounded

 private:
  long double v_ = 0;
};

// Checked conversions of the platform: a non-finite or out-of-range argument throws FloatError.
long long Trunc(long double x);           // toward zero
long long Round(long double x);           // to nearest, halves to even
long double Int(long double x);           // integer part as a real
long long Div(long long a, long long b);  // integer division toward zero; b = 0 throws
long long Mod(long long a, long long b);  // remainder of Div; b = 0 throws
