#include "codes/gbj7_89.h"

#include <cmath>

#include "codes/gbj10_89.h"
#include "codes/gbj11_89.h"
#include "frame/fault.h"

namespace tk::gbj7_89 {

double CorrectionWidth(double b) {
  if (b < kWidthMin) return kWidthMin;
  if (b > kWidthMax) return kWidthMax;
  return b;
}

double CorrectionDepth(double d) {
  return d < kDepthMin ? kDepthMin : d;
}

double BearingCapacity(double fk, double eta_b, double gamma, double b, double eta_d,
                       double gamma_o, double d) {
  return fault::check(fk + eta_b * gamma * (b - kWidthMin) + eta_d * gamma_o * (d - kDepthMin));
}

double AxialPressure(double FG, double A) {
  return fault::div(FG, A);
}

double BaseModulus(double B, double L) {
  return fault::check(B * L * L / 6.0);
}

double EdgePressureMax(double FG, double A, double M, double W) {
  return fault::div(FG, A) + fault::div(M, W);
}

double EdgePressureMin(double FG, double A, double M, double W) {
  return fault::div(FG, A) - fault::div(M, W);
}

double EdgePressureBeyondKern(double FG, double B, double a) {
  return fault::div(2.0 * FG, 3.0 * B * a);
}

double FaceMomentI(double L, double cL, double B, double cB, double pmax, double p, double GA) {
  return fault::check((L - cL) * (L - cL) * (2.0 * B + cB) * (pmax + p - 2.0 * GA) / 48.0);
}

double FaceMomentII(double L, double cL, double B, double cB, double pmax, double pmin, double GA) {
  return fault::check((B - cB) * (B - cB) * (2.0 * L + cL) * (pmax + pmin - 2.0 * GA) / 48.0);
}

double FacePressure(double L, double cL, double pmax, double pmin) {
  return pmin + fault::div((pmax - pmin) * (L + cL), 2.0 * L);
}

double PunchingCapacity(double ft, double bm, double ho) {
  return fault::check(kPunching * ft * bm * ho);
}

double PunchingMeanWidth(double bt, double bb) {
  return (bt + bb) / 2.0;
}

double SlabShearCapacity(double fc, double bo, double ho) {
  return fault::check(gbj10_89::kShearConcrete * fc * bo * ho);
}

double SlabShearCapacitySeismic(double fc, double bo, double ho) {
  return fault::check(gbj11_89::kShearConcrete * fc * bo * ho / gbj11_89::kGammaReShear);
}

double SeismicBearingCapacity(double xi_s, double f) {
  return fault::check(xi_s * f);
}

double MinimumSteelRatio(double grade) {
  return grade <= 35.0 ? 0.0015 : 0.0020;
}

namespace {
// π in single precision, as the angle conversions of the wall and footing reports use it.
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
