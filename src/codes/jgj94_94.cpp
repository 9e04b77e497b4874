#include "codes/jgj94_94.h"

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

}  // namespace

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
