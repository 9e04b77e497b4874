#include "members/slab_equations.h"

#include <cmath>
#include <string>

#include "frame/fault.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"

namespace tk::slab {

double DeadLoadWithSelfWeight(double g, double h) {
  return g + h / 1000.0 * kConcreteWeight;
}

double LiveLoadFactor(double pk) {
  return pk >= kHeavyLiveLoad ? kGammaQHeavy : kGammaQ;
}

double DesignLoad(double qk, double pk) {
  return kGammaG * qk + LiveLoadFactor(pk) * pk;
}

double DeadLoadFromDesign(double q, double pk) {
  return (q - LiveLoadFactor(pk) * pk) / kGammaG;
}

ArrangedLoads ArrangementLoads(double qk, double pk) {
  const double half = LiveLoadFactor(pk) * pk / 2.0;
  return {kGammaG * qk + half, half};
}

double MinimumRatio(double rho_min_percent, double fcm) {
  return modKalbex::vMaxVal(rho_min_percent / 100.0, fcm > kRhoMinFcm ? kRhoMinHigh : kRhoMinLow);
}

double BarAreaPerMetre(double d, double s) {
  return fault::div(d * d * kPiSingle / 4.0, s) * 1000.0;
}

std::vector<BgjRecordOld> DefaultBarRows(double Fy2) {
  struct Row {
    int d, s;
  };
  static constexpr Row kGradeI[] = {{6, 200},  {6, 150},  {8, 200},  {6, 100},
                                    {8, 150},  {10, 200}, {10, 170}, {8, 100},
                                    {10, 140}, {10, 125}, {10, 110}, {10, 100}};
  static constexpr Row kGradeII[] = {{12, 200}, {12, 175}, {12, 150}, {12, 125},
                                     {12, 100}, {14, 125}, {14, 100}, {25, 100}};
  std::vector<BgjRecordOld> rows;
  rows.reserve(20);
  for (const Row& r : kGradeI)
    rows.push_back({std::to_string(r.d), std::to_string(r.s),
                    fault::to_int32(BarAreaPerMetre(r.d, r.s)), false});
  for (const Row& r : kGradeII)
    rows.push_back({std::to_string(r.d), std::to_string(r.s),
                    fault::to_int32(BarAreaPerMetre(r.d, r.s) * Fy2 / kFyGradeI), true});
  return rows;
}

double RowCountingArea(const BgjRecordOld& row, double fy) {
  return row.Two ? fault::div(row.As * kFyGradeI, fy) : static_cast<double>(row.As);
}

int SelectBar(const std::vector<BgjRecordOld>& rows, double As, double fy) {
  const double need = std::nearbyint(As);
  for (size_t k = 0; k < rows.size(); ++k)
    if (RowCountingArea(rows[k], fy) >= need) return static_cast<int>(k);
  return -1;
}

double GradeIEquivalentArea(double As, double fy) {
  return As * fy / kFyGradeI;
}

std::string SpanRatioMessage(const Supports& edges, double lx, double ly) {
  auto is = [&](int k, Support s) { return edges[static_cast<size_t>(k)] == s; };
  const bool freeX = is(1, Support::Free) || is(3, Support::Free);
  const bool freeY = is(0, Support::Free) || is(2, Support::Free);
  bool inX = true;
  if (freeX)
    inX = true;
  else if (freeY)
    inX = false;
  else
    inX = (is(1, Support::Fixed) + is(3, Support::Fixed)) <=
          (is(0, Support::Fixed) + is(2, Support::Fixed));
  const bool free = freeX || freeY;
  const double lo = free ? 0.30 : 0.50, hi = free ? 3.33 : 2.00;
  const double r = inX ? fault::div(lx, ly) : fault::div(ly, lx);
  const char* name = inX ? "Lx/Ly" : "Ly/Lx";
  std::string m;
  if (r < lo)
    m = std::string(name) + (free ? " ＜0.30" : " ＜0.50");
  else if (r > hi)
    m = std::string(name) + (free ? " ＞3.33" : " ＞2.00");
  else
    return m;
  std::string value;
  AppendFormatted(value, r, "0.###");
  return m + "（" + name + " ＝ " + value + "）";
}

double PlateDeflection(double kappa, double Qk, double L, double Bl_kNm2) {
  return fault::div(kappa * Qk * L * L * L * L, Bl_kNm2) * 1000.0;
}

}  // namespace tk::slab
