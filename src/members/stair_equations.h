// Stair flights: geometry, loads, moment coefficients and bar tables of a reinforced-concrete
// stair (GBJ 10-89 for the sections, GBJ 9-87 for the load factors). One small pure function per
// equation or table; the calculator decides which applies and writes the report.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tk::stair {

// --- flight types and support conditions -------------------------------------------------------

enum class Flight { A = 0, B = 1, C = 2, D = 3 };
// "A 型 （ ╱ ）" ... "D 型 （__╱￣）".
std::string_view FlightName(Flight f);
// A type name or its letter "A".."D" (trimmed); nothing for any other text.
std::optional<Flight> FlightOf(std::string_view text);
bool HasLowerLanding(Flight f);  // B, D
bool HasUpperLanding(Flight f);  // C, D

enum class Support { Hinged, Fixed, LowerFixed, UpperFixed, Restrained };
// "两端铰支", "两端固端", "下端固定上端铰支", "下端铰支上端固定"; Restrained has no name (the
// support-moment rule names it).
std::string_view SupportName(Support s);
bool OneEndFixed(Support s);

// --- geometry ----------------------------------------------------------------------------------

// Horizontal span Lo of the flight: Lo1 plus the landings the type has.
double FlightSpan(Flight f, double Lo1, double Lo2, double Lo3);
// Thickness from a rule: base / divisor rounded up to the next multiple of `step` (a value within
// 1e-6 mm of a multiple stays on it, so 3300/30 = 110 is not lifted to 120).
double RuleThickness(double base, double divisor, double step);
inline constexpr double kSlabStep = 10;  // slabs are detailed in 10 mm steps
inline constexpr double kBeamStep = 50;  // beams in 50 mm steps

struct Geometry {
  double t = 0;      // step height Hv / n, mm
  double w = 0;      // step width (tread) Lo1 / (n - 1), mm
  double alpha = 0;  // slope, rad
  double cosA = 1;   // cos α
  double Lx = 0;     // inclined length Lo1 / cos α, mm
  double h1v = 0;    // vertical thickness of the waist h1 / cos α, mm
  double T = 0;      // average thickness (t + 2·h1') / 2, mm
};
// n must be at least 2 (the calculator rejects n = 1 before this is reached).
Geometry FlightGeometry(double Hv, int n, double Lo1, double h1);

// Angle in degrees as the report shows it (π = 3.14159265358979).
inline constexpr double kReportPi = 3.14159265358979;
double Degrees(double rad);

// --- loads (kN, m) -----------------------------------------------------------------------------

// Load factors of GBJ 9-87 art. 3.2.5: dead 1.2, live 1.4.
inline constexpr double kGammaG = 1.2;
inline constexpr double kGammaQ = 1.4;

// Line dead load over the flight width as an area load: Pk / B (B in m).
double LineLoadAsArea(double Pk, double B_m);
// Self weight of the inclined waist per m² of plan: γb·T (T in m).
double WaistWeight(double gamma_b, double T_m);
// Finishes on the treads and risers per m² of plan: γc·c1·[n·t + (n − 1)·w] / Lo1.
double TreadFinish(double gamma_c, double c1_m, int n, double t, double w, double Lo1);
// A term spread over the span in proportion to the length it covers: g·part / Lo.
double Spread(double g, double part, double Lo);
// Ceiling under the developed soffit, per m² of plan: γc·c2·(Lo + Lx − Lo1) / Lo.
double CeilingLoad(double gamma_c, double c2_m, double Lo, double Lx, double Lo1);
// Finish factor λb of the stringer beam's own weight: plaster on both sides and the soffit of a
// 200 × 300..400 beam adds about a tenth of its concrete weight, the value stair hand
// calculations commonly carry.
inline constexpr double kBeamFinishFactor = 1.1;
// Stringer beam's own weight per m of plan: λb·γb·b·h·(Lo + Lx − Lo1) / Lo (b, h in m).
double StringerWeight(double lambda_b, double gamma_b, double b_m, double h_m, double Lo, double Lx,
                      double Lo1);

// Live load on a stair by building use, kN/m², with the quasi-permanent factor ψq that goes with
// it (stair live loads of GBJ 9-87); nothing for a use not in the table. Exact names, trimmed.
struct LiveLoad {
  double qk;
  std::string_view psi_q;
};
std::optional<LiveLoad> LiveLoadOfUse(std::string_view use);

// --- internal forces ---------------------------------------------------------------------------

