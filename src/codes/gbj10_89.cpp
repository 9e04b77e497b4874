#include "codes/gbj10_89.h"

#include <iterator>

#include "codes/gbj11_89.h"
#include "frame/fault.h"

namespace tk::gbj10_89 {

// ==== Art. 4.1 Flexure ======================================================================

double BalancedDepth(double fy, double Es) {
  return fault::div(kBeta1, 1.0 + fault::div(fy, kEpsilonCu * Es));
}

double SteelStressLinear(double fy, double xi, double xi_b) {
  return fault::div(fy * (xi - kBeta1), xi_b - kBeta1);
}

double OverReinforcedDenominator(double fy, double As, double xi_b, double fcm, double b,
                                 double ho) {
  return fy * As / (xi_b - kBeta1) - fcm * b * ho;
}

double DepthOverReinforced(double fy, double As, double xi_b, double fcm, double b, double ho) {
  const double k = fault::div(fy * As, xi_b - kBeta1);
  return fault::div(fault::div(kBeta1 * fy * As, xi_b - kBeta1), fault::check(k - fcm * b * ho)) *
         ho;
}

double DepthOverReinforcedDoubly(double fy, double As, double fy1, double As1, double Nf,
                                 double xi_b, double fcm, double b, double ho) {
  const double q = fy * As / (xi_b - kBeta1);
  return fault::div((Nf + fy1 * As1 + kBeta1 * q) * ho,
                    OverReinforcedDenominator(fy, As, xi_b, fcm, b, ho));
}

double MomentDoubly(double fcm, double b, double x, double ho, double fy1, double As1, double as1) {
  return fcm * b * x * (ho - x / 2) + fy1 * As1 * (ho - as1);
}

double MomentFlangedDoubly(double fcm, double b, double x, double ho, double bf1, double hf1,
                           double fy1, double As1, double as1) {
  return fcm * (b * x * (ho - x / 2) + (bf1 - b) * hf1 * (ho - hf1 / 2)) + fy1 * As1 * (ho - as1);
}

// ==== Art. 4.2 Shear of beams ===============================================================

double ShearSectionFactor(double hw_over_b) {
  if (hw_over_b <= kShearSectionStockyRatio) return kShearSectionStocky;
  if (hw_over_b >= kShearSectionSlenderRatio) return kShearSectionSlender;
  return kShearSectionIntercept - kShearSectionSlope * hw_over_b;
}

double ShearSectionLimit(double beta, double fc, double b, double ho) {
  return fault::check(beta * fc * b * ho);
}

double ShearSectionRatio(double V, double fc, double b, double ho) {
  return fault::div(V, fc * b * ho);
}

double ShearSpanRatio(double a, double ho) {
  return fault::div(a, ho);
}

double ShearSpanRatioBounded(double lambda) {
  if (lambda < kShearSpanMin) return kShearSpanMin;
  if (lambda > kShearSpanMax) return kShearSpanMax;
  return lambda;
}

double ShearConcrete(double fc, double b, double ho) {
  return fault::check(kShearConcrete * fc * b * ho);
}

double ShearStirrups(double fyv, double Asv_over_s, double ho) {
  return fault::check(kShearStirrups * fyv * ho * Asv_over_s);
}

double ShearCapacityOrdinary(double Vc, double fyv, double Asv_over_s, double ho, double gamma_o) {
  return fault::check((Vc + kShearStirrups * fyv * Asv_over_s * ho) / gamma_o);
}

double StirrupsForShear(double V, double Vc, double s, double fyv, double ho) {
  return fault::check((V - Vc) * s / (kShearStirrups * fyv * ho));
}

double ShearConcreteConcentrated(double fc, double b, double ho, double lambda) {
  return fault::div(kShearConcreteConcentrated * fc * b * ho, lambda + kShearSpanShift);
}

double ShearStirrupsConcentrated(double fyv, double Asv_over_s, double ho) {
  return fault::check(kShearStirrupsConcentrated * fyv * Asv_over_s * ho);
}

double ShearCapacityConcentrated(double fc, double b, double ho, double lambda, double fyv,
                                 double Asv_over_s, double gamma_o) {
  return fault::check((ShearConcreteConcentrated(fc, b, ho, lambda) +
                       ShearStirrupsConcentrated(fyv, Asv_over_s, ho)) /
                      gamma_o);
}

double StirrupsForShearConcentrated(double V, double fc, double b, double ho, double lambda,
                                    double s, double fyv) {
  return fault::check((V - ShearConcreteConcentrated(fc, b, ho, lambda)) * s /
                      (kShearStirrupsConcentrated * fyv * ho));
}

// ==== Art. 4.4 Members under torsion with shear =============================================

double TorsionModulusRect(double b, double h) {
  return b * b * (3 * h - b) / 6;
}

double TorsionModulusFlange(double hf, double bf, double b) {
  return hf * hf * (bf > b ? bf - b : 0.0) / 2;
}

double TorsionFlangeWidthMax(double b, double hf) {
  return b + kTorsionFlangeThicknesses * hf;
}

double TorqueShare(double Wpart, double T, double Wt) {
  return fault::div(Wpart * T, Wt);
}

double ShearTorsionStress(double V, double b, double ho, double T, double Wt) {
  return fault::div(V, b * ho) + fault::div(T, Wt);
}

double TorsionConcreteFactorRaw(double V, double Wt, double T, double b, double ho) {
  return fault::check(kBetaTNumerator / (1 + kBetaTShear * fault::div(V * Wt, T * b * ho)));
}

double TorsionConcreteFactorConcentratedRaw(double lambda, double V, double Wt, double T, double b,
                                            double ho) {
  return fault::check(kBetaTNumerator / (1 + kBetaTShearConcentrated * (lambda + kShearSpanShift) *
                                                 fault::div(V * Wt, T * b * ho)));
}

double TorsionConcreteFactor(double beta_t_raw) {
  if (beta_t_raw < kBetaTMin) return kBetaTMin;
  if (beta_t_raw > kBetaTMax) return kBetaTMax;
  return beta_t_raw;
}

double ShearNeglectLimit(double fc, double b, double ho) {
  return kShearNeglect * fc * b * ho;
}

double ShearNeglectLimitConcentrated(double fc, double b, double ho, double lambda) {
  return kShearNeglectConcentrated * fc * b * ho / (lambda + kShearSpanShift);
}

double ShearNeglectLimitSeismic(double fc, double b, double ho, double gamma_re) {
  return kShearNeglectSeismic * fc * b * ho / gamma_re;
}

double ShearNeglectLimitSeismicConcentrated(double fc, double b, double ho, double lambda,
                                            double gamma_re) {
  return kShearNeglectSeismicConcentrated * fc * b * ho / (lambda + kShearSpanShift) / gamma_re;
}

double TorsionNeglectLimit(double ft, double Wt) {
  return kTorsionNeglect * ft * Wt;
}

double StirrupsShearTorsion(double V, double beta_t, double fc, double b, double ho, double s,
                            double fyv) {
  return fault::check((V - kShearConcrete * (kBetaTNumerator - beta_t) * fc * b * ho) * s /
                      kShearStirrups / fyv / ho);
}

double StirrupsShearTorsionConcentrated(double V, double beta_t, double fc, double b, double ho,
                                        double lambda, double s, double fyv) {
  return fault::check((V - kShearConcreteConcentrated * (kBetaTNumerator - beta_t) * fc * b * ho /
                               (lambda + kShearSpanShift)) *
                      s / kShearStirrupsConcentrated / fyv / ho);
}

double StirrupsShearTorsionSeismic(double V, double gamma_re, double beta_t, double fc, double b,
                                   double ho, double s, double fyv) {
  return fault::check(
      (V * gamma_re - gbj11_89::kShearConcrete * (kBetaTNumerator - beta_t) * fc * b * ho) * s /
      gbj11_89::kShearStirrups / fyv / ho);
}

double StirrupsShearTorsionSeismicConcentrated(double V, double gamma_re, double beta_t, double fc,
                                               double b, double ho, double lambda, double s,
                                               double fyv) {
  return fault::check((V * gamma_re - gbj11_89::kShearConcreteConcentrated *
                                          (kBetaTNumerator - beta_t) * fc * b * ho /
                                          (lambda + kShearSpanShift)) *
                      s / fyv / ho);
}

double TorsionStirrupLeg(double T, double beta_t, double ft, double Wt, double s, double zeta,
                         double fyv, double Acor) {
  const double concrete = kTorsionConcrete * beta_t * ft * Wt;
  return fault::check((T - concrete) * s / kTorsionStirrups / fault::sqrt(zeta) / fyv / Acor);
}

double CorePerimeter(double bcor, double hcor) {
  return 2 * (bcor + hcor);
}

double TorsionLongitudinal(double fyv, double Ast1, double Ucor, double zeta, double fy, double s) {
  return fault::div(fyv * Ast1 * Ucor * zeta, fy * s);
}

double MinStirrupRatioTorsion(double beta_t, double fc, double fyv) {
  return (kMinStirrupsTorsionSlope * beta_t - kMinStirrupsTorsionOffset) * fault::div(fc, fyv);
}

double MinLongitudinalRatioTorsion(double beta_t, double fc, double fy) {
  return kMinLongitudinalTorsion * (2 * beta_t - 1) * fault::div(fc, fy);
}

// ==== Art. 5.2 Crack width, art. 5.3 stiffness ==============================================

double CrackMemberFactor(CrackMember m) {
  switch (m) {
    case CrackMember::AxialTension:
      return 2.7;
    case CrackMember::EccTension:
      return 2.4;
    case CrackMember::Flexure:
    case CrackMember::EccCompression:
      return 2.1;
  }
  return 2.1;
}

double BarSurfaceFactor(bool deformed) {
  return deformed ? 0.7 : 1.0;
}

double SteelStressAxialTension(double Ns, double As) {
  return fault::div(Ns, As);
}

double SteelStressEccTension(double Ns, double e1, double As, double ho, double as1) {
  return fault::div(Ns * e1, As * (ho - as1));
}

double SteelStressFlexure(double Ms, double ho, double As) {
  return fault::div(Ms, kLeverArm * ho * As);
}

double SteelStressEccCompression(double Ns, double e, double z, double As) {
  return fault::div(fault::div(Ns * (e - z), As), z);
}

double EccentricityMagnification(double lo_over_h, double eo, double ho) {
  if (lo_over_h <= kSlendernessNoMagnification) return 1.0;
  return 1 + fault::div(1.0, 4000 * eo / ho) * lo_over_h * lo_over_h;
}

double LeverArmRaw(double gamma_f1, double ho_over_e, double ho) {
  return (kLeverArm - 0.12 * (1 - gamma_f1) * ho_over_e * ho_over_e) * ho;
}

double StrainNonUniformityRaw(double ftk, double rho_te, double sigma_ss) {
  return 1.1 - fault::div(fault::div(0.65 * ftk, rho_te), sigma_ss);
}

double StrainNonUniformity(double psi_raw, double psi_min) {
  return psi_raw < psi_min ? psi_min : psi_raw > kPsiMax ? kPsiMax : psi_raw;
}

double MaxCrackWidth(double alpha_cr, double psi, double sigma_ss, double c, double d,
                     double rho_te, double upsilon, double Es) {
  return fault::div(alpha_cr * psi * sigma_ss * (2.7 * c + 0.1 * fault::div(d, rho_te)) * upsilon,
                    Es);
}

double ShortTermStiffness(double Es, double As, double ho, double psi, double alpha_e, double rho,
                          double gamma_f1) {
  return fault::div(Es * As * ho * ho,
                    1.15 * psi + 0.2 + fault::div(6 * alpha_e * rho, 1 + 3.5 * gamma_f1));
}

double DeflectionIncrease(double rho1, double rho) {
  if (rho1 >= rho) return 1.6;
  if (rho1 == 0) return 2.0;
  // 2.0 at ρ' = 0 down to 1.6 at ρ' = ρ; ρ > ρ' > 0 here, so the span is never empty.
  return 2.0 + rho1 * (1.6 - 2.0) / rho;
}

double LongTermStiffness(double Ms, double Ml, double theta, double Bs) {
  return fault::div(Ms, Ml * (theta - 1) + Ms) * Bs;
}

// ==== Art. 7.2.9, 7.2.10 Stirrups of beams ==================================================

int StirrupBandOf(double h) {
  constexpr int last = static_cast<int>(std::size(kStirrupBands)) - 1;
  for (int i = 0; i < last; ++i)
    if (h <= kStirrupBands[i].h_max) return i;
  return last;
}

double MinStirrupArea(double coef, double fc, double fyv, double b, double s) {
  return fault::check(coef * fault::div(fc, fyv) * b * s);
}

double DetailingStirrupArea(double Dmin, double s, double Smax) {
  return fault::check(Dmin * Dmin * kPiSingle / 4 * fault::div(s, Smax));
}

double DetailingStirrupAreaInOrder(double Dmin, double s, double Smax) {
  return fault::check(Dmin * Dmin * kPiSingle / 4 * s / Smax);
}

// ==== Art. 8.5.1 Minimum reinforcement ======================================================

double MinimumTensionRatioPercent(double fcm) {
  return fcm <= kMinRatioFcmBound ? 0.15 : 0.20;
}

// ==== Tables ================================================================================

double ClampedLookup(const TablePoint* table, std::size_t n, double x) {
  if (n == 0) return 0;
  // A value that is not a number reads the first row rather than spreading into the result.
  if (!(x > table[0].x)) return table[0].y;
  if (x >= table[n - 1].x) return table[n - 1].y;
  std::size_t k = 1;
  while (table[k].x < x) ++k;
  const TablePoint& a = table[k - 1];
  const TablePoint& b = table[k];
  return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
}

}  // namespace tk::gbj10_89
