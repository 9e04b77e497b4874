// clsLtBs: the stair calculation CalLtBs and its report. Lengths of sections in mm, spans and
// loads in m and kN; every report line ends with "\r\n" and "|" marks a place where a long data
// line may break.
#include <cmath>
#include <string>

#include "codes/gbj10_89.h"
#include "frame/fault.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "materials/material.h"
#include "members/stair.h"
#include "section/flexure_common.h"

namespace tk {

using namespace ltbs;
using namespace stair;

namespace {
constexpr std::string_view kEnd = "\r\n";
constexpr double kStrip = 1000;  // slabs are designed per metre of width
}  // namespace

struct StairCalc {
  StairCalc(clsLtBs& s, const Inputs& i, Report& rep) : self(s), in(i), r(rep) {}
  clsLtBs& self;
  const Inputs& in;
  Report& r;

  // materials
  double fc = 0, fcm = 0, ftk = 0, Ec = 0, Es = 0;
  // geometry (mm unless noted)
  double Lo = 0, h1 = 0, h = 0, h2 = 0;
  Geometry g;
  // loads: characteristic and design, kN/m² for slabs, kN/m for the beam
  double gk = 0, p = 0;                              // slab-type flight; beam of a beam-slab flight
  double gkx = 0, gks = 0, gkb = 0, px = 0, ps = 0;  // beam-slab slabs
  double qkBeam = 0;                                 // live load on the beam, kN/m
  double L = 0;                                      // calculation span, m

  // The member the deflection is worked for.
  struct Deflected {
    bool set = false;
    double b = 0, h = 0, As = 0, Mk = 0, Ml = 0, coef = 0;
  } defl;

  void Ln(int indent, std::string_view form, Subs subs = {}) {
    r.Sp(indent).Put(form, subs).Raw(kEnd);
  }
  void Heading(std::string_view text) { Ln(2, "$0", {text}); }
  // A break of a data line that is built in parts.
  void EndLine() { r.Put(kEnd); }
  bool Landings() const { return in.type != Flight::A; }
  // Part of the span on the landings, and its name in formulas.
  double LandingLength() const { return Lo - in.Lo1; }
  std::string_view LandingName() const {
    return in.type == Flight::B ? "Lo2" : in.type == Flight::C ? "Lo3" : "(Lo2 + Lo3)";
  }
  std::string_view LandingPlace() const {
    return in.type == Flight::B ? "Lo2段" : in.type == Flight::C ? "Lo3段" : "Lo2、Lo3段";
  }

