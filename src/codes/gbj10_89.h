// Equations and tables of GBJ 10-89 (design of concrete structures) shared by the calculators:
// one small pure function per equation, named after what it computes. The calculators decide
// which equation applies and write the report; nothing here reports or stores.
//
// Where two calculators work the same equation with its terms in another order, a variant keeps
// that order (named after it, or noted at the variant): the last printed digit of their reports
// depends on it.
#pragma once

#include <cstddef>

namespace tk::gbj10_89 {

// ==== Art. 4.1 Flexure ==========================================================================

// Ultimate compressive strain of concrete in bending (art. 4.1.2).
inline constexpr double kEpsilonCu = 0.0033;
// Ratio of the rectangular stress block depth to the neutral-axis depth (art. 4.1.2).
inline constexpr double kBeta1 = 0.8;

// Relative depth at which the tension steel just yields (eq. 4.1.4):
// ξb = 0.8 / (1 + fy / (0.0033·Es)). Es in N/mm².
double BalancedDepth(double fy, double Es);

// Steel stress of an over-reinforced section by the linear rule (eq. 4.1.5-2):
// σs = fy·(ξ − 0.8) / (ξb − 0.8).
double SteelStressLinear(double fy, double xi, double xi_b);

// Denominator of the depth of an over-reinforced section, N (art. 4.1.5, eq. 4.1.5-3 put into
// the force balance): fy·As/(ξb − 0.8) − fcm·b·ho. The depth exists only where it is negative.
double OverReinforcedDenominator(double fy, double As, double xi_b, double fcm, double b,
                                 double ho);
// Depth of the compression zone of an over-reinforced rectangular section, from the force balance
// fcm·b·x = As·σs with σs by the linear rule of eq. 4.1.5-2 put in:
// x = 0.8·fy·As/(ξb − 0.8) / [fy·As/(ξb − 0.8) − fcm·b·ho] · ho. Variant of the doubly form
// below with As' = Nf = 0, its divisions guarded one by one as clsMoment has them.
double DepthOverReinforced(double fy, double As, double xi_b, double fcm, double b, double ho);
// Depth of an over-reinforced section with compression steel As' and a further compression force
// Nf (the flange overhang fcm·(bf' − b)·hf', or 0), mm (art. 4.1.6 and 4.1.7 with eq. 4.1.5-3):
// x = [Nf + fy'·As' + 0.8·fy·As/(ξb − 0.8)]·ho / [fy·As/(ξb − 0.8) − fcm·b·ho].
double DepthOverReinforcedDoubly(double fy, double As, double fy1, double As1, double Nf,
                                 double xi_b, double fcm, double b, double ho);
// Moment capacity of a rectangle of width b with compression steel, N·mm (art. 4.1.6):
// Mu = fcm·b·x·(ho − x/2) + fy'·As'·(ho − as').
double MomentDoubly(double fcm, double b, double x, double ho, double fy1, double As1, double as1);
// Moment capacity of a flanged section with the web in compression, N·mm (art. 4.1.7):
// Mu = fcm·[b·x·(ho − x/2) + (bf' − b)·hf'·(ho − hf'/2)] + fy'·As'·(ho − as').
double MomentFlangedDoubly(double fcm, double b, double x, double ho, double bf1, double hf1,
                           double fy1, double As1, double as1);

// ==== Art. 4.2 Shear of beams ===================================================================

// Stirrup strength counted in shear is capped at 310 N/mm² (art. 4.2.3).
inline constexpr double kFyvMax = 310;
// Shear section factor β (eq. 4.2.1-1/-2): 0.25 up to hw/b = 4, 0.2 from hw/b = 6, between them
// β = 0.35 − 0.025·hw/b.
inline constexpr double kShearSectionStocky = 0.25;
inline constexpr double kShearSectionSlender = 0.2;
inline constexpr double kShearSectionStockyRatio = 4;
inline constexpr double kShearSectionSlenderRatio = 6;
inline constexpr double kShearSectionIntercept = 0.35;
inline constexpr double kShearSectionSlope = 0.025;
// Concrete part of the shear capacity of ordinary beams, as a multiple of fc·b·ho (eq. 4.2.3-2).
inline constexpr double kShearConcrete = 0.07;
// Stirrup part of the shear capacity of ordinary beams, as a multiple of fyv·Asv/s·ho
// (eq. 4.2.3-2).
inline constexpr double kShearStirrups = 1.5;
// Concrete and stirrup factors under a concentrated load (eq. 4.2.3-3) and the shift of the shear
// span ratio in its denominator λ + 1.5 (also in the torsion forms of art. 4.4).
inline constexpr double kShearConcreteConcentrated = 0.2;
inline constexpr double kShearStirrupsConcentrated = 1.25;
inline constexpr double kShearSpanShift = 1.5;
// The shear span ratio λ = a/ho is taken within 1.4 … 3 (art. 4.2.3).
inline constexpr double kShearSpanMin = 1.4;
inline constexpr double kShearSpanMax = 3.0;

// Limit factor β of the shear section check (eq. 4.2.1-1/-2): 0.25 for hw/b ≤ 4, 0.2 for
// hw/b ≥ 6, linear between (0.35 − 0.025·hw/b). Decided on the ratio itself so that hw/b = 4
// gives exactly 0.25 rather than a value a hair below it.
double ShearSectionFactor(double hw_over_b);
// Upper limit of the shear of a section (eq. 4.2.1): β·fc·b·ho, N.
double ShearSectionLimit(double beta, double fc, double b, double ho);
// Shear of a section as a multiple of fc·b·ho, compared with β when the section is too small.
double ShearSectionRatio(double V, double fc, double b, double ho);

// Shear span ratio λ = a/ho as worked, before its bounds (art. 4.2.3).
double ShearSpanRatio(double a, double ho);
// λ held within 1.4 … 3 (art. 4.2.3).
double ShearSpanRatioBounded(double lambda);

// Concrete part of the shear capacity of an ordinary beam, N (eq. 4.2.3-2): 0.07·fc·b·ho.
double ShearConcrete(double fc, double b, double ho);
// Stirrup part of the shear capacity of an ordinary beam, N (eq. 4.2.3-2): 1.5·fyv·ho·Asv/s.
double ShearStirrups(double fyv, double Asv_over_s, double ho);
// Shear a beam with stirrups Asv/s may carry, N (eq. 4.2.3-2 with the importance factor γo of
// the design relation γo·V ≤ Vcs): (Vc + 1.5·fyv·(Asv/s)·ho) / γo, Vc = 0.07·fc·b·ho worked.
// The stirrup term is multiplied in the order of clsMVT, unlike ShearStirrups.
double ShearCapacityOrdinary(double Vc, double fyv, double Asv_over_s, double ho, double gamma_o);
// Stirrups of an ordinary beam for a design shear V, mm² (eq. 4.2.3-2 solved for Asv), with the
// concrete part Vc already worked: Asv = (V − Vc)·s / (1.5·fyv·ho).
double StirrupsForShear(double V, double Vc, double s, double fyv, double ho);

// Concrete part under a concentrated load with shear span ratio λ, N (eq. 4.2.3-3):
// 0.2·fc·b·ho / (λ + 1.5).
double ShearConcreteConcentrated(double fc, double b, double ho, double lambda);
// Stirrup part under a concentrated load, N (eq. 4.2.3-3): 1.25·fyv·Asv/s·ho.
double ShearStirrupsConcentrated(double fyv, double Asv_over_s, double ho);
// Shear a beam may carry under a concentrated load, N (eq. 4.2.3-3 with γo):
// [0.2·fc·b·ho/(λ + 1.5) + 1.25·fyv·(Asv/s)·ho] / γo.
double ShearCapacityConcentrated(double fc, double b, double ho, double lambda, double fyv,
                                 double Asv_over_s, double gamma_o);
// Stirrups under a concentrated load for a design shear V, mm² (eq. 4.2.3-3 solved for Asv):
// Asv = [V − 0.2·fc·b·ho/(λ + 1.5)]·s / (1.25·fyv·ho).
double StirrupsForShearConcentrated(double V, double fc, double b, double ho, double lambda,
                                    double s, double fyv);

// ==== Art. 4.4 Members under torsion with shear =================================================
// The concentrated-load forms shift λ by kShearSpanShift and take the concrete and stirrup
// factors of eq. 4.2.3-3; the forms with earthquake action take those of GBJ 11-89 eq. 6.2.9.

// Flange overhangs count in the torsion modulus up to 3·hf on each side (art. 4.4.6):
// bf ≤ b + 6·hf.
inline constexpr double kTorsionFlangeThicknesses = 6;
// Sections under torsion keep hw/b below 6 (art. 4.4.2).
inline constexpr double kTorsionWebRatioMax = 6;
// Section limit (eq. 4.4.2-1): V/(b·ho) + T/Wt ≤ 0.25·fc.
inline constexpr double kTorsionSectionLimit = 0.25;
// Below 0.7·ft the combined stress needs only the minimum steel (eq. 4.4.2-2).
inline constexpr double kTorsionDetailingLimit = 0.7;
// Reduction factor βt of the concrete torsion capacity (eq. 4.4.4-2, 4.4.4-5): 1.5 over a
// denominator, held within 0.5 … 1.0; the shear forms of eq. 4.4.4-1/-4 take the concrete part
// times (1.5 − βt).
inline constexpr double kBetaTNumerator = 1.5;
inline constexpr double kBetaTMin = 0.5, kBetaTMax = 1.0;
// Factor of V·Wt/(T·b·ho) in βt under distributed load (eq. 4.4.4-2).
inline constexpr double kBetaTShear = 0.5;
// Factor of (λ + 1.5)·V·Wt/(T·b·ho) in βt under a concentrated load (eq. 4.4.4-5).
inline constexpr double kBetaTShearConcentrated = 0.17;
// Torsion capacity (eq. 4.4.3-1, 4.4.4-3): T ≤ 0.35·βt·ft·Wt + 1.2·√ζ·fyv·Ast1·Acor/s.
inline constexpr double kTorsionConcrete = 0.35;
inline constexpr double kTorsionStirrups = 1.2;
// Shear may be neglected (art. 4.4.7) for V ≤ 0.035·fc·b·ho, or 0.1·fc·b·ho/(λ + 1.5) under a
// concentrated load; with earthquake action (GBJ 11-89 frame beams) 0.028·fc·b·ho/γRE and
// 0.08·fc·b·ho/(λ + 1.5)/γRE.
inline constexpr double kShearNeglect = 0.035;
inline constexpr double kShearNeglectConcentrated = 0.1;
inline constexpr double kShearNeglectSeismic = 0.028;
inline constexpr double kShearNeglectSeismicConcentrated = 0.08;
// Torsion may be neglected (art. 4.4.7) for T ≤ 0.175·ft·Wt.
inline constexpr double kTorsionNeglect = 0.175;
// Minimum ratios (art. 4.4.8, 4.4.9): ρsv,min = 0.02·α·fc/fyv (0.02 of art. 7.2.10) with
// α = 3.5·βt − 0.75, that is (0.07·βt − 0.015)·fc/fyv, and ρtl,min = 0.08·(2·βt − 1)·fc/fy.
inline constexpr double kMinStirrupsTorsionSlope = 0.07;
inline constexpr double kMinStirrupsTorsionOffset = 0.015;
inline constexpr double kMinLongitudinalTorsion = 0.08;

// Plastic torsion modulus of a rectangle b ≤ h, mm³ (eq. 4.4.1-2): Wt = b²·(3h − b)/6.
double TorsionModulusRect(double b, double h);
// Plastic torsion modulus of a flange overhang, mm³ (art. 4.4.6): hf²·(bf − b)/2, nothing for a
// flange no wider than the web.
double TorsionModulusFlange(double hf, double bf, double b);
// Widest flange counted in torsion (art. 4.4.6): b + 6·hf.
double TorsionFlangeWidthMax(double b, double hf);
// Share of the torque T taken by a part of modulus Wpart in a section of modulus Wt (art. 4.4.6):
// Tpart = Wpart·T/Wt.
double TorqueShare(double Wpart, double T, double Wt);
// Combined stress of the section checks, N/mm² (art. 4.4.2): V/(b·ho) + T/Wt.
double ShearTorsionStress(double V, double b, double ho, double T, double Wt);
// βt before its bounds, distributed load (eq. 4.4.4-2): 1.5 / [1 + 0.5·V·Wt/(T·b·ho)].
double TorsionConcreteFactorRaw(double V, double Wt, double T, double b, double ho);
// βt before its bounds, concentrated load (eq. 4.4.4-5):
// 1.5 / [1 + 0.17·(λ + 1.5)·V·Wt/(T·b·ho)].
double TorsionConcreteFactorConcentratedRaw(double lambda, double V, double Wt, double T, double b,
                                            double ho);
// βt held within 0.5 … 1.0.
double TorsionConcreteFactor(double beta_t_raw);
// Largest shear that may be neglected (art. 4.4.7), N: 0.035·fc·b·ho.
double ShearNeglectLimit(double fc, double b, double ho);
// Under a concentrated load: 0.1·fc·b·ho/(λ + 1.5).
double ShearNeglectLimitConcentrated(double fc, double b, double ho, double lambda);
// With earthquake action: 0.028·fc·b·ho/γRE.
double ShearNeglectLimitSeismic(double fc, double b, double ho, double gamma_re);
// With earthquake action under a concentrated load: 0.08·fc·b·ho/(λ + 1.5)/γRE.
double ShearNeglectLimitSeismicConcentrated(double fc, double b, double ho, double lambda,
                                            double gamma_re);
// Largest torque that may be neglected (art. 4.4.7), N·mm: 0.175·ft·Wt.
double TorsionNeglectLimit(double ft, double Wt);
// Stirrups with torsion, mm² (all legs), solved for Asv from the shear capacities of members
// under shear and torsion (eq. 4.4.4-1): Asv = [V − 0.07·(1.5 − βt)·fc·b·ho]·s/1.5/fyv/ho.
double StirrupsShearTorsion(double V, double beta_t, double fc, double b, double ho, double s,
                            double fyv);
// Concentrated load (eq. 4.4.4-4):
// Asv = [V − 0.2·(1.5 − βt)·fc·b·ho/(λ + 1.5)]·s/1.25/fyv/ho.
double StirrupsShearTorsionConcentrated(double V, double beta_t, double fc, double b, double ho,
                                        double lambda, double s, double fyv);
// Frame beam with earthquake action: Asv = [V·γRE − 0.056·(1.5 − βt)·fc·b·ho]·s/1.2/fyv/ho.
double StirrupsShearTorsionSeismic(double V, double gamma_re, double beta_t, double fc, double b,
                                   double ho, double s, double fyv);
// Frame beam with earthquake action under a concentrated load:
// Asv = [V·γRE − 0.16·(1.5 − βt)·fc·b·ho/(λ + 1.5)]·s/fyv/ho.
double StirrupsShearTorsionSeismicConcentrated(double V, double gamma_re, double beta_t, double fc,
                                               double b, double ho, double lambda, double s,
                                               double fyv);
// One leg of the torsion stirrups, mm², from the torsion capacity (eq. 4.4.3-1; with βt
// eq. 4.4.4-3, βt = 1 in pure torsion): Ast1 = (T − 0.35·βt·ft·Wt)·s/1.2/√ζ/fyv/Acor.
double TorsionStirrupLeg(double T, double beta_t, double ft, double Wt, double s, double zeta,
                         double fyv, double Acor);
// Perimeter of the stirrup core, mm (art. 4.4.3): Ucor = 2·(bcor + hcor).
double CorePerimeter(double bcor, double hcor);
// Longitudinal torsion steel from the strength ratio ζ (eq. 4.4.3-2), mm²:
// Astl = fyv·Ast1·Ucor·ζ / (fy·s).
double TorsionLongitudinal(double fyv, double Ast1, double Ucor, double zeta, double fy, double s);
// Minimum stirrup ratio under torsion (art. 4.4.8): (0.07·βt − 0.015)·fc/fyv.
double MinStirrupRatioTorsion(double beta_t, double fc, double fyv);
// Minimum ratio of the longitudinal torsion steel (art. 4.4.9): 0.08·(2·βt − 1)·fc/fy.
double MinLongitudinalRatioTorsion(double beta_t, double fc, double fy);

// ==== Art. 5.2 Crack width, art. 5.3 stiffness ================================================

// Crack width under the short-term combination (art. 5.2).
enum class CrackMember { AxialTension, EccTension, Flexure, EccCompression };
// A cover below 20 mm is taken as 20 mm in the crack width (art. 5.2.2).
inline constexpr double kCrackCoverMin = 20;
// ρte below 0.01 is taken as 0.01 in the crack width (art. 5.2.2).
inline constexpr double kRhoTeMin = 0.01;
// Bounds of the strain non-uniformity factor ψ (art. 5.2.2).
inline constexpr double kPsiMin = 0.4, kPsiMax = 1.0;
// Eccentric compression with eo/ho ≤ 0.55 needs no crack check (art. 5.2.1).
inline constexpr double kNoCrackCheckEoHo = 0.55;
// Lever arm factor of eq. 5.2.3-3 and the cap of z in eq. 5.2.3-5: z ≤ 0.87·ho.
inline constexpr double kLeverArm = 0.87;
// The compression flange counts in γf' with at most 0.2·ho of its thickness (art. 5.2.3).
inline constexpr double kFlangeThicknessRatio = 0.2;
// No magnification ηs for lo/h up to 14 (eq. 5.2.3-7).
inline constexpr double kSlendernessNoMagnification = 14;
// Flexural members carrying light or medium duty cranes directly: ωmax × 0.85 (art. 5.2.2).
inline constexpr double kCraneReduction = 0.85;

// Member behaviour factor αcr (art. 5.2.2): 2.7 axial tension, 2.4 eccentric tension, 2.1
// flexure and eccentric compression.
double CrackMemberFactor(CrackMember m);
// Surface factor υ of the bars: 0.7 deformed, 1.0 plain (art. 5.2.2).
double BarSurfaceFactor(bool deformed);
// Steel stress under the short-term combination, N/mm² (art. 5.2.3); forces in N, moments in
// N·mm, lengths in mm. Axial tension (eq. 5.2.3-1): σss = Ns / As.
double SteelStressAxialTension(double Ns, double As);
// Eccentric tension (eq. 5.2.3-2): σss = Ns·e' / [As·(ho − as')].
double SteelStressEccTension(double Ns, double e1, double As, double ho, double as1);
// Flexure (eq. 5.2.3-3): σss = Ms / (0.87·ho·As).
double SteelStressFlexure(double Ms, double ho, double As);
// Eccentric compression (eq. 5.2.3-4): σss = Ns·(e − z) / As / z.
double SteelStressEccCompression(double Ns, double e, double z, double As);
// Magnification of eo (eq. 5.2.3-7): ηs = 1 + [1 / (4000·eo/ho)]·(lo/h)², 1.0 for lo/h ≤ 14.
double EccentricityMagnification(double lo_over_h, double eo, double ho);
// Lever arm before its cap (eq. 5.2.3-5): z = [0.87 − 0.12·(1 − γf')·(ho/e)²]·ho.
double LeverArmRaw(double gamma_f1, double ho_over_e, double ho);
// Strain non-uniformity before its bounds (eq. 5.2.2-2): ψ = 1.1 − 0.65·ftk / ρte / σss.
double StrainNonUniformityRaw(double ftk, double rho_te, double sigma_ss);
// ψ held within 0.4 … 1.0; a later code that lowers the bound passes its own psi_min.
double StrainNonUniformity(double psi_raw, double psi_min = kPsiMin);
// Maximum crack width, mm (eq. 5.2.2-1):
// ωmax = αcr·ψ·σss·(2.7·c + 0.1·d/ρte)·υ / Es.
double MaxCrackWidth(double alpha_cr, double psi, double sigma_ss, double c, double d,
                     double rho_te, double upsilon, double Es);

// Short-term stiffness of a flexural member, N·mm² (eq. 5.3.3-1):
// Bs = Es·As·ho² / [1.15·ψ + 0.2 + 6·αE·ρ / (1 + 3.5·γf')].
double ShortTermStiffness(double Es, double As, double ho, double psi, double alpha_e, double rho,
                          double gamma_f1);
// Increase of deflection under the long-term combination θ (art. 5.3.4): 2.0 for ρ' = 0, 1.6 for
// ρ' ≥ ρ, linear between.
double DeflectionIncrease(double rho1, double rho);
// Long-term stiffness (eq. 5.3.2): Bl = Ms / [Ml·(θ − 1) + Ms] · Bs.
double LongTermStiffness(double Ms, double Ml, double theta, double Bs);

// ==== Art. 7.2.9, 7.2.10 Stirrups of beams ====================================================

// Minimum stirrup ratio of a beam whose design shear exceeds 0.07·fc·b·ho (art. 7.2.10):
// Asv/(b·s) ≥ 0.02·fc/fyv.
inline constexpr double kMinStirrupRatio = 0.02;
// π as the single-precision value of the bar tables (3.1415927).
inline constexpr double kPiSingle = 3.1415927410125732;

// Stirrup detailing of beams by height h (art. 7.2.9): minimum diameter and the largest spacing
// for V ≤ 0.07·fc·b·ho and above it. Each band includes its upper bound.
struct StirrupBand {
  double h_max;  // upper bound of the band; the last band has none
  double Dmin, smax_low, smax_high;
};
inline constexpr StirrupBand kStirrupBands[] = {{250, 4, 200, 150},
                                                {300, 6, 200, 150},
                                                {500, 6, 300, 200},
                                                {800, 6, 350, 250},
                                                {0, 8, 500, 300}};
// Index of the band of kStirrupBands that a beam height h falls into (0 … 4).
int StirrupBandOf(double h);

// Minimum stirrup area by ratio, mm² (art. 7.2.10; GBJ 11-89 art. 6.3.6 with its own factor):
// coef·(fc/fyv)·b·s.
double MinStirrupArea(double coef, double fc, double fyv, double b, double s);
// Area of stirrups of the minimum diameter at the largest spacing, brought to the spacing s
// (art. 7.2.9), mm²: Dmin²·π/4·(s/Smax).
double DetailingStirrupArea(double Dmin, double s, double Smax);
// Variant worked left to right, Dmin²·π/4·s/Smax, as clsMoment has it.
double DetailingStirrupAreaInOrder(double Dmin, double s, double Smax);

// ==== Art. 8.5.1 Minimum reinforcement ========================================================

// Strength fcm up to which the lower minimum ratio holds (C35 and below), N/mm² (art. 8.5.1).
inline constexpr double kMinRatioFcmBound = 19;
// Minimum ratio of the tension steel of a flexural member, per cent (art. 8.5.1): 0.15 up to
// C35 (fcm ≤ 19 N/mm²), 0.20 above.
double MinimumTensionRatioPercent(double fcm);

// ==== Tables ==================================================================================

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
