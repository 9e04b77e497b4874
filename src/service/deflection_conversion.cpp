#include "service/deflection_conversion.h"

#include "frame/fault.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/text.h"
#include "service/stiffness.h"

namespace tk::deflection {

double EdgeBeamFactor(double Bk) {
  return (1.0 + Bk) / 2.0;
}

double ElasticStiffness(double Bk, double Ec, double b, double h) {
  return fault::check(Bk * Ec * b * h * h * h / 12.0);
}

double LongTermDeflection(double fd, double Bc, double Bl) {
  return fault::div(fd * Bc, Bl);
}

namespace {

// Section shape names by shape code, through the shared texts.
std::string_view ShapeName(ISharedServices& svc, int16_t type) {
  static constexpr int32_t kIds[] = {30261, 30262, 30264, 30265, 30266, 30263};
  return type >= 1 && type <= 6 ? svc.tTextById(kIds[type - 1]) : std::string_view();
}

// Coefficients shown with two decimals, as the form takes them.
constexpr const char* kFactor = "0.00";

void BasicData(const Input& in, Report& r) {
  ISharedServices& svc = r.services();
  r.TableHeading("基本资料");
  if (!in.program.empty()) {
    r.TableValue("分析程序", "$0（$1）", {in.program, in.folder});
    r.TableValue("计算层号、梁编号", "$0、$1",
                 {{static_cast<double>(in.floor), "0"}, {static_cast<double>(in.beam), "0"}});
    r.TableValue("高层建筑结构", in.high_rise ? "是" : "否");
    r.TableValue("活荷载准永久值系数ψq", "$0", {{in.psi_q, kFactor}});
  }
  r.TableValue("梁的位置", in.edge ? "边梁" : "中梁");
  r.TableValue("弹性挠度fd", "$0", {{in.fd, U::mmd_2}});
  r.TableValue("中梁弹性刚度增大系数Bk", "$0", {{in.Bk, kFactor}});
  r.TableValue("受拉钢筋实配增大系数λb", "$0", {{in.lambda_b, kFactor}});
  if (in.load_case.empty())
    r.TableValue("荷载短期效应组合的弯矩值Ms", "$0", {{in.Ms, U::knmd_2}});
  else
    r.TableValue("荷载短期效应组合的弯矩值Ms", "$0    $1", {{in.Ms, U::knmd_2}, in.load_case});
  r.TableValue("荷载长期效应组合的弯矩值Ml", "$0", {{in.Ml, U::knmd_2}});
  r.TableValue(in.program.empty() ? "受拉区纵筋实配面积As" : "受拉区纵筋计算面积As", "$0",
               {{in.As, U::mm2d}});
  r.TableValue(in.program.empty() ? "受压区纵筋实配面积As'" : "受压区纵筋计算面积As'", "$0",
               {{in.As1, U::mm2d}});
  const useRecordSection& s = in.sec;
  r.TableValue("截面形式", "$0", {ShapeName(svc, s.iType)});
  r.TableValue("截面尺寸b * h", "$0*$1", {{s.B, U::mm}, {s.H, U::mmd}});
  if (s.iType == 4) {
    r.TableValue("翼缘尺寸bf * hf、bf' * hf'", "$0*$1", {{s.Bf, U::mm}, {s.Hf, U::mmd}});
  } else {
    if (s.iType == 2 || s.iType == 5)
      r.TableValue("受拉区翼缘尺寸bf * hf", "$0*$1", {{s.Bf, U::mm}, {s.Hf, U::mmd}});
    if (s.iType == 3 || s.iType == 5 || s.iType == 6)
      r.TableValue("受压区翼缘尺寸bf' * hf'", "$0*$1", {{s.Bf1, U::mm}, {s.Hf1, U::mmd}});
  }
  r.TableValue("计算跨度lo", "$0", {{in.lo, U::mmd}});
  r.TableValue("纵筋合力点至近边距离as", "$0", {{in.as, U::mmd}});
  r.TableValue("混凝土强度等级", "C$0", {{in.grade, "0.#"}});
  r.TableValue("混凝土抗拉强度标准值ftk", "$0", {{in.ftk, U::nmm2d_3}});
  r.TableValue("混凝土弹性模量Ec", "$0", {{in.Ec, U::nmm2d}});
  r.TableValue("钢筋弹性模量Es", "$0", {{in.Es, U::nmm2d}});
}

}  // namespace

Result Convert(const Input& in, clsBendComponentBl& bl, Report& r, const std::string& label) {
  Result res;
  ISharedServices& svc = r.services();
  r.TableHeading("挠度换算");
  if (!TrimView(label).empty()) r.TableValue("构件", "$0", {TrimView(label)});
  BasicData(in, r);
  try {
    r.TableHeading("弹性刚度");
    res.Bk = in.Bk;
    if (in.edge) {
      res.Bk = EdgeBeamFactor(in.Bk);
      r.TableFormula("边梁 Bk ＝ (1 + Bk) / 2", "＝ (1+$0)/2 ＝ $1",
                     {{in.Bk, kFactor}, {res.Bk, kFactor}});
    }
    const double b = in.sec.B, h = in.sec.H;
    res.Bc = ElasticStiffness(res.Bk, in.Ec, b, h);
    r.TableFormula(
        "Bc ＝ Bk * Ec * I", "＝ $0*$1*$2*$3^3/12 ＝ $4",
        {{res.Bk, kFactor}, {in.Ec, U::nmm2}, {b, U::mm}, {h, U::mm}, {res.Bc / 1e9, U::knm2d}});

    r.TableHeading("长期刚度");
    res.As = fault::check(in.lambda_b * in.As);
    r.TableFormula("λb * As", "＝ $0*$1 ＝ $2",
                   {{in.lambda_b, kFactor}, {in.As, U::mm2}, {res.As, U::mm2d}});
    int32_t lErr = 0;
    double Bl = 0, As = res.As, As1 = in.As1, Ms = in.Ms, Ml = in.Ml;
    useRecordSection sec = in.sec;
    float Cas = static_cast<float>(in.as), Ftk = static_cast<float>(in.ftk),
          Es = static_cast<float>(in.Es), Ec = static_cast<float>(in.Ec);
    std::string text;
    int16_t style = 1, start = 1;
    bl.BendComponentBl(lErr, Bl, sec, Cas, As, As1, Ms, Ml, Ftk, Es, Ec, &text, &style, &start);
    r.Raw(text);
    if (lErr != 0) fault::raise();
    res.Bl = Bl;
    r.TableValue("长期刚度Bl", "$0", {{Bl / 1e9, U::knm2d}});

    r.TableHeading("挠度");
    res.f = LongTermDeflection(in.fd, res.Bc, res.Bl);
    r.TableFormula(
        "挠度 f ＝ fd * Bc / Bl", "＝ $0*$1/$2 ＝ $3",
        {{in.fd, U::mm_2}, {res.Bc / 1e9, U::knm2}, {res.Bl / 1e9, U::knm2}, {res.f, U::mmd_2}});
    res.lo_over_f = fault::div(in.lo, res.f);
    r.TableFormula("f / Lo ＝ 1/(Lo / f)", "＝ 1/($0/$1) ＝ 1/$2",
                   {{in.lo, U::mm}, {res.f, U::mm_2}, {res.lo_over_f, "0"}});
    r.Line(0, "f ＝ $0    f/Lo ＝ 1/$1", {{res.f, U::mmd_2}, {res.lo_over_f, "0"}});
  } catch (const ArithmeticFault&) {
    res.lErr = 9999;
    std::string why(svc.tTextById(32005));
    why.append(svc.tTextById(32007));
    r.Error(why);
  }
  return res;
}

std::string ResultLine(const Result& res) {
  Report r;
  r.Put("f ＝ $0    f/Lo ＝ 1/$1", {{res.f, U::mmd_2}, {res.lo_over_f, "0"}});
  return std::move(r.str());
}

}  // namespace tk::deflection
