#include "codes/gbj7_89_earth.h"

#include <cmath>

#include "frame/fault.h"

namespace tk::gbj7_89 {

namespace {
constexpr double kPi = 3.1415927410125732;
constexpr double kDeg = kPi / 180.0;
}  // namespace

double SinDeg(double deg) {
  return std::sin(deg * kDeg);
}

double CosDeg(double deg) {
  return std::cos(deg * kDeg);
}

double SurchargeFactor(double q, double gamma, double h, double alpha, double beta) {
  return 1.0 + fault::div(fault::div(fault::div(2.0 * q, gamma), h) * SinDeg(alpha) * CosDeg(beta),
                          SinDeg(alpha + beta));
}

double CohesionFactor(double c, double gamma, double h) {
  return fault::div(fault::div(2.0 * c, gamma), h);
}

KaParts ActiveCoefficientParts(double kq, double eta, double phi, double alpha, double beta,
                               double delta) {
  const double s_ab = SinDeg(alpha + beta), s_a = SinDeg(alpha);
  const double s_all = SinDeg(alpha + beta - phi - delta);
  KaParts p;
  p.A = fault::div(s_ab, (s_a * s_all) * (s_a * s_all));
  p.B = kq * (s_ab * SinDeg(alpha - delta) + SinDeg(phi + delta) * SinDeg(phi - beta));
  p.C = 2.0 * eta * s_a * CosDeg(phi) * CosDeg(alpha + beta - phi - delta);
  p.D = kq * s_ab * SinDeg(phi - beta) + eta * s_a * CosDeg(phi);
  p.E = kq * SinDeg(alpha - delta) * SinDeg(phi + delta) + eta * s_a * CosDeg(phi);
  return p;
}

double ActiveCoefficient(const KaParts& p) {
  return fault::check(p.A * (p.B + p.C - 2.0 * fault::sqrt(p.D * p.E)));
}

double ActiveThrust(double gamma, double h, double Ka) {
  return fault::check(0.5 * gamma * h * h * Ka);
}

}  // namespace tk::gbj7_89
