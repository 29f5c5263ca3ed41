#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "exercises/zufall.h"

// Hands out scripted draws in order; a draw outside 0 .. n - 1 or past the script fails the test.
class Skript_Zufall : public exercises::Zufallsquelle {
 public:
  explicit Skript_Zufall(const std::vector<int>& werte) : werte_(werte.begin(), werte.end()) {}
  int Ziehe(int n) override {
    if (werte_.empty()) {
      ADD_FAILURE() << "more draws than scripted";
      return 0;
    }
    const int w = werte_.front();
    werte_.pop_front();
    EXPECT_LT(w, n);
    return w;
  }
  std::size_t Rest() const { return werte_.size(); }

 private:
  std::deque<int> werte_;
};
