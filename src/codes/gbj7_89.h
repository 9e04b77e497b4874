// Equations of GBJ 7-89 (foundations of buildings) used by the footing calculator, with the few
// GBJ 10-89 / GBJ 11-89 rules that a spread footing brings in: one small pure function per
// equation. Units follow the foundation reports: kN, kN·m, kPa, m, unless a function says mm.
#pragma once

namespace tk::gbj7_89 {

// Art. 5.1.3: the base width enters the correction between 3 m and 6 m, the depth from 0.5 m.
inline constexpr double kWidthMin = 3.0;
inline constexpr double kWidthMax = 6.0;
inline constexpr double kDepthMin = 0.5;
// Art. 5.1.3: the design value is never taken below 1.1·fk.
inline constexpr double kFloorFactor = 1.1;
// Art. 5.1.5: the edge pressure under eccentric load may reach 1.2·f.
inline constexpr double kEdgeFactor = 1.2;
// Art. 8.2.2 (punching of the slab by the column, as GBJ 10-89 eq. 4.4.3-1): 0.6·ft·bm·ho.
inline constexpr double kPunching = 0.6;
// Step ratio of a spread footing beyond which the slab no longer spreads the load (art. 8.2.2).
inline constexpr double kStepRatioMax = 2.5;

// Base width and depth as they enter eq. 5.1.3 (m).
double CorrectionWidth(double b);
double CorrectionDepth(double d);

// Design bearing capacity f = fk + ηb·γ·(b − 3) + ηd·γo·(d − 0.5) (eq. 5.1.3), b and d in m as
// already limited by CorrectionWidth / CorrectionDepth.
double BearingCapacity(double fk, double eta_b, double gamma, double b, double eta_d,
                       double gamma_o, double d);

// Mean base pressure p = (F + G) / A (eq. 5.1.5-1).
double AxialPressure(double FG, double A);
// Section modulus of the base W = B·L²/6 about the axis across L.
double BaseModulus(double B, double L);
// Edge pressures inside the kern: (F + G)/A ± M/W (eq. 5.1.5-2, 5.1.5-3).
double EdgePressureMax(double FG, double A, double M, double W);
double EdgePressureMin(double FG, double A, double M, double W);
// Edge pressure when the resultant lies outside the kern: 2·(F + G)/(3·B·a) with a = L/2 − e,
// the distance of the resultant from the edge under the largest pressure (eq. 5.1.5-4).
double EdgePressureBeyondKern(double FG, double B, double a);

// Moments at the column face of a footing slab (eq. 8.2.6-1, 8.2.6-2): L the base length in the
// direction of the moment, B the other side, cL and cB the column sides, pressures in kPa, the
// self-weight pressure G/A subtracted.
//   MⅠ = (L − cL)²·(2B + cB)·(pmax + p − 2G/A)/48     (p: pressure at the column face)
//   MⅡ = (B − cB)²·(2L + cL)·(pmax + pmin − 2G/A)/48
double FaceMomentI(double L, double cL, double B, double cB, double pmax, double p, double GA);
double FaceMomentII(double L, double cL, double B, double cB, double pmax, double pmin, double GA);
// Pressure at the column face under a trapezoidal distribution:
// pmin + (pmax − pmin)·(L + cL)/(2L).
double FacePressure(double L, double cL, double pmax, double pmin);

// Punching capacity 0.6·ft·bm·ho in kN, ft in N/mm², bm in m, ho in mm (GBJ 10-89 eq. 4.4.3-1).
double PunchingCapacity(double ft, double bm, double ho);
// Mean perimeter width bm = (bt + bb)/2 (GBJ 10-89 eq. 4.4.3-3).
double PunchingMeanWidth(double bt, double bb);
// Shear capacity of the footing slab in kN, fc in N/mm², bo in m, ho in mm: 0.07·fc·bo·ho
// (GBJ 10-89 eq. 4.2.3-1 for slabs without web reinforcement).
double SlabShearCapacity(double fc, double bo, double ho);
// The same under a seismic combination: 0.056·fc·bo·ho/γRE with γRE = 0.85 (GBJ 11-89).
double SlabShearCapacitySeismic(double fc, double bo, double ho);

// Seismic bearing capacity of natural ground fsE = ξs·fs (GBJ 11-89 eq. 3.2.2).
double SeismicBearingCapacity(double xi_s, double f);

// Code minimum reinforcement ratio of the footing slab: 0.15 % up to C35, 0.20 % above.
double MinimumSteelRatio(double grade);

// Active earth pressure on a retaining wall (art. 6.4.4 and appendix 11). Angles in degrees, γ
// in kN/m³, q and c in kPa, h in m.
// Sine and cosine of an angle in degrees, converted with π in single precision so that sin 180°
// comes out as −8.74e-8 and not as a rounding-noise zero. Angles are combined in degrees before
// the conversion, so that α + β − φ − δ of whole degrees that cancel is exactly 0.
double SinDeg(double deg);
double CosDeg(double deg);

// Surface load as an equivalent extra height of backfill (eq. 附11-2):
// κq = 1 + 2·q/γ/h · sinα·cosβ / sin(α + β).
double SurchargeFactor(double q, double gamma, double h, double alpha, double beta);
// Cohesion made dimensionless (eq. 附11-3): η = 2·c/γ/h.
double CohesionFactor(double c, double gamma, double h);

// The parts of eq. 附11-1, Ka = A·[B + C − 2·(D·E)^0.5]:
// A = sin(α + β) / [sinα·sin(α + β − φ − δ)]², B = κq·[sin(α + β)·sin(α − δ) + sin(φ + δ)·sin(φ −
// β)], C = 2·η·sinα·cosφ·cos(α + β − φ − δ), D = κq·sin(α + β)·sin(φ − β) + η·sinα·cosφ, E =
// κq·sin(α − δ)·sin(φ + δ) + η·sinα·cosφ. The caller keeps sinα and sin(α + β − φ − δ) off 0.
struct KaParts {
  double A, B, C, D, E;
};
KaParts ActiveCoefficientParts(double kq, double eta, double phi, double alpha, double beta,
                               double delta);
// Ka from its parts; the caller keeps D·E from going negative.
double ActiveCoefficient(const KaParts& p);
// Active thrust per metre run of the wall, kN/m (eq. 6.4.4): Ea = 0.5·γ·h²·Ka.
double ActiveThrust(double gamma, double h, double Ka);

}  // namespace tk::gbj7_89
