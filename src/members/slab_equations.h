// Equations and tables of the two-way slab design: loads (GBJ 9-87 art. 3.2.5), minimum ratio
// (GBJ 10-89 art. 9.5.1), bar options per metre width, and the plate deflection.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frame/records.h"
#include "members/slab_coefficients.h"

namespace tk::slab {

// Unit weight of reinforced concrete, kN/m³ (GBJ 9-87 appendix 1).
inline constexpr double kConcreteWeight = 25.0;
// Partial factors of GBJ 9-87 art. 3.2.5: dead load, live load, and the live load of 4 kN/m²
// and more.
inline constexpr double kGammaG = 1.2;
inline constexpr double kGammaQ = 1.4;
inline constexpr double kGammaQHeavy = 1.3;
inline constexpr double kHeavyLiveLoad = 4.0;
// Code minimum ratios of GBJ 10-89 art. 9.5.1 and the fcm that separates them (N/mm²).
inline constexpr double kRhoMinLow = 0.0015;
inline constexpr double kRhoMinHigh = 0.002;
inline constexpr double kRhoMinFcm = 19.0;
// Grade I steel strength to which the bar options are referred, and the grade II strength of the
// default list (N/mm², GBJ 10-89 table 2.2.3).
inline constexpr double kFyGradeI = 210.0;
inline constexpr double kFyGradeII = 310.0;
// Width of the design strip, mm: every moment and area is per metre width.
inline constexpr double kStripWidth = 1000.0;
// π as the bar-area label computes it (single precision).
inline constexpr double kPiSingle = 3.1415927410125732;

// Characteristic dead load with the slab's own weight: g + h/1000·25 (kN/m², h in mm).
double DeadLoadWithSelfWeight(double g, double h);
// Live-load factor: 1.3 when pk ≥ 4.0 kN/m², else 1.4.
double LiveLoadFactor(double pk);
// Design load q = 1.2·qk + γQ·pk.
double DesignLoad(double qk, double pk);
// Characteristic dead load behind a design load: (q − γQ·pk) / 1.2.
double DeadLoadFromDesign(double q, double pk);
// Live-load arrangement: g' = 1.2·qk + γQ·pk/2 and q' = γQ·pk/2.
struct ArrangedLoads {
  double g1, q1;
};
ArrangedLoads ArrangementLoads(double qk, double pk);
// Applied minimum ratio: the larger of the user's (in %) and the code's by fcm.
double MinimumRatio(double rho_min_percent, double fcm);

// Area per metre width of bars of diameter d at spacing s (mm²/m): d²·π/4 / s · 1000.
double BarAreaPerMetre(double d, double s);
// The default bar options: 12 grade I rows, then 8 grade II rows whose areas are referred to
// grade I by Fy2/210; areas rounded to whole mm², halves to even.
std::vector<BgjRecordOld> DefaultBarRows(double Fy2);
// Area with which a row counts against a required area at fy: grade II rows As·210/fy.
double RowCountingArea(const BgjRecordOld& row, double fy);
// First row (0-based) whose counting area reaches the required area rounded to whole mm²;
// -1 when none does.
int SelectBar(const std::vector<BgjRecordOld>& rows, double As, double fy);
// Grade I equivalent of an area at fy: As·fy/210.
double GradeIEquivalentArea(double As, double fy);

// The span-ratio message of the status bar, "" when the ratio is inside its range. The ratio is
// named in a reference direction: along a free edge when the panel has one (Lx/Ly when a free
// edge runs in x, i.e. the bottom or top edge is free, else Ly/Lx), and for a panel supported on
// all four edges the direction whose pair of edges is the more fixed (Ly/Lx when the bottom and
// top edges have more fixed edges than the left and right ones, else Lx/Ly). Bounds 0.50–2.00 on
// four supported edges, 0.30–3.33 with a free edge; the message ends with the ratio entered.
std::string SpanRatioMessage(const Supports& edges, double lx, double ly);

// Plate deflection f = κ·Qk·L⁴/Bl in mm, Qk in kN/m², L in m, Bl in kN·m² per metre.
double PlateDeflection(double kappa, double Qk, double L, double Bl_kNm2);

}  // namespace tk::slab