  void Run(const std::string& label);
  void Data();
  void ThicknessLine(std::string_view pre, std::string_view sym, std::string_view base,
                     double base_value, double div, double value, U unit_taken);
  void GeometryPart();
  void SlabLoads();
  void BeamSlabLoads();
  void DesignLoads();
  void Shear();
  void BeamStirrups(double V, double b, double ho);
  void Bending();
  void SpanMoments(double pd, double Qk, double Qlong, double b, double hh, bool beam);
  void Reinforce(std::string_view name, double M, double Mk, double Ml, double coef, double b,
                 double hh, bool bottom, bool beam, bool deflected);
  bool Bars(std::string_view name, double As, bool beam, double& actual, double& d);
  void CrackWidth(std::string_view name, double Mk, double actual, double d, double b, double hh);
  void Deflection();
};

void StairCalc::Run(const std::string& label) {
  auto& mat = modKalbex::Material();
  fc = mat.CtoFc(static_cast<float>(in.grade));
  fcm = mat.CtoFcm(static_cast<float>(in.grade));
  ftk = mat.CtoFtk(static_cast<float>(in.grade));
  Ec = mat.CtoEc(in.grade);
  Es = mat.FyToEs(in.fy);
  Lo = FlightSpan(in.type, in.Lo1, in.Lo2, in.Lo3);
  // Rules: slab-type h1 from the span, beam-slab slabs from the width, the beam from the span.
  h1 = in.h1Div > 0 ? RuleThickness(in.beamSlab ? in.B : Lo, in.h1Div, kSlabStep) : in.h1;
  h = in.hDiv > 0 ? RuleThickness(Lo, in.hDiv, kBeamStep) : in.h;
  h2 = in.h2Div > 0 ? RuleThickness(in.B, in.h2Div, kSlabStep) : in.h2;
  g = FlightGeometry(in.Hv, in.n, in.Lo1, h1);

  Ln(0, "$0$1", {in.beamSlab ? "梁板式楼梯：" : "板式楼梯：", label});
  Data();
  GeometryPart();
  Heading("3．荷载计算：");
  if (in.beamSlab)
    BeamSlabLoads();
  else
    SlabLoads();
  DesignLoads();
  Shear();
  Bending();
  if (in.deflection) Deflection();
}

void StairCalc::ThicknessLine(std::string_view pre, std::string_view sym, std::string_view base,
                              double base_value, double div, double value, U unit_taken) {
  const std::string form = std::string(pre) + std::string(sym) + " ＝ " + std::string(base) +
                           " / $0 ＝ $1/$0 ＝ $2，取 " + std::string(sym) + " ＝ $3";
  r.Put(form,
        {{div, "0.##"}, {base_value, U::mm}, {base_value / div, U::mmd}, {value, unit_taken}});
}

void StairCalc::Data() {
  Heading("1．基本资料：");
  Ln(4, "楼梯类型：$0，|楼梯体系：$1",
     {FlightName(in.type), in.beamSlab ? kBeamSlabSystem : kSlabSystem});
  if (in.support == Support::Restrained)
    Ln(4, "支座条件：支座弯矩按 $0 计算", {SupportRuleText(in.ruleDivisor)});
  else
    Ln(4, "支座条件：$0", {SupportName(in.support)});

  r.Sp(4).Put("梯段水平投影长度Lo1 ＝ $0", {{in.Lo1, U::mmd}});
  if (HasLowerLanding(in.type)) r.Put("，|梯段下部水平段长度Lo2 ＝ $0", {{in.Lo2, U::mmd}});
  if (HasUpperLanding(in.type)) r.Put("，|梯段上部水平段长度Lo3 ＝ $0", {{in.Lo3, U::mmd}});
  switch (in.type) {
    case Flight::A:
      r.Put("，|梯段净跨Lo ＝ Lo1 ＝ $0", {{Lo, U::mmd}});
      break;
    case Flight::B:
      r.Put("，|梯段净跨Lo ＝ Lo1 + Lo2 ＝ $0+$1 ＝ $2",
            {{in.Lo1, U::mm}, {in.Lo2, U::mm}, {Lo, U::mmd}});
      break;
    case Flight::C:
      r.Put("，|梯段净跨Lo ＝ Lo1 + Lo3 ＝ $0+$1 ＝ $2",
            {{in.Lo1, U::mm}, {in.Lo3, U::mm}, {Lo, U::mmd}});
      break;
    case Flight::D:
      r.Put("，|梯段净跨Lo ＝ Lo1 + Lo2 + Lo3 ＝ $0+$1+$2 ＝ $3",
            {{in.Lo1, U::mm}, {in.Lo2, U::mm}, {in.Lo3, U::mm}, {Lo, U::mmd}});
      break;
  }
  if (in.h1Div > 0)
    ThicknessLine("，|梯板厚度 ", "h1", in.beamSlab ? "B" : "Lo", in.beamSlab ? in.B : Lo, in.h1Div,
                  h1, U::mmd);
  else
    r.Put("，|梯板厚度h1 ＝ $0", {{h1, U::mmd}});
  EndLine();
  if (in.beamSlab) {
    r.Sp(4).Put("梯梁宽度b ＝ $0", {{in.b, U::mmd}});
    if (in.hDiv > 0)
      ThicknessLine("，|梯梁高度 ", "h", "Lo", Lo, in.hDiv, h, U::mmd);
    else
      r.Put("，|梯梁高度h ＝ $0", {{h, U::mmd}});
    EndLine();
    if (Landings()) {
      r.Sp(4);
      if (in.h2Div > 0)
        ThicknessLine("水平梯板厚度 ", "h2", "B", in.B, in.h2Div, h2, U::mmd);
      else
        r.Put("水平梯板厚度h2 ＝ $0", {{h2, U::mmd}});
      EndLine();
    }
  }
  Ln(4, "梯段高度Hv ＝ $0，|楼梯级数n ＝ $1，|梯板净宽度B ＝ $2",
     {{in.Hv, U::mmd}, {static_cast<double>(in.n), "0"}, {in.B, U::mmd}});
  const std::string use = in.qkUse.empty() ? std::string() : "（" + in.qkUse + "）";
  Ln(4, "线性恒荷Pk ＝ $0，|均布活荷qk ＝ $1$2", {{in.Pk, U::knpmd}, {in.qk, U::knpm2d}, use});
  Ln(4, "面层厚度c1 ＝ $0，|顶棚厚度c2 ＝ $1，|面层、顶棚容重γc ＝ $2，|楼梯自重容重γb ＝ $3",
     {{in.c1, U::mmd}, {in.c2, U::mmd}, {in.gammaC, U::knpm3d}, {in.gammaB, U::knpm3d}});
  Ln(4, "混凝土强度等级：C$0，|fc ＝ $1，|fcm ＝ $2，|ftk ＝ $3",
     {{in.grade, "0.#"}, {fc, U::nmm2d}, {fcm, U::nmm2d}, {ftk, U::nmm2d}});
  Ln(4, "钢筋强度设计值fy ＝ $0，|纵筋合力点至近边距离as ＝ $1",
     {{in.fy, U::nmm2d}, {in.as, U::mmd}});
  Ln(4, "下支座宽度d1 ＝ $0，|上支座宽度d2 ＝ $1", {{in.d1, U::mmd}, {in.d2, U::mmd}});
  if (in.rhoUser > 0) Ln(4, "最小配筋率ρmin ＝ $0%", {{in.rhoUser, "0.00"}});
  if (in.deflection) Ln(4, "准永久值系数ψq ＝ $0", {{in.psiQ, "0.0#"}});
  if (in.hasFactor) Ln(4, "板底配筋放大系数 ＝ $0", {{in.factor, "0.0#"}});
}

void StairCalc::GeometryPart() {
  Heading("2．楼梯几何参数：");
  const double n = in.n;
  Ln(4, "踏步高度 t ＝ Hv / n ＝ $0/$1 ＝ $2", {{in.Hv, U::mm}, {n, "0"}, {g.t, U::mmd}});
  Ln(4, "踏步宽度 w ＝ Lo1 / (n - 1) ＝ $0/($1-1) ＝ $2",
     {{in.Lo1, U::mm}, {n, "0"}, {g.w, U::mmd}});
  Ln(4, "梯段斜板的倾角 α ＝ ArcTan(t / w) ＝ ArcTan($0/$1) ＝ $2°",
     {{g.t, U::mm}, {g.w, U::mm}, {Degrees(g.alpha), "0.00"}});
  Ln(4, "梯段斜板的长度 Lx ＝ Lo1 / Cosα ＝ $0/$1 ＝ $2",
     {{in.Lo1, U::mm}, {g.cosA, "0.0000"}, {g.Lx, U::mmd}});
  Ln(4, "梯板板厚的垂直高度 h1' ＝ h1 / Cosα ＝ $0/$1 ＝ $2",
     {{h1, U::mm}, {g.cosA, "0.0000"}, {g.h1v, U::mmd}});
  Ln(4, "梯板平均厚度 T ＝ (t + 2 * h1') / 2 ＝ ($0+2*$1)/2 ＝ $2",
     {{g.t, U::mm}, {g.h1v, U::mm}, {g.T, U::mmd}});
  if (!in.beamSlab) {
    Ln(4, "梯板有效高度h1o ＝ h1 - as ＝ $0-$1 ＝ $2",
       {{h1, U::mm}, {in.as, U::mm}, {h1 - in.as, U::mmd}});
    return;
  }
  Ln(4, "梯板有效高度h1o ＝ T - as ＝ $0-$1 ＝ $2",
     {{g.T, U::mm}, {in.as, U::mm}, {g.T - in.as, U::mmd}});
  if (Landings())
    Ln(4, "水平梯板梯板有效高度h2o ＝ h2 - as ＝ $0-$1 ＝ $2",
       {{h2, U::mm}, {in.as, U::mm}, {h2 - in.as, U::mmd}});
  Ln(4, "梯梁梁高的垂直高度 h' ＝ h / Cosα ＝ $0/$1 ＝ $2",
     {{h, U::mm}, {g.cosA, "0.0000"}, {h / g.cosA, U::mmd}});
  Ln(4, "梯梁有效高度ho ＝ h - as ＝ $0-$1 ＝ $2",
     {{h, U::mm}, {in.as, U::mm}, {h - in.as, U::mmd}});
}

// Characteristic dead load of a slab-type flight, each term spread over Lo by the length it covers.
void StairCalc::SlabLoads() {
  Ln(4, "均布恒荷标准值：");
  const double Lo_m = Lo / 1000, Lo1_m = in.Lo1 / 1000, Lx_m = g.Lx / 1000,
               land_m = LandingLength() / 1000;
  std::string sum = "gk ＝ gk1", values;
  int term = 1;
  auto add = [&](double v) {
    if (term > 1) sum += " + gk" + std::to_string(term);
    values += (term > 1 ? "+" : "") + FormatNumber(v, r.Pattern(U::knpm2));
    gk += v;
    ++term;
  };
  const double g1 = LineLoadAsArea(in.Pk, in.B / 1000);
  Ln(4, "梯板上的线形恒荷换算成均布恒荷：gk1 ＝ Pk / B ＝ $0/$1 ＝ $2",
     {{in.Pk, U::knpm}, {in.B / 1000, U::m}, {g1, U::knpm2d}});
  add(g1);
  const std::string k = std::to_string(term);
  const double w2 = WaistWeight(in.gammaB, g.T / 1000), g2 = Spread(w2, Lo1_m, Lo_m);
  Ln(4,
     "Lo1段梯板自重：  gk$0' ＝ γb * T ＝ $1*$2 ＝ $3，|gk$0 ＝ gk$0' * Lo1 / Lo ＝ $4*$5/$6 ＝ $7",
     {k,
      {in.gammaB, U::knpm3},
      {g.T / 1000, U::m},
      {w2, U::knpm2d},
      {w2, U::knpm2},
      {Lo1_m, U::m},
      {Lo_m, U::m},
      {g2, U::knpm2d}});
  add(g2);
  if (Landings()) {
    const std::string j = std::to_string(term);
    const double w3 = WaistWeight(in.gammaB, h1 / 1000), g3 = Spread(w3, land_m, Lo_m);
    Ln(4,
       "$8梯板自重：  gk$0' ＝ γb * h1 ＝ $1*$2 ＝ $3，|gk$0 ＝ gk$0' * $9 / Lo ＝ $4*$5/$6 ＝ $7",
       {j,
        {in.gammaB, U::knpm3},
        {h1 / 1000, U::m},
        {w3, U::knpm2d},
        {w3, U::knpm2},
        {land_m, U::m},
        {Lo_m, U::m},
        {g3, U::knpm2d},
        LandingPlace(),
        LandingName()});
    add(g3);
  }
  const std::string f = std::to_string(term);
  const double w4 = TreadFinish(in.gammaC, in.c1 / 1000, in.n, g.t, g.w, in.Lo1),
               g4 = Spread(w4, Lo1_m, Lo_m);
  Ln(4, "Lo1段面层重：  gk$0' ＝ γc * c1 * [n * t + (n - 1) * w] / Lo1", {f});
  Ln(4,
     "       ＝ $0*$1*[$2*$3+($2-1)*$4]/$5 ＝ $6，|gk$7 ＝ gk$7' * Lo1 / Lo ＝ $8*$9/${10} ＝ "
     "${11}",
     {{in.gammaC, U::knpm3},
      {in.c1 / 1000, U::m},
      {static_cast<double>(in.n), "0"},
      {g.t, U::mm},
      {g.w, U::mm},
      {in.Lo1, U::mm},
      {w4, U::knpm2d},
      f,
      {w4, U::knpm2},
      {Lo1_m, U::m},
      {Lo_m, U::m},
      {g4, U::knpm2d}});
  add(g4);
  if (Landings()) {
    const std::string j = std::to_string(term);
    const double w5 = in.gammaC * in.c1 / 1000, g5 = Spread(w5, land_m, Lo_m);
    Ln(4, "$8面层重：  gk$0' ＝ γc * c1 ＝ $1*$2 ＝ $3，|gk$0 ＝ gk$0' * $9 / Lo ＝ $4*$5/$6 ＝ $7",
       {j,
        {in.gammaC, U::knpm3},
        {in.c1 / 1000, U::m},
        {w5, U::knpm2d},
        {w5, U::knpm2},
        {land_m, U::m},
        {Lo_m, U::m},
        {g5, U::knpm2d},
        LandingPlace(),
        LandingName()});
    add(g5);
  }
  const std::string c = std::to_string(term);
  const double w6 = in.gammaC * in.c2 / 1000,
               g6 = CeilingLoad(in.gammaC, in.c2 / 1000, Lo_m, Lx_m, Lo1_m);
  Ln(4,
     "顶棚重：  gk$0' ＝ γc * c2 ＝ $1*$2 ＝ $3，|gk$0 ＝ gk$0' * (Lo + Lx - Lo1) / Lo　＝ "
     "$4*($5+$6-$7)/$5 ＝ $8",
     {c,
      {in.gammaC, U::knpm3},
      {in.c2 / 1000, U::m},
      {w6, U::knpm2d},
      {w6, U::knpm2},
      {Lo_m, U::m},
      {Lx_m, U::m},
      {Lo1_m, U::m},
      {g6, U::knpm2d}});
  add(g6);
  Ln(4, "$0 ＝ $1 ＝ $2", {sum, values, {gk, U::knpm2d}});
  Ln(4, "均布活荷标准值qk ＝ $0", {{in.qk, U::knpm2d}});
}

// Beam-slab flight: the slabs carry their own dead load across the width; the stringer beam
// takes half the averaged slab load, its own weight and the line load.
void StairCalc::BeamSlabLoads() {
  Ln(4, "均布恒荷标准值：");
  const double Lo_m = Lo / 1000, Lo1_m = in.Lo1 / 1000, Lx_m = g.Lx / 1000, B_m = in.B / 1000,
               b_m = in.b / 1000;
  const double waist = WaistWeight(in.gammaB, g.T / 1000);
  const double finish = TreadFinish(in.gammaC, in.c1 / 1000, in.n, g.t, g.w, in.Lo1);
  const double ceiling = fault::div(in.gammaC * in.c2 / 1000 * g.Lx, in.Lo1);
  gkx = waist + finish + ceiling;
  Ln(4,
     "梯段斜板恒荷标准值gkx ＝ γb * T + γc * c1 * [n * t + (n - 1) * w] / Lo1 + γc * c2 * Lx / "
     "Lo1");
  Ln(4, "                  ＝ $0*$1+$2*$3*[$4*$5+($4-1)*$6]/$7+$2*$8*$9/$7",
     {{in.gammaB, U::knpm3},
      {g.T / 1000, U::m},
      {in.gammaC, U::knpm3},
      {in.c1 / 1000, U::m},
      {static_cast<double>(in.n), "0"},
      {g.t, U::mm},
      {g.w, U::mm},
      {in.Lo1, U::mm},
      {in.c2 / 1000, U::m},
      {g.Lx, U::mm}});
  Ln(4, "                  ＝ $0", {{gkx, U::knpm2d}});
  gkb = gkx;
  if (Landings()) {
    gks = WaistWeight(in.gammaB, h2 / 1000) + in.gammaC * in.c1 / 1000 + in.gammaC * in.c2 / 1000;
    Ln(4, "水平梯板恒荷标准值gks ＝ γb * h2 + γc * c1 + γc * c2 ＝ $0*$1+$2*$3+$2*$4 ＝ $5",
       {{in.gammaB, U::knpm3},
        {h2 / 1000, U::m},
        {in.gammaC, U::knpm3},
        {in.c1 / 1000, U::m},
        {in.c2 / 1000, U::m},
        {gks, U::knpm2d}});
    gkb = Spread(gkx, Lo1_m, Lo_m) + Spread(gks, LandingLength() / 1000, Lo_m);
    Ln(4, "板折算恒荷标准值gkb ＝ (gkx * Lo1 + gks * $0) / Lo ＝ ($1*$2+$3*$4)/$5 ＝ $6",
       {LandingName(),
        {gkx, U::knpm2},
        {Lo1_m, U::m},
        {gks, U::knpm2},
        {LandingLength() / 1000, U::m},
        {Lo_m, U::m},
        {gkb, U::knpm2d}});
  } else {
    Ln(4, "板折算恒荷标准值gkb ＝ gkx ＝ $0", {{gkb, U::knpm2d}});
  }
  const double gkl = StringerWeight(kBeamFinishFactor, in.gammaB, b_m, h / 1000, Lo_m, Lx_m, Lo1_m);
  Ln(4,
     "梯梁自重恒荷标准值gkl ＝ λb * γb * b * h * (Lo + Lx - Lo1) / Lo ＝ $0*$1*$2*$3*($4+$5-$6)/$4 "
     "＝ $7",
     {{kBeamFinishFactor, "0.0#"},
      {in.gammaB, U::knpm3},
      {b_m, U::m},
      {h / 1000, U::m},
      {Lo_m, U::m},
      {Lx_m, U::m},
      {Lo1_m, U::m},
      {gkl, U::knpmd}});
  gk = gkb * B_m / 2 + gkl + in.Pk;
  Ln(4, "梯梁上恒荷标准值gk ＝ gkb * B / 2 + gkl + Pk ＝ $0*$1/2+$2+$3 ＝ $4",
     {{gkb, U::knpm2}, {B_m, U::m}, {gkl, U::knpm}, {in.Pk, U::knpm}, {gk, U::knpmd}});
  Ln(4, "均布活荷标准值qk ＝ $0", {{in.qk, U::knpm2d}});
  qkBeam = in.qk * (B_m / 2 + b_m);
}

void StairCalc::DesignLoads() {
  Ln(4, "均布荷载设计值：");
  const Sub gG{kGammaG, "0.0#"}, gQ{kGammaQ, "0.0#"};
  const double q = kGammaQ * in.qk;
  if (!in.beamSlab) {
    const double gd = kGammaG * gk;
    p = gd + q;
    Ln(4, "g ＝ $0 * gk ＝ $0*$1 ＝ $2", {gG, {gk, U::knpm2}, {gd, U::knpm2d}});
    Ln(4, "q ＝ $0 * qk ＝ $0*$1 ＝ $2", {gQ, {in.qk, U::knpm2}, {q, U::knpm2d}});
    Ln(4, "p ＝ g + q ＝ $0+$1 ＝ $2", {{gd, U::knpm2}, {q, U::knpm2}, {p, U::knpm2d}});
    return;
  }
  Ln(4, "q ＝ $0 * qk ＝ $0*$1 ＝ $2", {gQ, {in.qk, U::knpm2}, {q, U::knpm2d}});
  const double gx = kGammaG * gkx;
  px = gx + q;
  Ln(4, "gx ＝ $0 * gkx ＝ $0*$1 ＝ $2，|px ＝ gx + q ＝ $2+$3 ＝ $4",
     {gG, {gkx, U::knpm2}, {gx, U::knpm2}, {q, U::knpm2}, {px, U::knpm2d}});
  if (Landings()) {
    const double gs = kGammaG * gks;
    ps = gs + q;
    Ln(4, "gs ＝ $0 * gks ＝ $0*$1 ＝ $2，|ps ＝ gs + q ＝ $2+$3 ＝ $4",
       {gG, {gks, U::knpm2}, {gs, U::knpm2}, {q, U::knpm2}, {ps, U::knpm2d}});
  }
  const double gd = kGammaG * gk, qd = kGammaQ * in.qk * (in.B / 2000 + in.b / 1000);
  p = gd + qd;
  Ln(4, "梯梁恒荷设计值g ＝ $0 * gk ＝ $0*$1 ＝ $2", {gG, {gk, U::knpm}, {gd, U::knpmd}});
  Ln(4, "梯梁活荷设计值q ＝ $0 * qk * (B / 2 + b) ＝ $0*$1*($2/2+$3) ＝ $4",
     {gQ, {in.qk, U::knpm2}, {in.B / 1000, U::m}, {in.b / 1000, U::m}, {qd, U::knpmd}});
  Ln(4, "梯梁荷载设计值p ＝ g + q ＝ $0+$1 ＝ $2", {{gd, U::knpm}, {qd, U::knpm}, {p, U::knpmd}});
}

// Shear at the supports: the slab of a slab-type flight (per metre, along the slope) or the
// stringer beam; the concrete alone carries 0.07·fc·b·ho (GBJ 10-89 eq. 4.2.3-2).
void StairCalc::Shear() {
  Heading("4．斜截面受剪承载力计算：");
  const double factor = ShearFactor(in.support), Lo_m = Lo / 1000;
  const bool fixedEnd = OneEndFixed(in.support);
  double V, b, ho;
  if (!in.beamSlab) {
    V = factor * p * Lo_m * g.cosA;
    b = kStrip;
    ho = h1 - in.as;
    Ln(4,
       fixedEnd ? "Vmax ＝ 5 / 8 * p * Lo * Cosα ＝ $0*$1*$2*$3 ＝ $4"
                : "Vmax ＝ 0.5 * p * Lo * Cosα ＝ $0*$1*$2*$3 ＝ $4",
       {{factor, "0.0##"}, {p, U::knpm2}, {Lo_m, U::m}, {g.cosA, "0.0000"}, {V, U::knd}});
  } else {
    V = factor * p * Lo_m;
    b = in.b;
    ho = h - in.as;
    Ln(4, "梯梁：");
    Ln(4,
       fixedEnd ? "Vmax ＝ 5 / 8 * p * Lo ＝ $0*$1*$2 ＝ $3"
                : "Vmax ＝ 0.5 * p * Lo ＝ $0*$1*$2 ＝ $3",
       {{factor, "0.0##"}, {p, U::knpm}, {Lo_m, U::m}, {V, U::knd}});
  }
  const double Vc = gbj10_89::ShearConcrete(fc, b, ho) / 1000;
  const bool ok = Vc >= V;
  Ln(4, "0.07 * fc * b * ho ＝ $0*$1*$2*$3 ＝ $4$5Vmax ＝ $6",
     {{gbj10_89::kShearConcrete, "0.0#"},
      {fc, U::nmm2},
      {b, U::mm},
      {ho, U::mm},
      {Vc, U::knd},
      ok ? " ≥ " : " < ",
      {V, U::knd}});
  if (!in.beamSlab) {
    if (!ok) Ln(4, "    警告：Vmax ＞ 0.07 * fc * b * ho，梯板受剪承载力不足，应加大梯板厚度。");
    return;
  }
  BeamStirrups(V, b, ho);
}

void StairCalc::BeamStirrups(double V, double b, double ho) {
  const double fyv = std::min(in.fy, gbj10_89::kFyvMax);
  const double Vkn = V * 1000;
  if (gbj10_89::ShearConcrete(fc, b, ho) >= Vkn) {
    Ln(4, "Asv ＝ 0 (V≤0.07fcBHo)，按构造配置箍筋：|最小直径：$0，|最大间距@$1",
       {{MinimumStirrupDiameter(h), U::mmd}, {MaximumStirrupSpacing(h, true), "0"}});
    return;
  }
  const double beta = gbj10_89::ShearSectionFactor((ho) / b);
  const double limit = beta * fc * b * ho / 1000;
  if (V > limit) {
    Ln(6, "错误：V ＝ $0 > $1fcbh0 ＝ $2，梯梁截面尺寸太小。",
       {{V, U::knd}, {beta, "0.0##"}, {limit, U::knd}});
    return;
  }
  const double s = kStirrupSpacing;
  const double Asv = StirrupArea(Vkn, fc, b, ho, fyv, s);
  const double Asvmin = MinimumStirrupRatio(fc, fyv) * b * s;
  Ln(4,
     "Asv ＝ (V - 0.07 * fc * b * ho) * s / (1.5 * fyv * ho) ＝ ($0-0.07*$1*$2*$3)*$4/(1.5*$5*$3) "
     "＝ $6 （间距@200）",
     {{Vkn, U::n},
      {fc, U::nmm2},
      {b, U::mm},
      {ho, U::mm},
      {s, "0"},
      {fyv, U::nmm2},
      {Asv, U::mm2d}});
  if (Asv < Asvmin)
    Ln(4, "Asvmin ＝ 0.02 * fc / fyv * b * s ＝ 0.02*$0/$1*$2*$3 ＝ $4 （间距@200），|最大间距@$5",
       {{fc, U::nmm2},
        {fyv, U::nmm2},
        {b, U::mm},
        {s, "0"},
        {Asvmin, U::mm2d},
        {MaximumStirrupSpacing(h, false), "0"}});
  else
    Ln(4, "箍筋最小直径：$0，|最大间距@$1",
       {{MinimumStirrupDiameter(h), U::mmd}, {MaximumStirrupSpacing(h, false), "0"}});
}

void StairCalc::Bending() {
  Heading("5．正截面受弯承载力计算：");
  const double Lo_m = Lo / 1000;
  auto span = [&] {
    L = CalculationSpan(Lo_m, in.d1 / 1000, in.d2 / 1000);
    Ln(4, "计算跨度L ＝ Min{Lo + (d1 + d2) / 2, 1.05 * Lo} ＝ Min{$0+($1+$2)/2, 1.05*$0} ＝ $3",
       {{Lo_m, U::m}, {in.d1 / 1000, U::m}, {in.d2 / 1000, U::m}, {L, U::md}});
  };
  if (!in.beamSlab) {
    span();
    SpanMoments(p, gk + in.qk, gk + in.psiQ * in.qk, kStrip, h1, false);
    return;
  }
  const double B_m = in.B / 1000, b_m = in.b / 1000;
  const double Bo = std::min(B_m + b_m, 1.05 * B_m);
  Ln(4, "梯段斜板计算：");
  Ln(4, "计算跨度Bo ＝ Min{B + b, 1.05 * B} ＝ Min{$0+$1, 1.05*$0} ＝ $2",
     {{B_m, U::m}, {b_m, U::m}, {Bo, U::md}});
  const double Mx = px * Bo * Bo / 8;
  Ln(4, "跨中Mmax ＝ px * Bo ^ 2 / 8 ＝ $0*$1^2/8 ＝ $2",
     {{px, U::knpm2}, {Bo, U::m}, {Mx, U::knmd}});
  Reinforce("As", Mx, (gkx + in.qk) * Bo * Bo / 8, 0, 0, kStrip, g.T, true, false, false);
  if (Landings()) {
    Ln(4, "水平梯板计算：");
    const double Ms = ps * Bo * Bo / 8;
    Ln(4, "跨中Mmax ＝ ps * Bo ^ 2 / 8 ＝ $0*$1^2/8 ＝ $2",
       {{ps, U::knpm2}, {Bo, U::m}, {Ms, U::knmd}});
    Reinforce("As", Ms, (gks + in.qk) * Bo * Bo / 8, 0, 0, kStrip, h2, true, false, false);
  }
  Ln(4, "梯梁计算：");
  span();
  SpanMoments(p, gk + qkBeam, gk + in.psiQ * qkBeam, in.b, h, true);
}

// Moments of the flight or beam by its support condition (or the support-moment rule), each
// followed by its reinforcement. Qk and Qlong are the short- and long-term characteristic loads.
void StairCalc::SpanMoments(double pd, double Qk, double Qlong, double b, double hh, bool beam) {
  const MomentRow row = MomentCoefficients(in.support, in.ruleDivisor);
  const double L2 = L * L, Mmax = row.span * pd * L2, Mmin = row.support * pd * L2;
  const Sub P{pd, beam ? U::knpm : U::knpm2}, Ls{L, U::m}, Mx{Mmax, U::knmd}, Mn{Mmin, U::knmd};
  switch (in.support) {
    case Support::Hinged:
      Ln(4, "跨中Mmax ＝ p * L ^ 2 / 8 ＝ $0*$1^2/8 ＝ $2", {P, Ls, Mx});
      break;
    case Support::Fixed:
      Ln(4, "跨中Mmax ＝ p * L ^ 2 / 24 ＝ $0*$1^2/24 ＝ $2", {P, Ls, Mx});
      Ln(4, "支座Mmin ＝ p * L ^ 2 / 12 ＝ $0*$1^2/12 ＝ $2", {P, Ls, Mn});
      break;
    case Support::LowerFixed:
    case Support::UpperFixed:
      Ln(4, "跨中Mmax ＝ 9 / 128 * p * L ^ 2 ＝ 9/128*$0*$1^2 ＝ $2", {P, Ls, Mx});
      Ln(4, "支座Mmin ＝ p * L ^ 2 / 8 ＝ $0*$1^2/8 ＝ $2", {P, Ls, Mn});
      break;
    case Support::Restrained:
      Ln(4, "跨中Mmax ＝ p * L ^ 2 / 10 ＝ $0*$1^2/10 ＝ $2", {P, Ls, Mx});
      Ln(4, "支座Mmin ＝ p * L ^ 2 / $3 ＝ $0*$1^2/$3 ＝ $2", {P, Ls, Mn, {in.ruleDivisor, "0"}});
      break;
  }
  const bool both = row.support > 0;
  Reinforce(both ? "As1" : "As", Mmax, row.span * Qk * L2, row.span * Qlong * L2, row.span, b, hh,
            !beam, beam, true);
  if (both)
    Reinforce("As2", Mmin, row.support * Qk * L2, 0, row.support, b, hh, false, beam, false);
}

// Area of one moment by the rectangular flexure calculator (ordinary section), its ratio and the
// minimum, the bars, and the crack width of the bars under the characteristic moment Mk.
void StairCalc::Reinforce(std::string_view name, double M, double Mk, double Ml, double coef,
                          double b, double hh, bool bottom, bool beam, bool deflected) {
  int32_t e = 0;
  double dMu = M, dAs = 0;
  float sFy = fault::to_float(in.fy), sFcm = fault::to_float(fcm), sB = fault::to_float(b),
        sH = fault::to_float(hh), sCas = fault::to_float(in.as), sKc = 0, sP = 0, sKcb = 0;
  self.MuAsCommon(e, dMu, dAs, sFy, sFcm, sB, sH, sCas, sKc, sP, sKcb);
  if (e == moment_codes::kMuAsNotBelowH || e == moment_codes::kMuBadAs) {
    Ln(4, " 输入错误：纵筋合力点至近边距离as ＝ $0≥截面高度。", {{in.as, U::mmd}});
    return;
  }
  if (e == moment_codes::kMuNoDepth) {
    Ln(6, "错误：$0受压区高度≥截面有效高度。", {name});
    return;
  }
  if (e != 0 && e != moment_codes::kMuXiOverBalanced) {
    // A moment or section the flexure calculator rejects otherwise (a fault): no area.
    Ln(6, "错误：$0计算失败（代码 $1）。", {name, {static_cast<double>(e), "0"}});
    return;
  }
  if (e == moment_codes::kMuXiOverBalanced && !(static_cast<double>(sKc) < gbj10_89::kBeta1)) {
    // From ξ = 0.8 on the linear rule of GBJ 10-89 eq. 4.1.5-2 gives no tension in the steel,
    // so no area carries the moment: the member stops here like a compression zone reaching ho.
    Ln(6, "错误：$0相对受压区高度ξ ＝ $1 ≥ $2，钢筋应力σs ≤ 0，应加大截面。",
       {name, {static_cast<double>(sKc), "0.000"}, {gbj10_89::kBeta1, "0.0"}});
    return;
  }
  const double rhoMin = std::max(CodeMinimumRatio(fcm), in.rhoUser / 100);
  Ln(4, "$0 ＝ $1，|ρ ＝ $0 / b / ho ＝ $2，|ρmin ＝ $3",
     {name, {dAs, U::mm2d}, {static_cast<double>(sP), U::percent}, {rhoMin, U::percent}});
  if (e == moment_codes::kMuXiOverBalanced)
    Ln(4, "    警告：相对受压区高度ξ ＝ $0>$1。",
       {{static_cast<double>(sKc), "0.000"}, {static_cast<double>(sKcb), "0.000"}});
  if (in.fy < kGradeOneLimit)
    Ln(4, "(Ⅱ)等代面积As ＝ $0 * fy / $1 ＝ $2*$3/$1 ＝ $4",
       {name,
        {kFyGradeTwo, "0"},
        {dAs, U::mm2},
        {in.fy, U::nmm2},
        {dAs * in.fy / kFyGradeTwo, U::mm2d}});
  double As = dAs;
  const double AsMin = rhoMin * b * hh;
  if (As < AsMin) {
    As = AsMin;
    Ln(4, "$0 ＜ ρmin * b * h ＝ $1*$2*$3 ＝ $4，|取$0 ＝ $4",
       {name, {rhoMin, U::percent}, {b, U::mm}, {hh, U::mm}, {AsMin, U::mm2d}});
  }
  if (bottom && in.hasFactor) {
    As *= in.factor;
    Ln(4, "板底配筋放大系数 $0：|$1 ＝ $0 * $1 ＝ $2", {{in.factor, "0.0#"}, name, {As, U::mm2d}});
  }
  double actual = As, d = 0;
  if (Bars(name, As, beam, actual, d) && in.lfkd) CrackWidth(name, Mk, actual, d, b, hh);
  if (deflected) defl = {true, b, hh, actual, Mk, Ml, coef};
}

// Bars of a required area: slabs from the bar lists, the stringer beam as bars of one size.
// False when no pair of the list is large enough (actual then stays the required area).
bool StairCalc::Bars(std::string_view name, double As, bool beam, double& actual, double& d) {
  if (beam) {
    const BeamBars bb = ChooseBeamBars(As);
    actual = bb.area;
    d = bb.d;
    if (in.showBars)
      Ln(4, "实配钢筋：As ＝ $0（$1$2$3）",
         {{actual, U::mm2d},
          {static_cast<double>(bb.n), "0"},
          in.fy < kGradeOneLimit ? "φ" : "Φ",
          {d, "0"}});
    return true;
  }
  const BarList list = BarListFor(in.fy, in.beamSlab);
  const auto k = ChooseBars(list, As);
  if (!k) {
    Ln(4, "    警告：$0 超出可选钢筋的最大面积，应加大板厚。", {name});
    return false;
  }
  std::size_t count = 0;
  const BarPair pair = BarListData(list, count)[*k];
  actual = AreaPerMetre(pair);
  d = pair.d;
  if (in.showBars)
    Ln(4, "实配钢筋：As ＝ $0（$1@$2）",
       {{actual, U::mm2d}, {d, "0"}, {static_cast<double>(pair.s), "0"}});
  return true;
}

// Crack width of the chosen bars under the characteristic moment Mk (kN·m): a flexural
// rectangular section, cover c = as − d/2, deformed bars for grade Ⅱ steel.
void StairCalc::CrackWidth(std::string_view name, double Mk, double actual, double d, double b,
                           double hh) {
  double W = 0, c = in.as - d / 2, D = d, Ms = Mk, A = actual, B = b, H = hh, Cas = in.as,
         Ftk = ftk, E = Es;
  bool deformed = in.fy >= kGradeOneLimit;
  int32_t le = 0;
  self.LfKdCommon(le, deformed, c, D, Ms, A, B, H, Cas, Ftk, E, W);
  if (le == 900200)
    Ln(4, "最大裂缝宽度ωmax ＝ $0", {{W, U::mmd_3}});
  else
    Ln(6, "错误：$0的裂缝宽度无法计算（代码 $1）。", {name, {static_cast<double>(le), "0"}});
}

void StairCalc::Deflection() {
  Heading("6．跨中挠度验算：");
  if (!defl.set) {
    Ln(6, "错误：跨中配筋无结果，不能验算挠度。");
    return;
  }
  Ln(4, "M_ub(s)ub_ ＝ $0，|M_ub(l)ub_ ＝ $1", {{defl.Mk, U::knmd_2}, {defl.Ml, U::knmd_2}});
  Ln(4, "E_ub(s)ub_ ＝ $0，|A_ub(s)ub_ ＝ $1，|E_ub(c)ub_ ＝ $2，|f_ub(tk)ub_ ＝ $3",
     {{Es, U::nmm2d}, {defl.As, U::mm2d}, {Ec, U::nmm2d}, {ftk, U::nmm2d}});
  int32_t e = 0;
  double Bl = 0, As = defl.As, Ms = defl.Mk, Ml = defl.Ml;
  useRecordSection sec;
  sec.iType = 1;
  sec.B = fault::to_float(defl.b);
  sec.H = fault::to_float(defl.h);
  float Cas = fault::to_float(in.as), Ftk = fault::to_float(ftk), E = fault::to_float(Es),
        Ecf = fault::to_float(Ec);
  self.BendComponentBl(e, Bl, sec, Cas, As, Ms, Ml, Ftk, E, Ecf);
  if (e != 0) {
    Ln(6, "错误：长期刚度Bl无法计算，不能验算挠度。");
    return;
  }
  const double Bl_kNm2 = Bl / 1e9;
  Ln(4, "受弯构件的长期刚度Bl ＝ $0", {{Bl_kNm2, U::knm2d}});
  const double eta = InclinedLengthFactor(in.Lo1, Lo, g.cosA);
  if (in.type == Flight::A)
    Ln(4, "η ＝ 1 / cosα ＝ 1/cos$0° ＝ $1", {{Degrees(g.alpha), "0.00"}, {eta, "0.000"}});
  else
    Ln(4, "η ＝ 1 + Lo1 * (1 - cosα) / (Lo * cosα) ＝ 1+$0*(1-$1)/($2*$1) ＝ $3",
       {{in.Lo1 / 1000, U::m}, {g.cosA, "0.0000"}, {Lo / 1000, U::m}, {eta, "0.000"}});
  // Qk per metre: the slab strip is one metre wide, the beam's load is already per metre.
  const double Qk = in.beamSlab ? gk + qkBeam : gk + in.qk;
  const double f = MidSpanDeflection(in.k, eta, Qk, L, Bl_kNm2);
  Ln(4, "跨中挠度f ＝ $0 / 384 * η * Qk * L ^ 4 / Bl ＝ $0/384*$1*$2*$3^4/$4 ＝ $5",
     {{in.k, "0.0"},
      {eta, "0.000"},
      {Qk, in.beamSlab ? U::knpm : U::knpm2},
      {L, U::m},
      {Bl_kNm2, U::knm2},
      {f, U::mmd}});
  const double ratio = fault::div(Lo, f), limit = DeflectionLimit(Lo / 1000);
  const bool ok = ratio >= limit;
  Ln(4, "f / Lo ＝ 1/$0$1$2$3",
     {{ratio, "0"}, ok ? " ≤ 1/" : " ＞ 1/", {limit, "0"}, ok ? "，满足要求。" : "，不满足要求。"});
}

void clsLtBs::CalLtBs(const Inputs& in, const std::string& label, Report& r) {
  StairCalc calc(*this, in, r);
  calc.Run(label);
}

// --- member calculators ------------------------------------------------------------------------

void clsLtBs::MuAsCommon(int32_t& lErr, double& dMu, double& dAs, float& sFy, float& sFcm,
                         float& sB, float& sH, float& sCas, float& sKc, float& sP, float& sKcb) {
  int16_t iK = 1, iSecPos = 5;
  m_Moment->MuAsCommon(lErr, iK, iSecPos, dMu, dAs, sFy, sFcm, sB, sH, sCas, sKc, sP, sKcb);
}

void clsLtBs::LfKdCommon(int32_t& lErr, bool& bBxGj, double& c, double& D, double& Ms, double& dAs,
                         double& B, double& H, double& Cas, double& Ftk, double& Es, double& Wmax) {
  std::string t, bh, kind = "受弯", shape = "矩形截面";
  bool byMoment = true, dpzj = false, cfhz = false, qzdc = false;
  double Ns = 0, Bf = 0, Hf = 0, Bf1 = 0, Hf1 = 0, Lo = 0, Cas1 = Cas;
  m_LfKd->LfKdCommon(t, lErr, bh, kind, shape, byMoment, bBxGj, dpzj, cfhz, qzdc, c, D, Ms, Ns, dAs,
                     B, H, Bf, Hf, Bf1, Hf1, Lo, Cas, Cas1, Ftk, Es, &Wmax);
}

void clsLtBs::BendComponentBl(int32_t& lErr, double& bL, useRecordSection& uSec, float& Cas,
                              double& dAs, double& dMs, double& dMl, float& Ftk, float& Es,
                              float& Ec) {
  double As1 = 0;
  m_Stiffness->BendComponentBl(lErr, bL, uSec, Cas, dAs, As1, dMs, dMl, Ftk, Es, Ec);
}

}  // namespace tk
