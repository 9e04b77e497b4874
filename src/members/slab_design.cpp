// The slab calculation behind BCalculate: loads, moments, reinforcement, bars, crack width,
// deflection and the report, in the order of the report.
#include <cmath>

#include "frame/fault.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/services.h"
#include "materials/material.h"
#include "members/slab.h"
#include "members/slab_detail.h"
#include "members/slab_equations.h"

namespace tk {

using namespace slab;

namespace {

// Modulus of the concrete for the deflection (GBJ 10-89 table 2.1.5): the grade of fcm, kept to
// the table's first and last grade. fcm below the first grade's takes Ec of C7.5 and above
// the last grade's (C60, 29 N/mm²) Ec of C60, each with its note.
constexpr double kFcmFirstGrade = 4.1, kEcFirstGrade = 14500;
constexpr double kFcmLastGrade = 29, kEcLastGrade = 36000;

const char* EdgeText(Support s) {
  switch (s) {
    case Support::Fixed:
      return "固端";
    case Support::Hinged:
      return "铰支";
    default:
      return "自由";
  }
}

constexpr const char* kFactorLabels[4] = {"X向板底配筋增大系数", "Y向板底配筋增大系数",
                                          "X向板面配筋增大系数", "Y向板面配筋增大系数"};

struct Loads {
  double qk = 0, pk = 0, q = 0, gq = 0;
  double g1 = 0, q1 = 0;    // live-load arrangement g', q'
  double Qk = 0, Ql = 0;    // short- and long-term characteristic loads
  bool noDeadLoad = false;  // a design value below γQ·pk: qk taken as 0
};

Loads FormLoads(const clsBanOld::Inputs& in) {
  Loads L;
  L.pk = in.pk;
  L.gq = LiveLoadFactor(in.pk);
  switch (in.loadKind) {
    case 0:
      L.q = in.load;
      // A design value below γQ·pk leaves no dead load behind it.
      L.qk = DeadLoadFromDesign(in.load, in.pk);
      L.noDeadLoad = L.qk < 0;
      if (L.noDeadLoad) L.qk = 0;
      break;
    case 2:
      L.qk = DeadLoadWithSelfWeight(in.load, in.h);
      L.q = DesignLoad(L.qk, in.pk);
      break;
    default:
      L.qk = in.load;
      L.q = DesignLoad(L.qk, in.pk);
      break;
  }
  const ArrangedLoads a = ArrangementLoads(L.qk, in.pk);
  L.g1 = a.g1;
  L.q1 = a.q1;
  L.Qk = L.qk + in.pk;
  L.Ql = L.qk + in.psiq * in.pk;
  return L;
}

void WriteHead(const clsBanOld::Inputs& in, const Loads& L, Report& r) {
  r.Heading("1．基本参数：");
  r.Line(
      4, "(1) 边界条件 （左端/下端/右端/上端）： $0 / $1 / $2 / $3",
      {EdgeText(in.edges[0]), EdgeText(in.edges[1]), EdgeText(in.edges[2]), EdgeText(in.edges[3])});
  r.Line(4, in.arrangement ? "(2) 荷载： （考虑活荷不利布置）" : "(2) 荷载：");
  if (in.loadKind == 0) {
    r.Line(6, "荷载设计值： q ＝ $0", {{L.q, U::kpad}});
    r.Line(6, "活荷标准值：pk ＝ $0", {{L.pk, U::kpad}});
    r.Line(6, "恒荷标准值：qk ＝ (q - $0 * pk) / $1 ＝ ($2-$0*$3)/$1 ＝ $4",
           {{L.gq, "0.0"}, {kGammaG, "0.0"}, {L.q, U::kpa}, {L.pk, U::kpa}, {L.qk, U::kpad}});
    if (L.noDeadLoad) r.Line(6, "警告：荷载设计值q ＜ $0 * pk，取qk ＝ 0", {{L.gq, "0.0"}});
  } else {
    if (in.loadKind == 2)
      r.Line(6, "恒荷标准值：qk ＝ $0 + $1 * $2 ＝ $3",
             {{in.load, U::kpa}, {in.h / 1000, "0.###"}, {kConcreteWeight, "0"}, {L.qk, U::kpad}});
    else
      r.Line(6, "恒荷标准值：qk ＝ $0", {{L.qk, U::kpad}});
    r.Line(6, "活荷标准值：pk ＝ $0", {{L.pk, U::kpad}});
    r.Line(6, "荷载设计值： q ＝ $0 * $1 + $2 * $3 ＝ $4",
           {{kGammaG, "0.0"}, {L.qk, U::kpa}, {L.gq, "0.0"}, {L.pk, U::kpa}, {L.q, U::kpad}});
  }
  if (in.arrangement) {
    r.Line(6, "g' ＝ $0 * qk + $1 * pk / 2 ＝ $0*$2+$1*$3/2 ＝ $4",
           {{kGammaG, "0.0"}, {L.gq, "0.0"}, {L.qk, U::kpa}, {L.pk, U::kpa}, {L.g1, U::kpad}});
    r.Line(6, "q' ＝ $0 * pk / 2 ＝ $0*$1/2 ＝ $2",
           {{L.gq, "0.0"}, {L.pk, U::kpa}, {L.q1, U::kpad}});
  }
  r.Line(4, "(3) 其它： ");
  r.Line(6, "计算宽度Lx ＝ $0    计算高度Ly ＝ $1", {{in.lx, U::md}, {in.ly, U::md}});
  const double l = (in.lx < in.ly ? in.lx : in.ly) * 1000;
  r.Line(6, "板厚h ＝ $0  （h ＝ $1 / $2）    纵筋合力点至近边距离as ＝ $3",
         {{in.h, U::mmd}, {l, U::mm}, {l / in.h, "0.0"}, {in.as, U::mmd}});
  r.Line(6, "泊松比ν ＝ $0", {in.nuText});
  r.Line(6, "砼强度等级：C$0", {{in.grade, "0.#"}});
  r.Line(6, "砼弯曲抗压强度设计值fcm ＝ $0      钢筋强度设计值fy ＝ $1",
         {{in.fcm, U::nmm2d}, {in.fy, U::nmm2d}});
  r.Line(6, "最小配筋率ρmin ＝ $0    准永久值系数ψq ＝ $1",
         {{MinimumRatio(in.rhoMin, in.fcm), U::percent}, {in.psiq, "0.0#"}});
}

std::string BarText(const BgjRecordOld& row) {
  return std::string(row.Two ? "Φ" : "φ") + Trim(row.D) + "@" + Trim(row.A);
}

// Area per metre of the bars of a row, from its diameter and spacing texts; 0 when they are not
// positive numbers.
double RowActualArea(const BgjRecordOld& row) {
  const double d = LeadingNumber(row.D), s = LeadingNumber(row.A);
  return d > 0 && s > 0 ? BarAreaPerMetre(d, s) : 0.0;
}

}  // namespace

// Reinforcement of one moment: MuAsCommon at b = 1000 mm, the amplification factor of its face
// and direction (a negative moment is a top-face moment), the minimum ratio, then the bar choice.
static void DesignMoment(int k, SlabMoment& s, const clsBanOld::Inputs& in,
                         const std::vector<BgjRecordOld>& rows, Report& r, int32_t& lErr) {
  const MomentName& n = kMomentNames[k];
  if (s.arranged)
    r.Line(6, s.Mq < 0 ? "$0＝ $1 - $2 ＝ $3" : "$0＝ $1 + $2 ＝ $3",
           {n.name, {s.Mg, U::knm_2}, {std::fabs(s.Mq), U::knm_2}, {s.M, U::knmd_2}});
  else
    r.Line(6, "$0＝ $1", {n.name, {s.M, U::knmd_2}});
  double As0 = 0;
  std::string err;
  const int32_t e = MuAsCommon(std::fabs(s.M), in, As0, err);
  if (e != 0 && !(e >= 100110 && e <= 100112)) {
    r.Error(std::string(n.area) + "：" + err);
    lErr = kMomentError;
    return;
  }
  if (e != 0) r.Line(8, "警告：$0", {err});
  const int face = n.dir + (s.M < 0 ? 2 : 0);
  const double factor = in.factor[face];
  double As = As0 * factor;
  if (factor != 1.0)
    r.Line(8, "$0 ＝ $1 * $2 ＝ $3    （$4）",
           {n.area, {factor, "0.00"}, {As0, U::mm2}, {As, U::mm2d}, kFactorLabels[face]});
  const double rho_min = MinimumRatio(in.rhoMin, in.fcm);
  const double AsMin = rho_min * kStripWidth * in.h;
  if (As < AsMin) {
    r.Line(8, "ρ ＝ $0 ＜ ρmin ＝ $1，As ＝ ρmin * b * h ＝ $1*$2*$3 ＝ $4",
           {{As / (kStripWidth * in.h), U::percent},
            {rho_min, U::percent},
            {kStripWidth, "0"},
            {in.h, U::mm},
            {AsMin, U::mm2d}});
    As = AsMin;
  }
  s.As = As;
  s.designed = true;
  s.row = SelectBar(rows, As, in.fy);
  std::string bar, area;
  if (s.row >= 0) {
    bar = BarText(rows[static_cast<size_t>(s.row)]);
    area = "   （" + FormatNumber(rows[static_cast<size_t>(s.row)].As, "0") + "）";
  } else {
    bar = std::string(r.services().tTextById(kTextNoBar));
  }
  if (in.fy > kFyGradeI)
    r.Line(8, "$0 ＝ $1(Ⅱ)    等代面积As ＝ $2    $3$4",
           {n.area, {As, U::mm2d}, {GradeIEquivalentArea(As, in.fy), U::mm2d}, bar, area});
  else
    r.Line(8, "$0 ＝ $1    $2$3", {n.area, {As, U::mm2d}, bar, area});
}

// Deflection of the panel (GBJ 10-89 art. 5.3): κ at the point of largest deflection from the
// component, f = κ·Qk·l⁴/Bl on the shorter span l, and the long-term stiffness Bl of the 1000 mm
// strip with the largest sagging moment and its bars (art. 5.3.1: the stiffness of a region of
// one sign is that at its largest moment). A panel supported on one edge only (a cantilever
// panel) deflects by its hogging region: its largest hogging moment.
static void WriteDeflection(const clsBanOld::Inputs& in, const Loads& L, const LoadCase& shortTerm,
                            const std::array<SlabMoment, kMoments>& ms,
                            const std::vector<BgjRecordOld>& rows, Report& r, std::string& tNd) {
  r.Line(4, "挠度验算：");
  int supported = 0;
  for (Support e : in.edges) supported += e != Support::Free;
  const double sign = supported == 1 ? -1.0 : 1.0;
  int k = -1;
  double largest = 0;
  for (int j = 0; j < kMoments; ++j)
    if (ms[j].present && sign * ms[j].M > largest) k = j, largest = sign * ms[j].M;
  if (k < 0 || !ms[k].designed || !(L.Qk > 0)) {
    r.Line(6, "无可验算挠度的弯矩或荷载，未验算挠度");
    return;
  }
  const SlabMoment& s = ms[k];
  if (!s.designed || !(L.Qk > 0)) {
    r.Line(6, "无可验算挠度的弯矩或荷载，未验算挠度");
    return;
  }
  const double Ms = std::fabs(shortTerm.M[k]);
  const double Ml = Ms * L.Ql / L.Qk;
  r.Line(6, "Qk ＝ qk + pk ＝ $0 + $1 ＝ $2    qk + ψq * pk ＝ $0 + $3*$1 ＝ $4",
         {{L.qk, U::kpa}, {L.pk, U::kpa}, {L.Qk, U::kpad}, {in.psiq, "0.0#"}, {L.Ql, U::kpad}});
  r.Line(6, "$0：Ms ＝ $1    Ml ＝ Ms * (qk + ψq * pk) / Qk ＝ $2*$3/$4 ＝ $5",
         {kMomentNames[k].name,
          {Ms, U::knmd_2},
          {Ms, U::knm_2},
          {L.Ql, U::kpa},
          {L.Qk, U::kpa},
          {Ml, U::knmd_2}});
  r.Line(6, "Ms --------  按荷载短期效应计算的弯矩值");
  r.Line(6, "Ml --------  按荷载长期效应计算的弯矩值");

  const std::string sq(r.services().tSquareSign());
  double Ec = 0;
  if (in.fcm > kFcmLastGrade) {
    Ec = kEcLastGrade;
    r.Line(6, "警告：砼弯曲抗压强度设计值fcm > $0N/mm$1", {{kFcmLastGrade, "0"}, sq});
    r.Line(6, "计算挠度时混凝土弹性模量Ec取$0N/mm$1", {{Ec, "0"}, sq});
  } else if (in.fcm < kFcmFirstGrade) {
    Ec = kEcFirstGrade;
    r.Line(6, "计算挠度时混凝土弹性模量Ec取$0N/mm$1", {{Ec, "0"}, sq});
  } else {
    auto& mat = modKalbex::Material();
    Ec = mat.CtoEc(mat.FcmtoC(static_cast<float>(in.fcm)));
    r.Line(6, "混凝土弹性模量Ec ＝ $0", {{Ec, U::nmm2d}});
  }
  // The bars chosen for the moment; without a bar choice the area to provide.
  double As = s.As, Es = modKalbex::Material().FyToEs(in.fy);
  std::string bar = "As ＝ " + FormatNumber(As, "0");
  if (s.row >= 0) {
    const BgjRecordOld& row = rows[static_cast<size_t>(s.row)];
    if (const double a = RowActualArea(row); a > 0) {
      As = a;
      Es = modKalbex::Material().FyToEs(row.Two ? kFyGradeII : kFyGradeI);
      bar = BarText(row);
    }
  }
  double Bl = 0;
  if (BendComponentBl(Ms, Ml, As, Es, in, Ec, Bl) != 0 || !(Bl > 0)) {
    r.Error("长期刚度Bl未能计算，未验算挠度");
    return;
  }
  const double Bl_kNm2 = Bl / 1e9;
  r.Line(6, "$0    As ＝ $1    Es ＝ $2    Bl ＝ $3",
         {bar, {As, U::mm2d}, {Es, U::nmm2d}, {Bl_kNm2, U::knm2d}});
  const double l = shortTerm.l;
  r.Line(6, "按《建筑结构静力计算手册》表4－$0，挠度系数κ ＝ $1  （$2）",
         {shortTerm.table, {shortTerm.kappa, "0.00000"}, shortTerm.point});
  r.Line(6, "挠度f ＝ κ * Qk * $0 ^ 4 / Bl", {{l, U::m}});
  const double f = PlateDeflection(shortTerm.kappa, L.Qk, l, Bl_kNm2);
  r.Line(
      10, "＝ $0*$1*$2^4/$3*1000 ＝ $4",
      {{shortTerm.kappa, "0.00000"}, {L.Qk, U::kpa}, {l, U::m}, {Bl_kNm2, U::knm2}, {f, U::mmd_2}});
  std::string nd = "f ＝ " + FormatNumber(f, "0.00\" mm\"");
  if (f > 0) {
    const double ratio = l * 1000 / f;
    r.Line(6, "f / L ＝ $0/$1 ＝ 1/$2", {{f, U::mm_2}, {l * 1000, U::mm}, {ratio, "0"}});
    nd += "，f / L ＝ 1/" + FormatNumber(ratio, "0");
  }
  tNd = nd;
}

void clsBanOld::Design(const Inputs& in, const std::vector<BgjRecordOld>& rows, Report& r,
                       int32_t& lErr, std::string& tNd) {
  const Loads L = FormLoads(in);
  WriteHead(in, L, r);
  r.Heading("2．计算结果：");

  // The design load on the panel as supported gives every moment. With the live-load
  // arrangement the span moments are those of g' on the panel as supported plus q' on the panel
  // with its fixed edges hinged (a panel that would then be a mechanism keeps its supports).
  const Panel panel{in.edges, in.lx, in.ly, in.nu};
  const LoadCase design = m_SlabCoefficients->Case(panel, L.q);
  std::array<SlabMoment, kMoments> ms;
  for (int k = 0; k < kMoments; ++k) {
    ms[k].M = design.M[k];
    ms[k].present = design.M[k] != 0;
  }
  if (in.arrangement) {
    Panel hinged = panel;
    for (auto& e : hinged.edges)
      if (e == Support::Fixed) e = Support::Hinged;
    const LoadCase cg = m_SlabCoefficients->Case(panel, L.g1);
    const LoadCase cq = m_SlabCoefficients->Computable(hinged)
                            ? m_SlabCoefficients->Case(hinged, L.q1)
                            : m_SlabCoefficients->Case(panel, L.q1);
    for (int k : {kMx, kMy, kM0x, kM0y}) {
      if (!ms[k].present) continue;
      ms[k].arranged = true;
      ms[k].Mg = cg.M[k];
      ms[k].Mq = cq.M[k];
      ms[k].M = cg.M[k] + cq.M[k];
    }
  }
  for (int k = 0; k < kMoments; ++k)
    if (ms[k].present) DesignMoment(k, ms[k], in, rows, r, lErr);

  // Crack width of the chosen bars under the short-term load: the design moment scaled by Qk/q.
  r.Line(4, "裂缝宽度验算：");
  r.Line(6, "Ms ＝ M * Qk / q，Qk ＝ qk + pk ＝ $0 + $1 ＝ $2",
         {{L.qk, U::kpa}, {L.pk, U::kpa}, {L.Qk, U::kpad}});
  for (int k = 0; k < kMoments; ++k) {
    const SlabMoment& s = ms[k];
    if (!s.designed || s.row < 0) continue;
    const BgjRecordOld& row = rows[static_cast<size_t>(s.row)];
    const double As = RowActualArea(row);
    const double Ms = fault::div(std::fabs(s.M) * L.Qk, L.q);
    double w = 0;
    const int32_t e = As > 0 ? LfKdCommon(Ms, LeadingNumber(row.D), As, row.Two, in, w) : 0;
    r.Sp(6).Put("$0：Ms ＝ $1*$2/$3 ＝ $4，$5，", {kMomentNames[k].name,
                                                   {std::fabs(s.M), U::knm_2},
                                                   {L.Qk, U::kpa},
                                                   {L.q, U::kpa},
                                                   {Ms, U::knmd_2},
                                                   BarText(row)});
    if (e == 900200)
      r.Put("ωmax ＝ $0", {{w, U::mmd_3}});
    else
      r.Put("裂缝宽度未能计算");
    r.End();
  }
  WriteDeflection(in, L, m_SlabCoefficients->Case(panel, L.Qk), ms, rows, r, tNd);
}

}  // namespace tk
