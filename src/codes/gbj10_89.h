// Equations and tables of GBJ 10-89 (design of concrete structures) shared by the calculators:
// one small pure function per equation, named after what it computes. The calculators decide
// which equation applies and write the report; nothing here reports or stores.
#pragma once

#include <cstddef>

namespace tk::gbj10_89 {

// Ultimate compressive strain of concrete in bending (art. 4.1.2).
inline constexpr double kEpsilonCu = 0.0033;
// Ratio of the rectangular stress block depth to the neutral-axis depth (art. 4.1.2).
inline constexpr double kBeta1 = 0.8;
// Stirrup strength counted in shear is capped at 310 N/mm² (art. 4.2.3).
inline constexpr double kFyvMax = 310;
// Concrete part of the shear capacity of ordinary beams, as a multiple of fc·b·ho (eq. 4.2.3-2).
inline constexpr double kShearConcrete = 0.07;
// Stirrup part of the shear capacity of ordinary beams, as a multiple of fyv·Asv/s·ho
// (eq. 4.2.3-2).
inline constexpr double kShearStirrups = 1.5;

// Relative depth at which the tension steel just yields (eq. 4.1.4):
// ξb = 0.8 / (1 + fy / (0.0033·Es)). Es in N/mm².
double BalancedDepth(double fy, double Es);

// Steel stress of an over-reinforced section by the linear rule (eq. 4.1.5-2):
// σs = fy·(ξ − 0.8) / (ξb − 0.8).
double SteelStressLinear(double fy, double xi, double xi_b);

// Depth of the compression zone of an over-reinforced rectangular section, from the force balance
// fcm·b·x = As·σs with σs by the linear rule of eq. 4.1.5-2 put in:
// x = 0.8·fy·As/(ξb − 0.8) / [fy·As/(ξb − 0.8) − fcm·b·ho] · ho.
double DepthOverReinforced(double fy, double As, double xi_b, double fcm, double b, double ho);

// Limit factor β of the shear section check (eq. 4.2.1-1/-2): 0.25 for hw/b ≤ 4, 0.2 for
// hw/b ≥ 6, linear between (0.35 − 0.025·hw/b). Decided on the ratio itself so that hw/b = 4
// gives exactly 0.25 rather than a value a hair below it.
double ShearSectionFactor(double hw_over_b);

// Concrete part of the shear capacity of an ordinary beam, N (eq. 4.2.3-2): 0.07·fc·b·ho.
double ShearConcrete(double fc, double b, double ho);
// Stirrup part of the shear capacity of an ordinary beam, N (eq. 4.2.3-2): 1.5·fyv·Asv/s·ho.
double ShearStirrups(double fyv, double Asv_over_s, double ho);
// Concrete part under a concentrated load with shear span ratio λ, N (eq. 4.2.3-3):
// 0.2·fc·b·ho / (λ + 1.5).
double ShearConcreteConcentrated(double fc, double b, double ho, double lambda);
// Stirrup part under a concentrated load, N (eq. 4.2.3-3): 1.25·fyv·Asv/s·ho.
double ShearStirrupsConcentrated(double fyv, double Asv_over_s, double ho);

// Stirrups of an ordinary beam for a design shear V, mm² (eq. 4.2.3-2 solved for Asv), with the
// concrete part Vc already worked: Asv = (V − Vc)·s / (1.5·fyv·ho).
double StirrupsForShear(double V, double Vc, double s, double fyv, double ho);

// One row of a table read by linear interpolation.
struct TablePoint {
  double x, y;
};
// Linear interpolation in a table sorted by x; outside the table the end values hold (the code
// tables give no extrapolation).
double ClampedLookup(const TablePoint* table, std::size_t n, double x);
template <std::size_t N>
double ClampedLookup(const TablePoint (&table)[N], double x) {
  return ClampedLookup(table, N, x);
}

}  // namespace tk::gbj10_89
