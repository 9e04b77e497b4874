// Classical series solutions of uniformly loaded rectangular plates, written independently of the
// finite-element solver as its oracle (q = 1, D = 1; x from 0 to a, y from 0 to b).
//   Navier: all four edges simply supported, double sine series.
//   Lévy:   edges x = 0 and x = a simply supported, the edges y = 0 and y = b each clamped,
//           simply supported or free; single series w = Σ Y_m(y) sin(mπx/a).
#pragma once

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace plate_series {

struct Values {
  double w = 0.0, mx = 0.0, my = 0.0;
};

inline Values Navier(double a, double b, double nu, double x, double y, int terms = 801) {
  const double pi = std::numbers::pi;
  Values v;
  for (int m = 1; m <= terms; m += 2)
    for (int n = 1; n <= terms; n += 2) {
      const double am = m / a, bn = n / b;
      const double s = std::sin(m * pi * x / a) * std::sin(n * pi * y / b);
      const double den = m * n * (am * am + bn * bn) * (am * am + bn * bn);
      v.w += 16.0 / (std::pow(pi, 6) * den) * s;
      v.mx += 16.0 / (std::pow(pi, 4) * den) * (am * am + nu * bn * bn) * s;
      v.my += 16.0 / (std::pow(pi, 4) * den) * (nu * am * am + bn * bn) * s;
    }
  return v;
}

enum class Side { C, S, F };

namespace detail {

// r-th y-derivative, divided by α^r, of the four homogeneous solutions
// e^{-αy}, αy e^{-αy}, e^{-α(b−y)}, α(b−y) e^{-α(b−y)} (bounded for any αb).
inline std::array<double, 4> Basis(double alpha, double b, double y, int r) {
  const double t = alpha * y, s = alpha * (b - y);
  const double et = std::exp(-t), es = std::exp(-s);
  static const double f2[4][2] = {{0, 1}, {1, -1}, {-2, 1}, {3, -1}};  // (c0 + c1·t) e^{-t}
  const double sign1 = (r % 2) ? -1.0 : 1.0;
  const double f4c0 = (r == 0) ? 0.0 : (r == 1) ? -1.0 : (r == 2) ? -2.0 : -3.0;
  const double f4c1 = (r == 0) ? 1.0 : (r == 1) ? 1.0 : (r == 2) ? 1.0 : 1.0;
  // f4: r=0: s e^{-s}; r=1: −(1−s) e^{-s}; r=2: (s−2) e^{-s}; r=3: −(3−s) e^{-s}
  return {sign1 * et, (f2[r][0] + f2[r][1] * t) * et, es, (f4c0 + f4c1 * s) * es};
}

// Rows of the two edge conditions of one side (scaled by α^r), right-hand sides for Y_p = 1.
inline void EdgeRows(Side side, double alpha, double b, double y, double nu, double row[2][4],
                     double rhs[2]) {
  const auto f0 = Basis(alpha, b, y, 0), f1 = Basis(alpha, b, y, 1), f2 = Basis(alpha, b, y, 2),
             f3 = Basis(alpha, b, y, 3);
  for (int i = 0; i < 4; ++i) {
    switch (side) {
      case Side::C:  // w = 0, ∂w/∂y = 0
        row[0][i] = f0[i];
        row[1][i] = f1[i];
        break;
      case Side::S:  // w = 0, My = 0
        row[0][i] = f0[i];
        row[1][i] = f2[i];
        break;
      case Side::F:  // My = 0, Vy = 0
        row[0][i] = f2[i] - nu * f0[i];
        row[1][i] = f3[i] - (2.0 - nu) * f1[i];
        break;
    }
  }
  rhs[0] = side == Side::F ? nu : -1.0;
  rhs[1] = 0.0;
}

inline std::array<double, 4> Solve4(double A[4][4], double r[4]) {
  for (int c = 0; c < 4; ++c) {
    int p = c;
    for (int i = c + 1; i < 4; ++i)
      if (std::fabs(A[i][c]) > std::fabs(A[p][c])) p = i;
    for (int j = 0; j < 4; ++j) std::swap(A[c][j], A[p][j]);
    std::swap(r[c], r[p]);
    for (int i = c + 1; i < 4; ++i) {
      const double f = A[i][c] / A[c][c];
      for (int j = c; j < 4; ++j) A[i][j] -= f * A[c][j];
      r[i] -= f * r[c];
    }
  }
  std::array<double, 4> x{};
  for (int i = 3; i >= 0; --i) {
    double s = r[i];
    for (int j = i + 1; j < 4; ++j) s -= A[i][j] * x[j];
    x[i] = s / A[i][i];
  }
  return x;
}

}  // namespace detail

// Lévy solution at (x, y); bottom = side at y = 0, top = side at y = b.
inline Values Levy(double a, double b, Side bottom, Side top, double nu, double x, double y,
                   int terms = 4001) {
  const double pi = std::numbers::pi;
  Values v;
  for (int m = 1; m <= terms; m += 2) {
    const double alpha = m * pi / a;
    const double yp = 4.0 / (m * pi) / std::pow(alpha, 4);  // particular solution for the load
    double A[4][4], r[4], row[2][4], rhs[2];
    detail::EdgeRows(bottom, alpha, b, 0.0, nu, row, rhs);
    for (int i = 0; i < 2; ++i) {
      for (int j = 0; j < 4; ++j) A[i][j] = row[i][j];
      r[i] = rhs[i];
    }
    detail::EdgeRows(top, alpha, b, b, nu, row, rhs);
    for (int i = 0; i < 2; ++i) {
      for (int j = 0; j < 4; ++j) A[2 + i][j] = row[i][j];
      r[2 + i] = rhs[i];
    }
    const auto c = detail::Solve4(A, r);
    const auto f0 = detail::Basis(alpha, b, y, 0), f2 = detail::Basis(alpha, b, y, 2);
    double Y = 1.0, Y2 = 0.0;  // in units of yp; Y2 = Y'' / α²
    for (int i = 0; i < 4; ++i) {
      Y += c[i] * f0[i];
      Y2 += c[i] * f2[i];
    }
    const double s = std::sin(alpha * x);
    v.w += yp * Y * s;
    v.mx += yp * alpha * alpha * (Y - nu * Y2) * s;
    v.my += yp * alpha * alpha * (nu * Y - Y2) * s;
  }
  return v;
}

}  // namespace plate_series
