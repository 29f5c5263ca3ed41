#include "toolkit/slider_mapping.h"

#include <cmath>
#include <limits>

#include "platform/float_error.h"
#include "platform/scrollbar.h"
#include "platform/trackbar.h"
#include "toolkit/real48.h"

namespace {

void pruefe_grenzen(int maximum, long double a, long double b) {
  if (maximum == 0 || !(a > 0) || !(b > 0) || a == b) throw FloatError("Ungültige Gleitkommaoperation");
}

// from * (to / from)^(position / maximum); the end positions give the bounds exactly.
long double logarithmisch(int position, int maximum, long double from, long double to) {
  pruefe_grenzen(maximum, from, to);
  if (position == maximum) return to;
  return from * std::exp(std::log(to / from) * position / maximum);
}

int position_aus(int maximum, long double from, long double to, long double x) {
  pruefe_grenzen(maximum, from, to);
  if (!(x > 0)) throw FloatError("Ungültige Gleitkommaoperation");
  const long long position = Trunc((std::log(x) - std::log(from)) / (std::log(to) - std::log(from)) * maximum + 0.5L);
  if (position < std::numeric_limits<int>::min() || position > std::numeric_limits<int>::max())
    throw FloatError("Ganzzahlüberlauf");
  return static_cast<int>(position);
}

}  // namespace

long double Wert_aus_Schieber(int position, int maximum, long double min, long double max) {
  return logarithmisch(position, maximum, min, max);
}

int Schieber_Position(int maximum, long double min, long double max, long double x) {
  return position_aus(maximum, min, max, x);
}

long double Wert_aus_Trackbar(int position, int maximum, long double lower, long double upper) {
  return logarithmisch(position, maximum, upper, lower);
}

int Trackbar_Position(int maximum, long double lower, long double upper, long double x) {
  return position_aus(maximum, upper, lower, x);
}

long double Wert_aus_Schieber(const platform::ScrollBar& bar, long double min, long double max) {
  return Wert_aus_Schieber(bar.Position() - bar.Min(), bar.Max() - bar.Min(), min, max);
}

void Schieber_aus_Wert(platform::ScrollBar& bar, long double min, long double max, long double x) {
  bar.SetPosition(bar.Min() + Schieber_Position(bar.Max() - bar.Min(), min, max, x));
}

// The track bar's Min plays no part: a bar from 1 to 1000 at its top reads slightly below upper.
long double Wert_aus_Trackbar(const platform::TrackBar& bar, long double lower, long double upper) {
  return Wert_aus_Trackbar(bar.Position(), bar.Max(), lower, upper);
}

void Trackbar_aus_Wert(platform::TrackBar& bar, long double lower, long double upper, long double x) {
  bar.SetPosition(Trackbar_Position(bar.Max(), lower, upper, x));
}
