// Seismic factors and frame-beam equations of GBJ 11-89 (seismic design of buildings) used by
// the section calculators. Variants that keep another order of the terms are noted at the
// variant, as in gbj10_89.h.
#pragma once

#include <cstdint>

namespace tk::gbj11_89 {

// ==== Table 4.4.2 Seismic adjustment factor =====================================================

// Seismic adjustment factor γRE of capacity (table 4.4.2): beams in bending 0.75, members in
// shear 0.85.
inline constexpr double kGammaReFlexure = 0.75;
inline constexpr double kGammaReShear = 0.85;

// ==== Art. 6.2.9 Shear of frame beams ===========================================================

// Concrete part of the shear capacity of a seismic frame beam, as a multiple of fc·b·ho, and the
// stirrup factor (eq. 6.2.9-1, carried into GBJ 10-89 eq. 8.3.3).
inline constexpr double kShearConcrete = 0.056;
inline constexpr double kShearStirrups = 1.2;
// Concrete factor under a concentrated load with shear span ratio λ (eq. 6.2.9-2):
// 0.16·fc·b·ho / (λ + 1.5); the stirrup factor there is 1, so the forms of eq. 6.2.9-2 below
// print and multiply none.
inline constexpr double kShearConcreteConcentrated = 0.16;
inline constexpr double kShearStirrupsConcentrated = 1.0;
// Limit factor of the shear section check of a seismic frame beam (eq. 6.2.9-3, GBJ 10-89
// eq. 8.3.3): V ≤ 0.2·fc·b·ho / γRE.
inline constexpr double kShearSection = 0.2;

// Concrete part of a seismic frame beam with its γRE, N (eq. 6.2.9-1): 0.056·fc·b·ho / γRE.
double ShearConcreteSeismic(double fc, double b, double ho);
// Shear capacity of a seismic frame beam, N (eq. 6.2.9-1):
// (0.056·fc·b·ho + 1.2·fyv·ho·Asv/s) / γRE.
double ShearCapacitySeismic(double fc, double b, double ho, double fyv, double Asv_over_s);
// Variant with the stirrup term multiplied fyv·(Asv/s)·ho, as clsMVT works it:
// (0.056·fc·b·ho + 1.2·fyv·(Asv/s)·ho) / γRE.
double ShearCapacitySeismicAsvFirst(double fc, double b, double ho, double fyv, double Asv_over_s);
// Stirrups of a seismic frame beam for a design shear V, mm² (eq. 6.2.9-1 solved for Asv):
// Asv = (γRE·V − 0.056·fc·b·ho)·s / (1.2·fyv·ho).
double StirrupsForShearSeismic(double V, double fc, double b, double ho, double s, double fyv);

// The same under a concentrated load (eq. 6.2.9-2): 0.16·fc·b·ho / (λ + 1.5) / γRE.
double ShearConcreteSeismicConcentrated(double fc, double b, double ho, double lambda);
// Shear capacity under a concentrated load with shear span ratio λ (eq. 6.2.9-2):
// (0.16·fc·b·ho / (λ + 1.5) + fyv·Asv/s·ho) / γRE.
double ShearCapacitySeismicConcentrated(double fc, double b, double ho, double lambda, double fyv,
                                        double Asv_over_s);
// Stirrups under a concentrated load for a design shear V, mm² (eq. 6.2.9-2 solved for Asv):
// Asv = [γRE·V − 0.16·fc·b·ho/(λ + 1.5)]·s / fyv / ho.
double StirrupsForShearSeismicConcentrated(double V, double fc, double b, double ho, double lambda,
                                           double s, double fyv);

// Upper limit of the shear of a frame-beam section (eq. 6.2.9-3): 0.2·fc·b·ho / γRE, N.
double ShearSectionLimitSeismic(double fc, double b, double ho);

// ==== Art. 6.3.1, 6.3.3 Flexure of frame beams ==================================================

// Limits of x/ho at the ends of frame beams (art. 6.3.1): 0.25 for seismic grade 1, 0.35 for
// grades 2 and 3.
inline constexpr double kXiLimitGrade1 = 0.25;
inline constexpr double kXiLimitGrade23 = 0.35;
// Least ratio As'/As of the compression steel at a frame-beam end (art. 6.3.3): 0.5 for seismic
// grade 1, 0.3 for grades 2 and 3.
inline constexpr double kCompressionRatioGrade1 = 0.5;
inline constexpr double kCompressionRatioGrade23 = 0.3;
// Largest tension steel ratio at a frame-beam end (art. 6.3.3).
inline constexpr double kRhoMaxBeamEnd = 0.025;

// Limit of x/ho at a frame-beam end of seismic grade 1..3; 0 for grade 4 and for sections that
// are not frame-beam ends, where the balanced depth of GBJ 10-89 governs instead.
double XiLimitOfGrade(int grade);
// As'/As at a frame-beam end of seismic grade 1..3; 0 for other grades.
double CompressionRatioOfGrade(int grade);
// Minimum tension steel ratio of a frame beam of seismic grade 1..4, per cent (table 6.3.3):
// at the end 0.4 / 0.3 / 0.25 / 0.25, at mid-span 0.3 / 0.25 / 0.2 / 0.2; 0 for other grades.
double FrameBeamMinRatioPercent(int grade, bool beam_end);

// ==== Art. 6.3.6, 6.3.7 Stirrups of frame beams =================================================

// More than 2 % tension steel at the beam end makes the minimum stirrup 2 mm thicker (art. 6.3.6).
inline constexpr double kHeavySteelRatio = 0.02;
inline constexpr double kHeavySteelExtraDiameter = 2;

// Stirrups at the ends of frame beams by seismic grade (art. 6.3.6, 6.3.7): minimum diameter,
// the cap of the spacing outside the confined zone (twice the confined one) and the factor of
// the minimum stirrup area coef·(fc/fyv)·b·s.
struct FrameStirrups {
  double Dmin, smax_cap, coef;
};
inline constexpr FrameStirrups kFrameStirrups[] = {
    {10, 200, 0.035}, {8, 200, 0.03}, {8, 300, 0.025}, {6, 300, 0.025}};
// The row of a seismic grade 1 … 4.
const FrameStirrups& FrameStirrupsOfGrade(int grade);
// Largest stirrup spacing outside the confined zone, min(cap, h/2) (art. 6.3.7); the confined
// zone takes half of it, min(cap/2, h/4).
double FrameStirrupSpacing(int grade, double h);
// Minimum stirrup diameter of a grade, 2 mm more above 2 % tension steel ρ (art. 6.3.6).
double FrameStirrupDiameter(int grade, double rho);

}  // namespace tk::gbj11_89
