#include "codes/jgj94_94.h"

#include <cstddef>
#include <limits>
#include <numbers>

#include "codes/gbj10_89.h"
#include "frame/fault.h"

namespace tk::jgj94_94 {

namespace {

constexpr double kPi = std::numbers::pi;

using gbj10_89::TablePoint;
// Table 5.4.2 by αh.
constexpr TablePoint kNumHinged[] = {{2.4, 0.601}, {2.6, 0.639}, {2.8, 0.675},
                                     {3.0, 0.703}, {3.5, 0.750}, {4.0, 0.768}};
constexpr TablePoint kNumFixed[] = {{2.4, 1.045}, {2.6, 1.018}, {2.8, 0.990},
                                    {3.0, 0.967}, {3.5, 0.934}, {4.0, 0.926}};
constexpr TablePoint kNuxHinged[] = {{2.4, 3.526}, {2.6, 3.163}, {2.8, 2.905},
                                     {3.0, 2.727}, {3.5, 2.502}, {4.0, 2.441}};
constexpr TablePoint kNuxFixed[] = {{2.4, 1.095}, {2.6, 1.079}, {2.8, 1.055},
                                    {3.0, 1.028}, {3.5, 0.970}, {4.0, 0.940}};

// Table C-5 (n = 2): λ by α2 − α1 = 0.21 … 0.51.
constexpr double kC5Delta[] = {0.21, 0.24, 0.27, 0.30, 0.33, 0.36, 0.39, 0.42, 0.45, 0.48, 0.51};
constexpr float kC5[] = {1.00f, 0.99f, 0.97f, 0.96f, 0.94f, 0.93f,
                         0.91f, 0.90f, 0.88f, 0.87f, 0.85f};

// Table C-6 (n = 3): rows α2, columns α3 − α1; NaN marks the cells the code leaves empty.
constexpr double kC6Alpha2[] = {0.84, 0.92, 1.00, 1.08, 1.16};
constexpr double kC6Delta[] = {0.30, 0.33, 0.36, 0.39, 0.42, 0.45, 0.48, 0.51};
constexpr float kNo = std::numeric_limits<float>::quiet_NaN();
constexpr float kC6[5][8] = {
    {kNo, kNo, kNo, kNo, kNo, kNo, 0.93f, 0.92f},
    {0.99f, 0.98f, 0.98f, 0.97f, 0.96f, 0.95f, 0.94f, 0.93f},
    {1.00f, 0.99f, 0.98f, 0.97f, 0.96f, 0.95f, 0.93f, 0.92f},
    {0.98f, 0.97f, 0.95f, 0.94f, 0.93f, 0.91f, 0.90f, 0.88f},
    {kNo, kNo, kNo, kNo, kNo, kNo, 0.86f, 0.84f},
};

// Linear between two grid points; on a grid point the neighbour is not touched (it may be empty).
double Lerp(double x, double x1, double x2, double y1, double y2) {
  if (x <= x1) return y1;
  if (x >= x2) return y2;
  return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

// Index k of the grid interval [g[k], g[k+1]] holding x (x inside the grid).
template <size_t N>
size_t Interval(const double (&g)[N], double x) {
  size_t k = 0;
  while (k + 2 < N && x >= g[k + 1]) ++k;
  return k;
}

}  // namespace

double MeanCapacity(double sum, int n) {
  return fault::div(sum, n);
}

double StandardDeviation(double sum_of_squares, int n) {
  return fault::sqrt(fault::div(sum_of_squares, n - 1));
}

double LambdaTwoPiles(double delta) {
  if (delta < kC5DeltaMin) return 1.0;
  const size_t j = Interval(kC5Delta, delta);
  return Lerp(delta, kC5Delta[j], kC5Delta[j + 1], kC5[j], kC5[j + 1]);
}

double LambdaThreePiles(double alpha2, double delta) {
  const size_t i = Interval(kC6Alpha2, alpha2), j = Interval(kC6Delta, delta);
  auto row = [&](size_t r) {
    return Lerp(delta, kC6Delta[j], kC6Delta[j + 1], kC6[r][j], kC6[r][j + 1]);
  };
  if (alpha2 <= kC6Alpha2[i]) return row(i);
  if (alpha2 >= kC6Alpha2[i + 1]) return row(i + 1);
  return Lerp(alpha2, kC6Alpha2[i], kC6Alpha2[i + 1], row(i), row(i + 1));
}

Quartic LambdaEquation(double sum, double sum_of_squares, int n, int m) {
  const double dn = n;
  return Quartic{{sum_of_squares + sum * sum / m, -2.0 * dn * sum / m,
                  0.127 - 1.127 * dn + dn * dn / m, 0.147 * (dn - 1), -0.042 * (dn - 1)}};
}

double PlasticFactor(bool circular) {
  return circular ? 2.0 : 1.75;
}

double AxialInfluence(bool compression) {
  return compression ? 0.5 : 1.0;
}

double SectionModulusCircular(double d, double alpha_e, double rho_g, double d0) {
  return fault::check(kPi * d / 32.0 * (d * d + 2.0 * (alpha_e - 1.0) * rho_g * d0 * d0));
}

double AreaCircular(double d, double alpha_e, double rho_g) {
  return fault::check(kPi * d * d / 4.0 * (1.0 + (alpha_e - 1.0) * rho_g));
}

double SectionModulusSquare(double d) {
  return d * d * d / 6.0;
}

double FlexuralStiffness(double Ec, double Io) {
  return fault::check(kStiffnessFactor * Ec * 1000.0 * Io);
}

double CalculationWidth(double d_mm, bool circular) {
  const double d = d_mm / 1000.0;
  if (circular) return d_mm <= 1000.0 ? 0.9 * (1.5 * d + 0.5) : 0.9 * (d + 1.0);
  return d_mm <= 1000.0 ? 1.5 * d + 0.5 : d + 1.0;
}

double DeformationCoefficient(double m, double bo, double EI) {
  return fault::pow(fault::div(m * bo, EI), 0.2);
}

double MomentCoefficient(double alpha_h, bool fixed) {
  return gbj10_89::ClampedLookup(fixed ? kNumFixed : kNumHinged, alpha_h);
}

double DisplacementCoefficient(double alpha_h, bool fixed) {
  return gbj10_89::ClampedLookup(fixed ? kNuxFixed : kNuxHinged, alpha_h);
}

double LateralCapacityByCracking(double alpha, double gm, double ft, double Wo, double vm,
                                 double rho_g, double zN, double N, double An, bool compression) {
  const double f = 1.0 + (compression ? 1.0 : -1.0) * fault::div(zN * N, gm * ft * An);
  return fault::check(fault::div(alpha * gm * ft * Wo, vm) * (1.25 + 22.0 * rho_g) * f);
}

double LateralCapacityByDisplacement(double alpha, double EI, double vx, double xoa) {
  return fault::check(fault::div(alpha * alpha * alpha * EI, vx) * xoa);
}

}  // namespace tk::jgj94_94
