#include "exercises/zufall.h"

#include <chrono>

namespace exercises {

int Mersenne_Zufall::Ziehe(int n) {
  if (n <= 0) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(g_()) * static_cast<std::uint64_t>(n)) >> 32);
}

std::uint32_t Saat_aus_Uhr() {
  const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
  return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

}  // namespace exercises
