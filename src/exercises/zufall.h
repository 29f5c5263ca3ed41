#pragma once

#include <cstdint>
#include <random>

namespace exercises {

// Source of the random draws of the exercises: Ziehe(n) is a whole number from 0 to n - 1.
class Zufallsquelle {
 public:
  virtual ~Zufallsquelle() = default;
  virtual int Ziehe(int n) = 0;
};

// The Mersenne twister, whose sequence the standard fixes, scaled without a distribution
// object (their algorithms differ between libraries): (g() * n) >> 32.
class Mersenne_Zufall : public Zufallsquelle {
 public:
  explicit Mersenne_Zufall(std::uint32_t saat) : g_(saat) {}
  int Ziehe(int n) override;

 private:
  std::mt19937 g_;
};

// A seed from the clock.
std::uint32_t Saat_aus_Uhr();

}  // namespace exercises
