// Active earth pressure on a retaining wall by GBJ 7-89 (foundations of buildings), art. 6.4.4 and
// appendix 11: one small pure function per equation. Angles in degrees, γ in kN/m³, q and c in
// kPa, h in m.
#pragma once

namespace tk::gbj7_89 {

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
