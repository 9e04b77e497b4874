// Equations and tables of JGJ 94-94 (technical code for building pile foundations) used by the
// lateral capacity of a single pile: one small pure function per equation. Lengths in m unless a
// name says mm; forces kN; Ec in N/mm²; m in kN/m⁴.
#pragma once

namespace tk::jgj94_94 {

// Piles with ρg below 0.65 % are designed by eq. 5.4.2-1 (art. 5.4.2).
inline constexpr double kLowRatioLimit = 0.0065;
// Flexural stiffness of a reinforced-concrete pile: EI = 0.85·Ec·Io (art. 5.4.2).
inline constexpr double kStiffnessFactor = 0.85;
// Seismic check of the lateral capacity: Rh × 1.25 (art. 5.4.2).
inline constexpr double kSeismicIncrease = 1.25;
// Plastic factor of the section modulus γm: 2 circular, 1.75 square (art. 5.4.2).
double PlasticFactor(bool circular);
// Influence factor of the head force ζN: 0.5 in compression, 1.0 in tension (art. 5.4.2).
double AxialInfluence(bool compression);

// Transformed circular section (art. 5.4.2), d and do in m:
// Wo = π·d/32·[d² + 2·(αE − 1)·ρg·do²], An = π·d²/4·[1 + (αE − 1)·ρg].
double SectionModulusCircular(double d, double alpha_e, double rho_g, double d0);
double AreaCircular(double d, double alpha_e, double rho_g);
// Square section: Wo = d³/6.
double SectionModulusSquare(double d);
// EI = 0.85·Ec·Io, kN·m² (Ec in N/mm² taken to kN/m²).
double FlexuralStiffness(double Ec, double Io);
// Calculation width bo, m (art. 5.4.5): circular 0.9·(1.5·d + 0.5) up to d = 1 m, 0.9·(d + 1)
// above; square 1.5·d + 0.5 and d + 1. d given in mm, compared in mm.
double CalculationWidth(double d_mm, bool circular);
// Horizontal deformation coefficient α = (m·bo / EI)^(1/5), 1/m (eq. 5.4.5).
double DeformationCoefficient(double m, double bo, double EI);
// Coefficients of table 5.4.2 by the reduced depth αh, read linearly and held at the end rows
// (αh ≤ 2.4 takes the 2.4 row, αh ≥ 4 the 4.0 row): νm of the largest moment and νx of the head
// displacement, for a hinged or a fixed head.
double MomentCoefficient(double alpha_h, bool fixed);
double DisplacementCoefficient(double alpha_h, bool fixed);
// Lateral capacity of a pile with ρg < 0.65 % (eq. 5.4.2-1), ft in kN/m²:
// Rh = α·γm·ft·Wo/νm·(1.25 + 22·ρg)·(1 ± ζN·N/(γm·ft·An)), "+" for a compressive head force.
double LateralCapacityByCracking(double alpha, double gm, double ft, double Wo, double vm,
                                 double rho_g, double zN, double N, double An, bool compression);
// Lateral capacity limited by the head displacement (eq. 5.4.2-2): Rh = α³·EI/νx·χoa, χoa in m.
double LateralCapacityByDisplacement(double alpha, double EI, double vx, double xoa);

// Statistics of the static load tests of appendix C. Mean of the measured ultimate capacities
// (eq. C-1): Qum = ΣQui / n.
double MeanCapacity(double sum, int n);
// Standard deviation of the ratios αi = Qui/Qum (eq. C-3): Sn = [Σ(αi − 1)² / (n − 1)]^0.5, given
// the sum of squares.
double StandardDeviation(double sum_of_squares, int n);
// Sn up to 0.15 takes Quk = Qum (art. C.0.2).
inline constexpr double kSnNoReduction = 0.15;
// λ of two test piles by α2 − α1 (table C-5, 0.21 … 0.51; λ = 1 below 0.21).
inline constexpr double kC5DeltaMin = 0.21, kC5DeltaMax = 0.51;
double LambdaTwoPiles(double delta);
// λ of three test piles by α2 and α3 − α1 (table C-6, with the cells the code leaves empty kept
// out of every interpolation); the caller keeps α2 and α3 − α1 inside the table.
double LambdaThreePiles(double alpha2, double delta);
// Coefficients A0 … A4 of eq. C-4 for n piles and the m-th trial, given Σαi and Σαi² over
// i = 1 … n − m.
struct Quartic {
  double A[5];
};
Quartic LambdaEquation(double sum, double sum_of_squares, int n, int m);

}  // namespace tk::jgj94_94