// Shear at the support of a uniformly loaded span as a multiple of p·Lo: 0.5 when both ends are
// alike (or partly restrained), 5/8 at the fixed end of a propped cantilever.
double ShearFactor(Support s);
// Calculation span of a slab or beam on supports: the centre-to-centre span, but not more than
// 1.05 times the clear span: min(Lo + (d1 + d2)/2, 1.05·Lo), lengths in one unit.
double CalculationSpan(double Lo, double d1, double d2);

// Support-moment rule of a partly restrained flight: "1 / 12 * q * lo ^ 2" and its kin. The
// divisor, and whether the text was one of the three rules.
struct SupportRule {
  double divisor;
  bool known;
};
SupportRule SupportRuleOf(std::string_view text);
std::string_view SupportRuleText(double divisor);

// Moment coefficients of p·L²: span moment, and the support moment (0 when the ends are hinged).
struct MomentRow {
  double span;
  double support;
};
MomentRow MomentCoefficients(Support s, double rule_divisor);

// Deflection coefficient k of f = k/384·η·Qk·L⁴/B: 5 for a simply supported span, 1 for both ends
// fixed, 2 for a propped cantilever (elastic 2.08), 3 for a partly restrained span.
double DeflectionCoefficient(Support s);
// Inclined-length factor of the deflection: 1 + Lo1·(1 − cos α)/(Lo·cos α); 1/cos α without
// landings (the same formula with Lo = Lo1).
double InclinedLengthFactor(double Lo1, double Lo, double cosA);
// Mid-span deflection in mm: k/384·η·Qk·L⁴/Bl, Qk in kN/m, L in m, Bl in kN·m².
double MidSpanDeflection(double k, double eta, double Qk, double L_m, double Bl_kNm2);
// Deflection limit lo/[f] of floors, roofs and stairs (GBJ 10-89 table 3.3.2): 200 below 7 m, 250
// from 7 to 9 m, 300 above.
double DeflectionLimit(double Lo_m);

// --- reinforcement -----------------------------------------------------------------------------

// Code minimum ratio of flexural members (GBJ 10-89 art. 9.5.1): 0.2 % above fcm = 19 N/mm²,
// 0.15 % otherwise.
double CodeMinimumRatio(double fcm);
// fy below this is grade Ⅰ (plain) steel.
inline constexpr double kGradeOneLimit = 210.001;
// Design strength of grade Ⅱ steel (GBJ 10-89 table 2.2.3), for the area of grade Ⅱ bars that
// replaces grade Ⅰ bars of the same force.
inline constexpr double kFyGradeTwo = 310;

struct BarPair {
  int d;  // mm
  int s;  // spacing, mm
};
// The three bar lists: grade Ⅰ, grade Ⅱ slabs, grade Ⅱ beam-slab flights.
enum class BarList { GradeOne, Slab, BeamSlab };
const BarPair* BarListData(BarList l, std::size_t& count);
BarList BarListFor(double fy, bool beam_slab);
// Area per metre of a pair: π·d²/4·1000/s.
double AreaPerMetre(const BarPair& p);
// Index of the first pair whose area per metre is not less than As; nothing when none is.
std::optional<std::size_t> ChooseBars(BarList l, double As);

// Bars of the stringer beam: the first diameter of 12..25 mm for which at least two and at most
// four bars give As (a 150..250 mm stringer holds four); 25 mm bars in the number needed when
// none does.
struct BeamBars {
  int n;
  int d;
  double area;
};
BeamBars ChooseBeamBars(double As);

// --- stringer beam shear (GBJ 10-89 eq. 4.2.3-2 and the stirrup detailing of beams) -------------

// Stirrup spacing the beam report works with.
inline constexpr double kStirrupSpacing = 200;
// Stirrup area per spacing s beyond the concrete part: (V − 0.07·fc·b·ho)·s / (1.5·fyv·ho), N, mm.
double StirrupArea(double V, double fc, double b, double ho, double fyv, double s);
// Minimum stirrup ratio when the concrete alone does not carry V: 0.02·fc/fyv.
double MinimumStirrupRatio(double fc, double fyv);
// Smallest stirrup diameter of a beam: 6 mm up to h = 800, 8 mm above.
double MinimumStirrupDiameter(double h);
// Largest stirrup spacing of a beam by its height, with V ≤ 0.07·fc·b·ho or above it:
// h ≤ 300: 200/150; ≤ 500: 300/200; ≤ 800: 350/250; above: 500/300.
double MaximumStirrupSpacing(double h, bool concrete_suffices);

}  // namespace tk::stair
