// Arithmetic faults. Division by zero, overflow and square roots of negatives are trapped by
// these guards and reported by the public operation with its code ending in 99; outputs and the
// report stay as far as they were written.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <exception>

#include "frame/export.h"

namespace tk {

struct TK_API ArithmeticFault : std::exception {
  const char* what() const noexcept override { return "arithmetic fault"; }
};

namespace fault {

[[noreturn]] inline void raise() {
  throw ArithmeticFault();
}

inline double check(double x) {
  if (!std::isfinite(x)) raise();
  return x;
}
inline double div(double a, double b) {
  if (b == 0) raise();
  return check(a / b);
}
inline double sqrt(double x) {
  if (!(x >= 0)) raise();
  return std::sqrt(x);
}
inline double pow(double a, double b) {
  return check(std::pow(a, b));
}
inline double log(double x) {
  if (!(x > 0)) raise();
  return std::log(x);
}
// Narrowing to a 32-bit float overflows above FLT_MAX.
inline float to_float(double x) {
  if (!std::isfinite(x) || std::fabs(x) > FLT_MAX) raise();
  return static_cast<float>(x);
}
// Narrowing to the 16- and 32-bit integers rounds half to even, as the original's CInt/CLng did.
inline int16_t to_int16(double x) {
  const double r = std::nearbyint(x);
  if (!(r >= -32768.0 && r <= 32767.0)) raise();
  return static_cast<int16_t>(r);
}
inline int32_t to_int32(double x) {
  const double r = std::nearbyint(x);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) raise();
  return static_cast<int32_t>(r);
}

}  // namespace fault
}  // namespace tk
