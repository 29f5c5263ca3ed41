#include "toolkit/real48.h"

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {
constexpr int kFractionBits = 39;   // plus the hidden leading bit
constexpr int kMaxExponent = 127;   // frexp exponent of the largest 6-byte value
constexpr int kMinExponent = -127;  // frexp exponent of the smallest normal

long long checked_integer(long double r) {
  constexpr long double lo = static_cast<long double>(std::numeric_limits<long long>::min());
  constexpr long double hi = static_cast<long double>(std::numeric_limits<long long>::max());
  if (!std::isfinite(r) || r < lo || r > hi) throw FloatError("Ungültige Gleitkommaoperation");
  return static_cast<long long>(r);
}
}  // namespace

long double real48::round(long double x) {
  if (std::isnan(x) || std::isinf(x)) throw FloatError("Ungültige Gleitkommaoperation");
  if (x == 0) return 0;
#if LDBL_MANT_DIG == 64 && FLT_RADIX == 2
  // The x87 extended format: the same rounding on the bits, without switching the rounding
  // mode (drawings store tens of thousands of values per picture).
  struct {
    std::uint64_t mantisse;  // explicit leading bit
    std::uint16_t vorzeichen_exponent;
  } bits{};
  std::memcpy(&bits, &x, 10);
  constexpr int kWeg = 64 - (kFractionBits + 1);  // bits dropped
  constexpr std::uint64_t kHalb = std::uint64_t{1} << (kWeg - 1);
  const std::uint64_t rest = bits.mantisse & ((std::uint64_t{1} << kWeg) - 1);
  bits.mantisse -= rest;
  int exponent = (bits.vorzeichen_exponent & 0x7FFF) - 16382;  // as frexp gives it
  if (rest > kHalb || (rest == kHalb && (bits.mantisse >> kWeg & 1))) {
    bits.mantisse += std::uint64_t{1} << kWeg;
    if (bits.mantisse == 0) {  // carried out of the top bit
      bits.mantisse = std::uint64_t{1} << 63;
      ++exponent;
      ++bits.vorzeichen_exponent;
    }
  }
  if (exponent > kMaxExponent) throw FloatError("Gleitkommaüberlauf");
  if (exponent < kMinExponent) return 0;
  long double result = 0;
  std::memcpy(&result, &bits, 10);
  return result;
#else
  int e = 0;
  const long double m = std::frexp(x, &e);  // |m| in [0.5, 1)
  // Scale the significand to 40 bits and round to nearest, ties to even.
  const long double scaled = std::ldexp(m, kFractionBits + 1);
  const int old_mode = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const long double r = std::nearbyint(scaled);
  std::fesetround(old_mode);
  const long double result = std::ldexp(r, e - (kFractionBits + 1));
  int re = 0;
  std::frexp(result, &re);
  if (re > kMaxExponent) throw FloatError("Gleitkommaüberlauf");
  if (re < kMinExponent) return 0;
  return result;
#endif
}

long long Trunc(long double x) { return checked_integer(std::trunc(x)); }

long long Round(long double x) {
  if (!std::isfinite(x)) throw FloatError("Ungültige Gleitkommaoperation");
  const int old_mode = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const long double r = std::nearbyint(x);
  std::fesetround(old_mode);
  return checked_integer(r);
}

long double Int(long double x) {
  if (!std::isfinite(x)) throw FloatError("Ungültige Gleitkommaoperation");
  return std::trunc(x);
}

long long Div(long long a, long long b) {
  if (b == 0) throw FloatError("Division durch Null");
  if (a == std::numeric_limits<long long>::min() && b == -1) throw FloatError("Ganzzahlüberlauf");
  return a / b;
}

long long Mod(long long a, long long b) {
  if (b == 0) throw FloatError("Division durch Null");
  if (b == -1) return 0;
  return a % b;
}
