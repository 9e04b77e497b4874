#include "members/stair_equations.h"

#include <algorithm>
#include <cmath>

#include "codes/gbj10_89.h"
#include "frame/fault.h"
#include "frame/text.h"

namespace tk::stair {

namespace {

constexpr std::string_view kFlightNames[4] = {"A 型 （ ╱ ）", "B 型 （__╱ ）", "C 型 （ ╱￣）",
                                              "D 型 （__╱￣）"};
constexpr std::string_view kFlightLetters[4] = {"A", "B", "C", "D"};
constexpr std::string_view kSupportNames[4] = {"两端铰支", "两端固端", "下端固定上端铰支",
                                               "下端铰支上端固定"};

constexpr BarPair kGradeOne[] = {
    {6, 200},  {6, 150},  {8, 200},  {6, 100},  {8, 150},  {10, 200}, {10, 170}, {8, 100},
    {10, 140}, {10, 125}, {10, 110}, {10, 100}, {12, 200}, {12, 175}, {12, 150}, {12, 125},
    {12, 100}, {14, 125}, {14, 110}, {14, 100}, {16, 110}, {16, 100}, {18, 110}, {18, 100},
    {20, 110}, {20, 100}, {22, 110}, {22, 100}, {25, 120}, {25, 110}, {25, 100}};
constexpr BarPair kSlab[] = {
    {6, 200},  {6, 150},  {8, 200},  {6, 100},  {8, 150},  {10, 200}, {10, 170}, {8, 100},
    {10, 140}, {10, 125}, {10, 110}, {10, 100}, {12, 125}, {12, 110}, {12, 100}, {14, 125},
    {14, 110}, {14, 100}, {16, 120}, {16, 110}, {16, 100}, {18, 120}, {18, 110}, {20, 110},
    {20, 100}, {22, 110}, {22, 100}, {25, 110}, {25, 100}, {25, 90},  {25, 80}};
constexpr BarPair kBeamSlab[] = {
    {12, 200}, {12, 180}, {12, 160}, {12, 150}, {12, 140}, {12, 130}, {12, 120}, {12, 110},
    {12, 100}, {14, 125}, {14, 110}, {14, 100}, {16, 120}, {16, 110}, {16, 100}, {18, 120},
    {18, 110}, {18, 100}, {20, 120}, {20, 110}, {20, 100}, {22, 110}, {22, 100}, {25, 125},
    {25, 120}, {25, 110}, {25, 100}, {25, 90},  {25, 80},  {25, 75},  {25, 70}};

constexpr double kPi = 3.14159265358979323846;

}  // namespace

std::string_view FlightName(Flight f) {
  return kFlightNames[static_cast<int>(f)];
}

std::optional<Flight> FlightOf(std::string_view text) {
  const std::string_view t = TrimView(text);
  for (int k = 0; k < 4; ++k)
    if (t == kFlightNames[k] || t == kFlightLetters[k]) return static_cast<Flight>(k);
  return std::nullopt;
}

bool HasLowerLanding(Flight f) {
  return f == Flight::B || f == Flight::D;
}
bool HasUpperLanding(Flight f) {
  return f == Flight::C || f == Flight::D;
}

std::string_view SupportName(Support s) {
  return s == Support::Restrained ? std::string_view() : kSupportNames[static_cast<int>(s)];
}

bool OneEndFixed(Support s) {
  return s == Support::LowerFixed || s == Support::UpperFixed;
}

double FlightSpan(Flight f, double Lo1, double Lo2, double Lo3) {
  return Lo1 + (HasLowerLanding(f) ? Lo2 : 0) + (HasUpperLanding(f) ? Lo3 : 0);
}

double RuleThickness(double base, double divisor, double step) {
  const double x = fault::div(base, divisor);
  const double n = std::floor(x / step);
  return x - n * step <= 1e-6 ? n * step : (n + 1) * step;
}

Geometry FlightGeometry(double Hv, int n, double Lo1, double h1) {
  Geometry g;
  g.t = fault::div(Hv, n);
  g.w = fault::div(Lo1, n - 1);
  g.alpha = std::atan(fault::div(g.t, g.w));
  g.cosA = std::cos(g.alpha);
  g.Lx = fault::div(Lo1, g.cosA);
  g.h1v = fault::div(h1, g.cosA);
  g.T = (g.t + 2 * g.h1v) / 2;
  return g;
}

double Degrees(double rad) {
  return rad * 180 / kReportPi;
}

double LineLoadAsArea(double Pk, double B_m) {
  return fault::div(Pk, B_m);
}
double WaistWeight(double gamma_b, double T_m) {
  return gamma_b * T_m;
}
double TreadFinish(double gamma_c, double c1_m, int n, double t, double w, double Lo1) {
  return fault::div(gamma_c * c1_m * (n * t + (n - 1) * w), Lo1);
}
double Spread(double g, double part, double Lo) {
  return fault::div(g * part, Lo);
}
double CeilingLoad(double gamma_c, double c2_m, double Lo, double Lx, double Lo1) {
  return fault::div(gamma_c * c2_m * (Lo + Lx - Lo1), Lo);
}
double StringerWeight(double lambda_b, double gamma_b, double b_m, double h_m, double Lo, double Lx,
                      double Lo1) {
  return fault::div(lambda_b * gamma_b * b_m * h_m * (Lo + Lx - Lo1), Lo);
}

std::optional<LiveLoad> LiveLoadOfUse(std::string_view use) {
  static constexpr struct {
    std::string_view name;
    double qk;
    std::string_view psi;
  } kUses[] = {{"住宅", 1.5, "0.4"},   {"托儿所", 1.5, "0.4"}, {"幼儿园", 1.5, "0.4"},
               {"宿舍", 2.0, "0.4"},   {"旅馆", 2.0, "0.4"},   {"医院", 2.0, "0.4"},
               {"办公楼", 2.0, "0.4"}, {"教室", 2.5, "0.5"},   {"食堂", 2.5, "0.5"},
               {"礼堂", 3.5, "0.3"},   {"剧场", 3.5, "0.3"},   {"电影院", 3.5, "0.3"},
               {"看台", 3.5, "0.3"},   {"展览馆", 3.5, "0.3"}};
  const std::string_view t = TrimView(use);
  for (const auto& u : kUses)
    if (t == u.name) return LiveLoad{u.qk, u.psi};
  return std::nullopt;
}

double ShearFactor(Support s) {
  return OneEndFixed(s) ? 0.625 : 0.5;
}

double CalculationSpan(double Lo, double d1, double d2) {
  return std::min(Lo + (d1 + d2) / 2, 1.05 * Lo);
}

SupportRule SupportRuleOf(std::string_view text) {
  const std::string_view t = TrimView(text);
  for (double d : {12.0, 24.0, 40.0})
    if (t == SupportRuleText(d)) return {d, true};
  return {24, false};
}

std::string_view SupportRuleText(double divisor) {
  if (divisor == 12) return "1 / 12 * q * lo ^ 2";
  if (divisor == 40) return "1 / 40 * q * lo ^ 2";
  return "1 / 24 * q * lo ^ 2";
}

MomentRow MomentCoefficients(Support s, double rule_divisor) {
  switch (s) {
    case Support::Hinged:
      return {1.0 / 8, 0};
    case Support::Fixed:
      return {1.0 / 24, 1.0 / 12};
    case Support::LowerFixed:
    case Support::UpperFixed:
      return {9.0 / 128, 1.0 / 8};
    case Support::Restrained:
      break;
  }
  return {1.0 / 10, 1.0 / rule_divisor};
}

double DeflectionCoefficient(Support s) {
  switch (s) {
    case Support::Hinged:
      return 5;
    case Support::Fixed:
      return 1;
    case Support::LowerFixed:
    case Support::UpperFixed:
      return 2;
    case Support::Restrained:
      break;
  }
  return 3;
}

double InclinedLengthFactor(double Lo1, double Lo, double cosA) {
  return 1 + fault::div(Lo1 * (1 - cosA), Lo * cosA);
}

double MidSpanDeflection(double k, double eta, double Qk, double L_m, double Bl_kNm2) {
  return fault::div(k / 384 * eta * Qk * std::pow(L_m, 4), Bl_kNm2) * 1000;
}

double DeflectionLimit(double Lo_m) {
  if (Lo_m < 7) return 200;
  if (Lo_m <= 9) return 250;
  return 300;
}

double CodeMinimumRatio(double fcm) {
  return fcm > 19 ? 0.002 : 0.0015;
}

const BarPair* BarListData(BarList l, std::size_t& count) {
  switch (l) {
    case BarList::GradeOne:
      count = std::size(kGradeOne);
      return kGradeOne;
    case BarList::Slab:
      count = std::size(kSlab);
      return kSlab;
    case BarList::BeamSlab:
      break;
  }
  count = std::size(kBeamSlab);
  return kBeamSlab;
}

BarList BarListFor(double fy, bool beam_slab) {
  if (fy < kGradeOneLimit) return BarList::GradeOne;
  return beam_slab ? BarList::BeamSlab : BarList::Slab;
}

double AreaPerMetre(const BarPair& p) {
  return kPi * p.d * p.d / 4 * 1000 / p.s;
}

std::optional<std::size_t> ChooseBars(BarList l, double As) {
  std::size_t n = 0;
  const BarPair* list = BarListData(l, n);
  for (std::size_t k = 0; k < n; ++k)
    if (AreaPerMetre(list[k]) >= As) return k;
  return std::nullopt;
}

BeamBars ChooseBeamBars(double As) {
  static constexpr int kDiameters[] = {12, 14, 16, 18, 20, 22, 25};
  for (int d : kDiameters) {
    const double a = kPi * d * d / 4;
    const int n = std::max(2, static_cast<int>(std::ceil(As / a - 1e-9)));
    if (n <= 4) return {n, d, n * a};
  }
  const double a25 = kPi * 25 * 25 / 4;
  const int n = static_cast<int>(std::ceil(As / a25 - 1e-9));
  return {n, 25, n * a25};
}

double StirrupArea(double V, double fc, double b, double ho, double fyv, double s) {
  return fault::div((V - gbj10_89::ShearConcrete(fc, b, ho)) * s,
                    gbj10_89::kShearStirrups * fyv * ho);
}

double MinimumStirrupRatio(double fc, double fyv) {
  return fault::div(0.02 * fc, fyv);
}

double MinimumStirrupDiameter(double h) {
  return h > 800 ? 8 : 6;
}

double MaximumStirrupSpacing(double h, bool concrete_suffices) {
  if (h <= 300) return concrete_suffices ? 200 : 150;
  if (h <= 500) return concrete_suffices ? 300 : 200;
  if (h <= 800) return concrete_suffices ? 350 : 250;
  return concrete_suffices ? 500 : 300;
}

}  // namespace tk::stair
