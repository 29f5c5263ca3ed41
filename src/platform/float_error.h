#pragma once

#include <stdexcept>
#include <string>

// A floating-point or conversion fault: overflow, division by zero, invalid operand.
// Handlers let it reach the application-wide error box.
class FloatError : public std::runtime_error {
 public:
  explicit FloatError(const std::string& what) : std::runtime_error(what) {}
};
