#include "section/mvt.h"

#include <cfloat>
#include <cmath>
#include <optional>

#include "frame/binding.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/services.h"
#include "materials/material.h"
#include "section/mvt_stages.h"

namespace tk {

namespace mvt {

bool IsFrame(int16_t iSecPos) {
  return iSecPos >= 1 && iSecPos <= 4;
}

std::string GradeText(int16_t iSecPos) {
  // The services number headings in Chinese numerals ("一、"); a grade reads without the mark.
  std::string t = modKalbex::Services().tNumberText(iSecPos, 3, 0);
  constexpr std::string_view mark = "、";
  if (t.size() >= mark.size() && std::string_view(t).substr(t.size() - mark.size()) == mark)
    t.resize(t.size() - mark.size());
  return t;
}

std::string_view ShapeName(Shape s) {
  switch (s) {
    case Shape::Rect:
      return "矩形截面";
    case Shape::InvT:
      return "倒T形截面";
    case Shape::T:
      return "T形截面";
    case Shape::InvL:
      return "倒L形截面";
    case Shape::ISym:
      return "工形截面（对称）";
    case Shape::IUnsym:
      return "工形截面（不对称）";
  }
  return {};
}

bool Flanged(Shape s) {
  return s == Shape::T || s == Shape::InvL || s == Shape::ISym || s == Shape::IUnsym;
}

void Fail(Call& k, int32_t code, std::string_view text, std::string_view condition) {
  k.r.Error(text);
  const std::string_view cond = condition.empty() ? text : condition;
  modKalbex::InputCheck().AddErrCon(k.lErrCon, k.tErrCon, code, cond, k.r.str());
  k.all_errors.push_back(code);
  if (k.stage_err == 0) {
    k.stage_err = code;
    k.stage_text = std::string(cond);
  }
}

void Note(Call& k, int32_t code, std::string_view condition) {
  modKalbex::InputCheck().AddErrCon(k.lErrCon, k.tErrCon, code, condition, k.r.str());
}

std::string Fmt(Call& k, double x, std::string_view token) {
  return FormatNumber(x, k.r.services().tUnitFormat(token));
}

std::string_view GammaText(bool bEA, double gamma_o) {
  if (bEA) return " * γRE";
  if (gamma_o != 1) return " * γo";
  return {};
}

std::string Factor(double x) {
  return FormatNumber(x, "0.###");
}

namespace {

std::optional<Shape> ShapeOf(std::string_view name) {
  // Compared exactly, as the host's shape list gives the names.
  for (Shape s : {Shape::Rect, Shape::InvT, Shape::T, Shape::InvL, Shape::ISym, Shape::IUnsym})
    if (name == ShapeName(s)) return s;
  return std::nullopt;
}

bool MentionsAs(std::string_view t) {
  for (size_t i = 0; i + 1 < t.size(); ++i)
    if ((t[i] == 'A' || t[i] == 'a') && (t[i + 1] == 's' || t[i + 1] == 'S')) return true;
  return false;
}

// The compression steel entry: a number (empty reads 0) or an expression in As.
struct As1Entry {
  bool valid = false;
  bool number = true;
  double value = 0;  // the number, or the expression's ratio K (its value at As = 1)
};

As1Entry ReadAs1(ISharedServices& svc, std::string_view text) {
  As1Entry e;
  const std::string_view t = TrimView(text);
  if (t.empty() || IsNumericText(t)) {
    e.value = t.empty() ? 0.0 : LeadingNumber(t);
    e.valid = e.value >= 0 && std::isfinite(e.value);
    return e;
  }
  e.number = false;
  if (!MentionsAs(t)) return e;
  try {
    e.value = svc.dEvalAsText(t, 1.0);
  } catch (const ComponentFailure&) {
    return e;  // the services refuse the text: not an expression in As
  }
  e.valid = e.value >= 0 && std::isfinite(e.value);
  return e;
}

// The numbers of MVTCommon that no host form has checked: a value no section can have gives its
// code and message before any stage runs. Returns 0 when every value can be calculated with.
struct SectionInputs {
  Shape shape;
  int mode;
  bool bQdSjz, bEA, bConF, torsion;
  float c, Fcm, Ft;
  double Fy, Fy1, Fyv;
  float Rlfo, B, H, Bf, Hf, Bf1, Hf1, Cas, Cas1, Pmin, S, A, Es;
  double dAs, Asv;
};

int32_t CheckSectionInputs(const SectionInputs& in, std::string& text) {
  auto pos = [](double x) { return x > 0 && std::isfinite(x); };
  auto shown = [](double x) {
    if (!std::isfinite(x)) return std::string("（溢出）");
    return std::fabs(x) <= FLT_MAX ? ShortestText(static_cast<float>(x)) : ShortestText(x);
  };
  auto fail = [&](int32_t code, const std::string& name, double x, const std::string& rule) {
    text = name + " ＝ " + shown(x) + "，" + rule;
    return code;
  };
  if (!pos(in.B)) return fail(code::kBadSize, "截面宽度b", in.B, "应大于0");
  if (!pos(in.H)) return fail(code::kBadSize, "截面高度h", in.H, "应大于0");
  if (in.bQdSjz) {
    if (!pos(in.c)) return fail(code::kBadStrength, "轴心抗压强度fc", in.c, "应大于0");
    if (!pos(in.Fcm)) return fail(code::kBadStrength, "弯曲抗压强度fcm", in.Fcm, "应大于0");
    if (!pos(in.Ft)) return fail(code::kBadStrength, "抗拉强度ft", in.Ft, "应大于0");
  } else if (!pos(in.c)) {
    return fail(code::kBadStrength, "混凝土强度等级C", in.c, "应大于0");
  }
  if (!pos(in.Fy)) return fail(code::kBadStrength, "钢筋抗拉强度设计值fy", in.Fy, "应大于0");
  if (!pos(in.Fy1)) return fail(code::kBadStrength, "钢筋抗压强度设计值fy'", in.Fy1, "应大于0");
  if (!pos(in.Fyv)) return fail(code::kBadStrength, "箍筋抗拉强度设计值fyv", in.Fyv, "应大于0");
  if (!pos(in.Es)) return fail(code::kBadStrength, "钢筋弹性模量Es", in.Es, "应大于0");
  if (!pos(in.Cas) || in.Cas >= in.H)
    return fail(code::kBadCover, "纵筋合力点至近边距离as", in.Cas, "应大于0且小于截面高度h");
  if (!(in.Cas1 >= 0) || in.Cas1 >= in.H)
    return fail(code::kBadCover, "受压纵筋合力点至近边距离as'", in.Cas1,
                "应不小于0且小于截面高度h");
  // The tension flange enters only the torsion moduli; the compression flange every formula.
  const bool tension = in.torsion && (in.shape == Shape::InvT || in.shape == Shape::ISym ||
                                      in.shape == Shape::IUnsym);
  const bool compression = in.shape == Shape::T || in.shape == Shape::InvL ||
                           in.shape == Shape::ISym || in.shape == Shape::IUnsym;
  if (tension) {
    if (!(in.Bf >= in.B) || !std::isfinite(in.Bf))
      return fail(code::kBadFlange, "受拉区翼缘宽度bf", in.Bf, "应不小于截面宽度b");
    if (!pos(in.Hf) || in.Hf >= in.H)
      return fail(code::kBadFlange, "受拉区翼缘高度hf", in.Hf, "应大于0且小于截面高度h");
  }
  if (compression) {
    if (!(in.Bf1 >= in.B) || !std::isfinite(in.Bf1))
      return fail(code::kBadFlange, "受压区翼缘宽度bf'", in.Bf1, "应不小于截面宽度b");
    if (!pos(in.Hf1) || in.Hf1 >= in.H)
      return fail(code::kBadFlange, "受压区翼缘高度hf'", in.Hf1, "应大于0且小于截面高度h");
  }
  if (tension && compression && !(double{in.Hf} + double{in.Hf1} < in.H))
    return fail(code::kBadFlange, "翼缘高度之和hf + hf'", double{in.Hf} + double{in.Hf1},
                "应小于截面高度h");
  if (!in.bEA && !pos(in.Rlfo))
    return fail(code::kBadOther, "构件的重要性系数γo", in.Rlfo, "应大于0");
  if (!pos(in.S)) return fail(code::kBadOther, "箍筋间距S", in.S, "应大于0");
  if (in.bConF && !pos(in.A))
    return fail(code::kBadOther, "计算截面至支座的距离a", in.A, "应大于0");
  if (!(in.Pmin >= 0) || !std::isfinite(in.Pmin))
    return fail(code::kBadOther, "最小配筋率ρmin", in.Pmin, "应不小于0");
  if (in.mode == 1 && (!(in.dAs >= 0) || !std::isfinite(in.dAs)))
    return fail(code::kBadOther, "受拉钢筋面积As", in.dAs, "应不小于0");
  if (in.mode == 1 && (!(in.Asv >= 0) || !std::isfinite(in.Asv)))
    return fail(code::kBadOther, "箍筋面积Asv", in.Asv, "应不小于0");
  return 0;
}

// The flange sizes the shape has, one pair a line.
void ReportFlanges(Report& r, Shape shape, float Bf, float Hf, float Bf1, float Hf1) {
  switch (shape) {
    case Shape::ISym:
      r.Raw("    翼缘宽度bf,bf'＝ ")
          .Val(Bf, "mmd")
          .Raw("    翼缘高度hf,hf'＝ ")
          .Val(Hf, "mmd")
          .End();
      break;
    case Shape::InvT:
      r.Raw("    受拉区翼缘宽度bf＝ ")
          .Val(Bf, "mmd")
          .Raw("    受拉区翼缘高度hf＝ ")
          .Val(Hf, "mmd")
          .End();
      break;
    case Shape::IUnsym:
      r.Raw("    受拉区翼缘宽度bf ＝ ")
          .Val(Bf, "mmd")
          .Raw("    受拉区翼缘高度hf ＝ ")
          .Val(Hf, "mmd")
          .End();
      [[fallthrough]];
    case Shape::T:
    case Shape::InvL:
      r.Raw("    受压区翼缘宽度bf'＝ ")
          .Val(Bf1, "mmd")
          .Raw("    受压区翼缘高度hf'＝ ")
          .Val(Hf1, "mmd")
          .End();
      break;
    case Shape::Rect:
      break;
  }
}

// Concrete strengths as given (fc in c), or from the grade C<c> with fcm and ft written back;
// returns the label of the report line.
std::string ConcreteStrengths(bool bQdSjz, float c, double& fc, float& Fcm, float& Ft) {
  if (bQdSjz) {
    fc = c;
    return "混凝土强度：";
  }
  clsMaterial& mat = modKalbex::Material();
  fc = mat.CtoFc(c);
  Fcm = mat.CtoFcm(c);
  Ft = mat.CtoFt(c);
  return "混凝土强度：C" + ShortestText(c);
}

// The closing line that lists every error code of the call.
void ReportErrorCodes(Report& r, const std::vector<int32_t>& codes) {
  if (codes.empty()) return;
  r.Raw("    本次计算出现错误（代码 ");
  for (size_t i = 0; i < codes.size(); ++i) {
    if (i) r.Raw("、");
    r.Raw(std::to_string(codes[i]));
  }
  r.Raw("），详见以上以“错误：”开头的各行。").End();
}

// The actions (mode 0) or the reinforcement (mode 1) of the input lines.
void ReportActionsOrAreas(Report& r, ISharedServices& svc, const As1Entry& as1_entry,
                          const std::string& tAs1, int iCalMode, double M, float Pmin, double V,
                          double T, float S, double dAs, double Asv) {
  // One quantity a line, so that a long expression of As' stays readable.
  auto as1_line = [&](bool with_value, double as1) {
    if (as1_entry.number) {
      if (as1_entry.value != 0) r.Raw("    受压钢筋面积As'＝ ").Val(as1_entry.value, "mm2d").End();
    } else {
      r.Raw("    受压钢筋面积As'＝ ").Raw(Trim(tAs1));
      if (with_value) r.Raw(" ＝ ").Val(as1, "mm2d");
      r.End();
    }
  };
  if (iCalMode == 0) {
    r.Raw("    弯矩设计值M＝ ").Val(M, "knmd").End();
    as1_line(false, 0);
    r.Raw("    受拉钢筋最小配筋率ρmin＝ ").Val(Pmin / 100.0, "percent").End();
    r.Raw("    剪力设计值V＝ ").Val(V, "knd").End();
    if (T != 0) r.Raw("    扭矩设计值T＝ ").Val(T, "knmd").End();
    r.Raw("    箍筋间距S＝ ").Val(S, "mmd").End();
  } else {
    const double as1 = as1_entry.number ? as1_entry.value : svc.dEvalAsText(tAs1, dAs);
    r.Raw("    受拉钢筋面积As＝ ").Val(dAs, "mm2d").End();
    as1_line(true, as1);
    r.Raw("    受拉钢筋最小配筋率ρmin＝ ").Val(Pmin / 100.0, "percent").End();
    r.Raw("    箍筋面积Asv＝ ").Val(Asv, "mm2d").End();
    r.Raw("    箍筋间距S＝ ").Val(S, "mmd").End();
  }
}

}  // namespace
}  // namespace mvt

clsMVT::clsMVT() {}

clsMVT::~clsMVT() = default;

// The texts this class prints are its own literals; the advice after warnings and the message
// of an arithmetic fault are the shared text 32095 of the frame.
void clsMVT::MVTCommon(int32_t& lErr, std::string& tErr, VBArray<int32_t>& lErrCon,
                       VBArray<std::string>& tErrCon, int16_t& iCalMode, int16_t& iSecPos,
                       std::string& tJmXs, bool& bBE, bool& bEA, bool& bConF, bool& bQdSjz,
                       float& c, float& Fcm, float& Ft, double& Fy, double& Fy1, double& Fyv,
                       float& Rlfo, std::string& tAs1, double& M, double& dAs, double& V,
                       double& Asv, double& T, float& B, float& H, float& Bf, float& Hf, float& Bf1,
                       float& Hf1, float& Cas, float& Cas1, float Pmin, float& P, float& S,
                       float& A, float& Smax, float& Dmin, double& AsvMin, double& Ast1,
                       double& AstL, double& Asvt, float& Es, float* Kcb, float* KcE, float* Kc,
                       bool* bTextOut, std::string* tText, std::string* tEng, std::string* tBh) {
  using namespace mvt;
  lErr = 0;
  tErr.clear();
  bTextOut_ = bTextOut != nullptr && *bTextOut;
  ISharedServices& svc = modKalbex::Services();
  Report r(svc, 16384);

  // The report is built in one buffer in every call (the error list quotes it) and handed to
  // the caller only when asked for; without bTextOut the caller's tText stays as it was.
  auto hand_over = [&] {
    if (bTextOut_ && tText) r.MoveTo(*tText);
  };

  const std::optional<Shape> shape = ShapeOf(tJmXs);
  // A symmetric I has equal flanges; only the tension-side pair is entered.
  if (shape == Shape::ISym) {
    Bf1 = Bf;
    Hf1 = Hf;
  }

  // The member label is tBh; a caller that leaves tBh out may pass the label in tText, as the
  // other calculators of the library take it.
  const std::string label = tBh ? Trim(*tBh) : (tText ? Trim(*tText) : std::string());
  r.Raw(label).Raw("弯剪扭构件：").HeadingEnd();
  r.Heading("基本资料：");
  r.Sp(4).Raw("工程名称：").Raw(tEng ? std::string_view(*tEng) : std::string_view()).End();

  auto reject = [&](int32_t code, const std::string& text) {
    r.Error(text);
    lErr = code;
    tErr = text;
    modKalbex::InputCheck().AddErrCon(lErrCon, tErrCon, code, text, r.str());
    hand_over();
  };
  if (iCalMode != 0 && iCalMode != 1) {
    reject(code::kBadMode, "计算类型iCalMode ＝ " + std::to_string(iCalMode) +
                               "，应为0（已知 内力 求 配筋）或1（已知 配筋 求 内力）");
    return;
  }
  if (!shape) {
    reject(
        code::kBadShape,
        "截面形式“" + tJmXs +
            "”应为矩形截面、T形截面、倒T形截面、倒L形截面、工形截面（对称）或工形截面（不对称）");
    return;
  }
  const As1Entry as1_entry = ReadAs1(svc, tAs1);
  if (!as1_entry.valid) {
    reject(code::kBadAs1,
           "受压钢筋面积As'＝ “" + tAs1 + "”应为不小于0的数值，或As的表达式（例如0.3As）");
    return;
  }

  if (lErrCon.lbound != tErrCon.lbound || lErrCon.data.size() != tErrCon.data.size()) {
    lErrCon.data.clear();
    tErrCon.data.clear();
    reject(code::kBadErrorList, "错误条件列表lErrCon、tErrCon的上下界应相同");
    return;
  }
  {
    std::string text;
    const SectionInputs in{*shape, iCalMode, bQdSjz, bEA,  bConF, T != 0, c,  Fcm, Ft,
                           Fy,     Fy1,      Fyv,    Rlfo, B,     H,      Bf, Hf,  Bf1,
                           Hf1,    Cas,      Cas1,   Pmin, S,     A,      Es, dAs, Asv};
    if (const int32_t bad = CheckSectionInputs(in, text); bad != 0) {
      reject(bad, text);
      return;
    }
  }

  Call call(r, lErrCon, tErrCon, Fyv, Rlfo, tAs1, M, dAs, V, Asv, P, Smax, Dmin, AsvMin, Ast1, AstL,
            Asvt, Kcb, KcE, Kc);
  call.mode = iCalMode;
  call.iSecPos = iSecPos;
  call.shape = *shape;
  call.bBE = bBE;
  call.bEA = bEA;
  call.bConF = bConF;

  bool in_flexure = false;
  try {
    // Concrete strengths: as given, or from the grade (written back).
    double fc;
    const std::string concrete_label = ConcreteStrengths(bQdSjz, c, fc, Fcm, Ft);
    call.fc = fc;
    call.fcm = Fcm;
    call.ft = Ft;
    call.fy = Fy;
    call.fy1 = Fy1;
    call.Es = Es;
    // Forces act by magnitude: the caller turns the section so that As lies on the tension face.
    call.M = std::fabs(M);
    call.V = std::fabs(V);
    call.T = std::fabs(T);
    call.b = B;
    call.h = H;
    call.bf = Bf;
    call.hf = Hf;
    call.bf1 = Bf1;
    call.hf1 = Hf1;
    call.as = Cas;
    call.as1 = Cas1;
    call.Pmin = Pmin;
    call.S = S;
    call.a = A;
    call.As_in = dAs;
    call.Asv_in = Asv;

    // Inputs.
    if (!bEA)
      r.Sp(4).Raw("结构构件的重要性系数γo＝ ").Num(Rlfo, "#0.00").Sp(4);
    else
      r.Sp(4).Raw("考虑地震作用组合").Sp(4);
    if (IsFrame(iSecPos))
      r.Raw("截面位置：").Raw(GradeText(iSecPos)).Raw("级框架梁").Raw(bBE ? "端" : "").Sp(4);
    r.End();
    if (bConF)
      r.Sp(4).Raw("集中荷载作用下的剪扭构件，计算截面至支座的距离a＝ ").Val(A, "mmd").End();
    r.Sp(4)
        .Raw(concrete_label)
        .Sp(4)
        .Raw("fc＝ ")
        .Val(fc, "n/mm2_1")
        .Raw("    fcm＝ ")
        .Val(Fcm, "n/mm2_1");
    r.Raw("    ft＝ ").Val(Ft, "n/mm2d_2").End();
    r.Raw("    钢筋强度：fy＝ ").Val(Fy, "n/mm2").Raw("    fy'＝ ").Val(Fy1, "n/mm2");
    r.Raw("    fyv＝ ").Val(Fyv, "n/mm2d").End();
    ReportActionsOrAreas(r, svc, as1_entry, tAs1, iCalMode, M, Pmin, V, T, S, dAs, Asv);
    r.Raw("    宽度b＝ ").Val(B, "mmd").Raw("    高度h＝ ").Val(H, "mmd");
    r.Raw("    ho＝ ").Val(static_cast<double>(H) - Cas, "mmd").End();
    ReportFlanges(r, *shape, Bf, Hf, Bf1, Hf1);
    r.Heading("计算结果：");

    // The stages run in order whatever an earlier one found: each keeps its own error code (the
    // shear and torsion stages start clean), every error goes into lErrCon/tErrCon and onto an
    // "错误：" line, and lErr/tErr return the FIRST error of the call, so that a flexure failure
    // is not hidden by a shear stage that passes. A closing line lists all codes.
    auto run = [&](void (*stage)(Call&)) {
      call.stage_err = 0;
      call.stage_text.clear();
      stage(call);
      if (call.stage_err != 0 && lErr == 0) {
        lErr = call.stage_err;
        tErr = call.stage_text;
      }
      r.End();
    };
    in_flexure = true;
    run(&CalMAs);
    in_flexure = false;
    run(&CalVAsv);
    if (iCalMode == 0 && T != 0) run(&CalTAst);
  } catch (const ArithmeticFault&) {
    if (in_flexure) r.Error("溢出，或不可知的错误。");
    lErr = code::kFault;
    tErr = std::string(svc.tTextById(32095));
    modKalbex::InputCheck().AddErrCon(lErrCon, tErrCon, code::kFault, tErr, r.str());
    call.all_errors.push_back(code::kFault);
  }
  ReportErrorCodes(r, call.all_errors);
  hand_over();
}

void clsMVT::CheckMvtEnter(int32_t& lErr, VBArray<std::string>& Text, VBArray<bool>& bText,
                           int16_t& Index, bool& bShowRtb, std::string& tErr, bool& bQdSjz) {
  // bShowRtb tells whether the host shows the report box; the checks are the same either way.
  IInputCheck& chk = modKalbex::InputCheck();
  clsMaterial& mat = modKalbex::Material();
  lErr = 0;
  tErr.clear();

  auto text = [&](int i) -> std::string { return Text.Has(i) ? Text(i) : std::string(); };
  // An index without a flag in bText() is checked (a host that sends no flags checks all).
  auto enabled = [&](int i) {
    const int32_t j = i - bText.lbound;
    if (j < 0 || j >= static_cast<int32_t>(bText.data.size())) return true;
    return static_cast<bool>(bText.data[static_cast<size_t>(j)]);
  };
  // The option fields 0 to 4 carry the mode heading and the shape name as the host shows them.
  bool capacity = false, sym_i = false;
  for (int i = 0; i < kFieldConcrete; ++i) {
    const std::string t = Trim(text(i));
    capacity |= t == "已知 配筋 求 内力";
    sym_i |= t == "工形截面（对称）";
  }
  auto name = [&](int i) -> std::string {
    switch (i) {
      case kFieldConcrete:
        return bQdSjz ? "轴心抗压强度fc" : "混凝土强度等级";
      case kFieldFcm:
        return "弯曲抗压强度fcm";
      case kFieldFt:
        return "抗拉强度ft";
      case kFieldFy:
        return "钢筋抗拉强度设计值fy";
      case kFieldFy1:
        return "钢筋抗压强度设计值fy'";
      case kFieldFyv:
        return "箍筋抗拉钢筋强度设计值fyv";
      case kFieldGammaO:
        return "构件的重要性系数γo";
      case kFieldMorAs:
        return capacity ? "受拉钢筋面积As" : "弯矩设计值M";
      case kFieldAs1:
        return "受压钢筋As'";
      case kFieldVorAsv:
        return capacity ? "箍筋面积Asv" : "剪力设计值V";
      case kFieldT:
        return "扭矩设计值T";
      case kFieldB:
        return "截面宽度b";
      case kFieldH:
        return "截面高度h";
      case kFieldBf:
        return sym_i ? "翼缘宽度bf、bf'" : "受拉区翼缘宽度bf";
      case kFieldHf:
        return sym_i ? "翼缘高度hf、hf'" : "受拉区翼缘高度hf";
      case kFieldBf1:
        return "受压区翼缘宽度bf'";
      case kFieldHf1:
        return "受压区翼缘高度hf'";
      case kFieldAs:
        return "纵筋合力点至近边距离as";
      case kFieldPmin:
        return "最小配筋率ρmin";
      case kFieldS:
        return "箍筋间距S";
      case kFieldA:
        return "计算截面至支座的距离a";
      default:
        return "第" + std::to_string(i) + "项";
    }
  };
  // Loads and ratios may be 0; strengths and dimensions must be positive; the options and the
  // compression steel (a number or an expression) are checked by their own rules.
  auto kind = [&](int i) -> std::string_view {
    if (i < kFieldConcrete || i == kFieldAs1 || i >= kFieldCount) return "UnCheckNum";
    if (i == kFieldMorAs || i == kFieldVorAsv || i == kFieldT || i == kFieldPmin) return "S>=0";
    return "S>0";
  };
  auto stop = [&](int32_t code, int i, std::string message) {
    lErr = code;
    Index = static_cast<int16_t>(i);
    tErr = std::move(message);
  };

  const int first = Text.empty() ? 0 : Text.LBound(), last = Text.empty() ? -1 : Text.UBound();
  for (int i = first; i <= last; ++i) {
    if (!enabled(i)) continue;
    int32_t code = 0;
    const int32_t flag = (i == kFieldConcrete && !bQdSjz) ? -1 : 0;
    chk.CheckFieldText(kind(i), name(i), text(i), flag, code);
    if (code != 0) return stop(code, i, chk.tCodeMessage(code, name(i), text(i)));
  }

  auto relation = [&](int i, std::string_view n1, std::string_view op, std::string_view n2,
                      double v1, double v2) {
    const std::string t1 = ShortestText(v1), t2 = ShortestText(v2);
    const int32_t code = chk.CheckRelation(n1, n2, op, t1, t2);
    if (code != 0)
      stop(code, i,
           chk.tCodeMessage(code, n1, op, n2,
                            std::string(n1) + "＝" + t1 + "，" + std::string(n2) + "＝" + t2));
    return code == 0;
  };
  auto num = [&](int i) { return LeadingNumber(text(i)); };

  // The compression steel: a number, or an expression in As such as 0.3As.
  std::optional<double> K;  // As'/As of an expression
  double as1_number = 0;
  if (enabled(kFieldAs1) && Text.Has(kFieldAs1)) {
    const mvt::As1Entry e = mvt::ReadAs1(modKalbex::Services(), text(kFieldAs1));
    if (!e.valid) {
      return stop(checkcode::kNotNumber, kFieldAs1,
                  name(kFieldAs1) +
                      "一栏应输入不小于0的数值，或As的表达式（例如0.3As）。（当前输入：" +
                      text(kFieldAs1) + "）");
    }
    if (e.number)
      as1_number = e.value;
    else
      K = e.value;
  }
  // The net tension fy * As - fy' * As' must stay positive: with As known (capacity), or per
  // unit As for a ratio given as an expression.
  if (enabled(kFieldFy) && enabled(kFieldFy1) && (capacity || K)) {
    const double fy = mat.dGanJinFy(text(kFieldFy)), fy1 = mat.dGanJinFy1(text(kFieldFy1));
    const double As = capacity ? num(kFieldMorAs) : 1.0;
    const double As1 = K ? *K * As : as1_number;
    if (!relation(kFieldAs1, "fy * As - fy' * As'", ">", "0", fy * As - fy1 * As1, 0)) return;
  }
  const double b = num(kFieldB), h = num(kFieldH);
  if (enabled(kFieldBf) &&
      !relation(kFieldBf, name(kFieldBf), ">=", name(kFieldB), num(kFieldBf), b))
    return;
  if (enabled(kFieldHf) &&
      !relation(kFieldHf, name(kFieldHf), "<", name(kFieldH), num(kFieldHf), h))
    return;
  if (enabled(kFieldBf1) &&
      !relation(kFieldBf1, name(kFieldBf1), ">=", name(kFieldB), num(kFieldBf1), b))
    return;
  if (enabled(kFieldHf1) &&
      !relation(kFieldHf1, name(kFieldHf1), "<", name(kFieldH), num(kFieldHf1), h))
    return;
  if (enabled(kFieldHf) && enabled(kFieldHf1) &&
      !relation(kFieldHf1, "hf + hf'", "<", name(kFieldH), num(kFieldHf) + num(kFieldHf1), h))
    return;
  // The host enters one steel distance: as' is taken equal to as.
  if (enabled(kFieldAs) && enabled(kFieldH)) {
    const double as = num(kFieldAs);
    if (!relation(kFieldAs, "H - as", ">", "2as'", h - as, 2 * as)) return;
  }
}

void clsMVT::CboB_KeyPress(int16_t& Index, int16_t& KeyAscii) {
  int32_t input_class = 0;
  switch (Index) {
    case 5:
    case 6:
    case 7:
    case 11:
    case 12:
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 21:
    case 22:
    case 23:
    case 24:
    case 25:
      input_class = keyclass::kPositiveNumber;  // 35012
      break;
    case 8:
    case 9:
    case 10:
      input_class = keyclass::kSignedNumber;
      break;  // 35032
    case 13:
      input_class = keyclass::kNumberList;
      break;  // 35031: the As' entry may be "0.3As"
    case 20:
      input_class = keyclass::kInteger;
      break;  // 35025
    default:
      return;
  }
  KeyAscii = modKalbex::Services().FilterKey(KeyAscii, input_class);
}

const ClassInfo& clsMVT::ClassInfoOf() {
  using C [[maybe_unused]] = clsMVT;
  static const ClassInfo ci{
      "clsMVT",
      {
          Method("MVTCommon", &C::MVTCommon,
                 {"lErr",
                  "tErr",
                  {"lErrCon", 1},
                  {"tErrCon", 1},
                  "iCalMode",
                  "iSecPos",
                  "tJmXs",
                  "bBE",
                  "bEA",
                  "bConF",
                  "bQdSjz",
                  "c",
                  "Fcm",
                  "Ft",
                  "Fy",
                  "Fy1",
                  "Fyv",
                  "Rlfo",
                  "tAs1",
                  "M",
                  "dAs",
                  "V",
                  "Asv",
                  "T",
                  "B",
                  "H",
                  "Bf",
                  "Hf",
                  "Bf1",
                  "Hf1",
                  "Cas",
                  "Cas1",
                  "Pmin",
                  "P",
                  "S",
                  "A",
                  "Smax",
                  "Dmin",
                  "AsvMin",
                  "Ast1",
                  "AstL",
                  "Asvt",
                  "Es",
                  "Kcb",
                  "KcE",
                  "Kc",
                  "bTextOut",
                  "tText",
                  "tEng",
                  "tBh"}),
          Method("CheckMvtEnter", &C::CheckMvtEnter,
                 {"lErr", "Text", "bText", "Index", "bShowRtb", "tErr", "bQdSjz"}),
          Method("CboB_KeyPress", &C::CboB_KeyPress, {"Index", "KeyAscii"}),
      }};
  return ci;
}

}  // namespace tk
