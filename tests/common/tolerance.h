#pragma once

#include <gtest/gtest.h>
#include <cmath>

// Relative comparison for reference values: |actual - expected| <= rel * |expected|.
inline ::testing::AssertionResult RelNear(long double actual, long double expected, long double rel = 1e-6L) {
  const long double diff = std::fabs(actual - expected);
  if (diff <= rel * std::fabs(expected) || (expected == 0 && diff <= rel)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "actual " << static_cast<double>(actual) << " differs from expected "
                                       << static_cast<double>(expected) << " by more than " << static_cast<double>(rel)
                                       << " (relative)";
}
